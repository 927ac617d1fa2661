<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>kvir::Options</name>
    <message>
        <source>вывести эту справку и завершиться</source>
        <translation>print this help and exit</translation>
    </message>
    <message>
        <source>вывести версию и завершиться</source>
        <translation>print the version and exit</translation>
    </message>
    <message>
        <source>показать окно и завершиться с кодом 0 сразу после его первой полной отрисовки (проверка запуска)</source>
        <translation>show the window and exit with code 0 right after its first complete paint (a start-up check)</translation>
    </message>
    <message>
        <source>ЯЗЫК</source>
        <translation>LANGUAGE</translation>
    </message>
    <message>
        <source>язык окон: ru (русский, по умолчанию) или en (английский); без этого параметра действует язык, выбранный в программе последним</source>
        <translation>the language of the windows: ru (Russian, the default) or en (English); without this option, the one last chosen in the program is used</translation>
    </message>
    <message>
        <source>kvir: %1; допустимы %2</source>
        <translation>kvir: %1; allowed: %2</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1»</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>ошибка в командной строке: %1</source>
        <translation>error in the command line: %1</translation>
    </message>
    <message>
        <source>лишний аргумент «%1»</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>неизвестный язык «%1»</source>
        <translation>unknown language &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Использование: kvir [ПАРАМЕТР]
Учебная программа: шестнадцать схем двоичных шифраторов и дешифраторов
на логических элементах и микросхемах серии 155.

Параметры:
</source>
        <translation>Usage: kvir [OPTION]
A teaching program: sixteen schemes of binary encoders and decoders
built of logic gates and series 155 chips.

Options:
</translation>
    </message>
    <message>
        <source>
Принимаются и стандартные параметры Qt (-platform, -style и другие).
Если рядом с программой лежит файл _timing.txt, на панели схемы 01 есть кнопка
Timing: замер скорости схем 1-9 с дописыванием итогов в этот файл (man kvir).
</source>
        <translation>
Qt&apos;s standard options (-platform, -style and others) are accepted too.
Where a file _timing.txt lies beside the program, the panel of scheme 01 has
a button Timing: it times schemes 1-9 and appends the results to that file
(man kvir).
</translation>
    </message>
    <message>
        <source>начать в чётком виде: нажатые кнопки залиты цветом, отпущенные пусты, выбранные выходы дешифраторов в рамке, у каждого входа его метка; без этого параметра вид такой, какой выбран в программе последним</source>
        <translation>start in the clear view: pressed buttons filled with colour, released ones hollow, the selected outputs of decoders framed, every input labelled; without this option the view is the one last chosen in the program</translation>
    </message>
    <message>
        <source>РЕЖИМ</source>
        <translation>MODE</translation>
    </message>
    <message>
        <source>начать в режиме обучения: step («Пошагово»: нажатие проходит по схеме шаг за шагом) или quiz («Проверь себя»: угадать уровни выходов)</source>
        <translation>start in a learning mode: step (&quot;Step by step&quot;: a press travels through the scheme stage by stage) or quiz (&quot;Test yourself&quot;: guess the outputs&apos; levels)</translation>
    </message>
    <message>
        <source>неизвестный режим «%1»</source>
        <translation>unknown mode &apos;%1&apos;</translation>
    </message>
    <message>
        <source>ПРОЦЕНТ</source>
        <translation>PERCENT</translation>
    </message>
    <message>
        <source>начать в масштабе 100, 150, 200, 250 или 300 процентов (по умолчанию 100) или fit: в наибольшем, при котором рисунок схемы помещается на экране; в окне масштаб меняют Ctrl+Плюс, Ctrl+Минус, Ctrl+0 и Ctrl+9</source>
        <translation>start at a zoom of 100, 150, 200, 250 or 300 percent (100 by default) or fit: the largest at which the scheme&apos;s drawing fits the screen; in the window Ctrl+Plus, Ctrl+Minus, Ctrl+0 and Ctrl+9 change the zoom</translation>
    </message>
    <message>
        <source>неизвестный масштаб «%1»</source>
        <translation>unknown zoom &apos;%1&apos;</translation>
    </message>
    <message>
        <source>у параметра «%1» нет значения</source>
        <translation>option &apos;%1&apos; needs a value</translation>
    </message>
    <message>
        <source>параметр «%1» не принимает значения</source>
        <translation>option &apos;%1&apos; takes no value</translation>
    </message>
    <message>
        <source>kvir: не удалось открыть окно: Qt не нашла дисплея, с которым может работать (см. переменную DISPLAY и параметр -platform)</source>
        <translation>kvir: could not open the window: Qt found no display it can work with (see the DISPLAY variable and the -platform option)</translation>
    </message>
</context>
<context>
    <name>kvir::PanelActions</name>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Таблица истинности</source>
        <translation>Truth table</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Печать рисунка…</source>
        <translation>Print picture…</translation>
    </message>
    <message>
        <source>О схеме</source>
        <translation>About the scheme</translation>
    </message>
    <message>
        <source>Язык / Language</source>
        <translation>Язык / Language</translation>
    </message>
    <message>
        <source>Чёткий вид</source>
        <translation>Clear view</translation>
    </message>
    <message>
        <source>Пошагово</source>
        <translation>Step by step</translation>
    </message>
    <message>
        <source>Следующий шаг</source>
        <translation>Next stage</translation>
    </message>
    <message>
        <source>Медленнее</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Быстрее</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>Проверь себя</source>
        <translation>Test yourself</translation>
    </message>
    <message>
        <source>Проверить ответы</source>
        <translation>Check the answers</translation>
    </message>
    <message>
        <source>Следующий вопрос</source>
        <translation>Next question</translation>
    </message>
    <message>
        <source>Скрывать и внутренние индикаторы</source>
        <translation>Hide the inner lamps too</translation>
    </message>
    <message>
        <source>Крупнее</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Обычный размер</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>По размеру окна</source>
        <translation>Fit to window</translation>
    </message>
</context>
<context>
    <name>kvir::PanelExport</name>
    <message>
        <source>Сохранить рисунок схемы</source>
        <translation>Save the scheme&apos;s picture</translation>
    </message>
    <message>
        <source>Рисунки PNG (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Рисунок не сохранён в файл «%1»: рисунки сохраняются в формате PNG, с расширением .png.</source>
        <translation>The picture was not saved to &quot;%1&quot;: pictures are saved as PNG, with the extension .png.</translation>
    </message>
    <message>
        <source>Рисунок не сохранён в файл «%1»: %2.</source>
        <translation>The picture was not saved to &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Рисунок не напечатан в файл «%1».</source>
        <translation>The picture was not printed to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Рисунок не напечатан в файл «%1»: %2.</source>
        <translation>The picture was not printed to &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Рисунок не напечатан: принтер «%1» не принял задание.</source>
        <translation>The picture was not printed: the printer &quot;%1&quot; did not accept the job.</translation>
    </message>
</context>
<context>
    <name>kvir::QuizMode</name>
    <message>
        <source>Щёлкайте по «?»: каждый щелчок меняет ответ, 0 или 1. Enter — проверить.</source>
        <translation>Click each &quot;?&quot;: every click changes the answer, 0 or 1. Enter checks.</translation>
    </message>
    <message>
        <source>Зелёная рамка — верно, полосатая — неверно. Ctrl+N — следующий вопрос.</source>
        <translation>Green frame: right; striped frame: wrong. Ctrl+N: next question.</translation>
    </message>
    <message>
        <source>Счёт: верно %1 из %2</source>
        <translation>Score: %1 of %2 right</translation>
    </message>
</context>
<context>
    <name>kvir::Settings</name>
    <message>
        <source>kvir: настройки не прочитаны: «%1» — не обычный файл; программа начинает с настроек по умолчанию и не сохраняет их</source>
        <translation>kvir: settings not read: &quot;%1&quot; is not a regular file; the program starts with the default settings and does not save them</translation>
    </message>
    <message>
        <source>kvir: настройки не прочитаны: файл «%1» больше 1 МиБ; программа начинает с настроек по умолчанию и не сохраняет их</source>
        <translation>kvir: settings not read: the file &quot;%1&quot; is larger than 1 MiB; the program starts with the default settings and does not save them</translation>
    </message>
</context>
<context>
    <name>kvir::Tfrm00</name>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>kvir::TfrmAbout</name>
    <message>
        <source>KVIR - О схеме</source>
        <translation>KVIR - About the scheme</translation>
    </message>
    <message>
        <source>Схема не выбрана.</source>
        <translation>No scheme is chosen.</translation>
    </message>
</context>
<context>
    <name>kvir::TfrmHelp</name>
    <message>
        <source>Выбор схемы осуществляется в раскрывающемся 
списке, расположенном слева от кнопки &quot;Помощь&quot;.

В схемах с шифраторами в результате однократного 
нажатия кнопки устанавливается бит входа, 
соответствующего нажатой кнопке, и сбрасывает 
все остальные биты входов в начальное значение.

В схемах с дешифраторами нажатие кнопки 
производит инверсию бита входа, соответствующего 
нажатой кнопке. </source>
        <translation>Choose a scheme in the drop-down list to the
left of the &quot;Help&quot; button.

In the schemes with encoders, a single press
of a button sets the input bit of that button
and resets all the other input bits to their
initial value.

In the schemes with decoders, a press of a
button inverts the input bit of that button.</translation>
    </message>
    <message>
        <source>KVIR - Помощь</source>
        <translation>KVIR - Help</translation>
    </message>
</context>
<context>
    <name>kvir::TfrmTruthTable</name>
    <message>
        <source>Таблица истинности</source>
        <translation>Truth table</translation>
    </message>
    <message>
        <source>Скрыть строки, где схема выключена</source>
        <translation>Hide the rows where the circuit is off</translation>
    </message>
    <message>
        <source>Сохранить…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Копировать таблицу</source>
        <translation>Copy the table</translation>
    </message>
    <message>
        <source>пройдено %1 из %2</source>
        <translation>reached %1 of %2</translation>
    </message>
    <message>
        <source>, скрыто строк, где схема выключена: %1</source>
        <translation>, rows hidden where the circuit is off: %1</translation>
    </message>
    <message>
        <source>; сейчас схема выключена</source>
        <translation>; the circuit is off now</translation>
    </message>
    <message>
        <source>Сохранить таблицу истинности</source>
        <translation>Save the truth table</translation>
    </message>
    <message>
        <source>Таблицы CSV (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>Таблица не сохранена.</source>
        <translation>The table was not saved.</translation>
    </message>
    <message>
        <source>Таблица не сохранена в файл «%1»: таблицы сохраняются в формате CSV, с расширением .csv.</source>
        <translation>The table was not saved to &quot;%1&quot;: tables are saved as CSV, with the extension .csv.</translation>
    </message>
</context>
</TS>
