<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>kvir::AboutWindow</name>
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
    <name>kvir::GuideWindow</name>
    <message>
        <source>Щелчок по кнопке входа</source>
        <translation>Click on an input button</translation>
    </message>
    <message>
        <source>нажимает кнопку: в шифраторе устанавливает её вход и сбрасывает остальные, в дешифраторе инвертирует её вход</source>
        <translation>presses the button: in an encoder it sets its input and resets the others, in a decoder it inverts its input</translation>
    </message>
    <message>
        <source>нажимает кнопку входа, на которой фокус (в синей рамке), как щелчок</source>
        <translation>presses the input button that has the focus (in a blue frame), as a click does</translation>
    </message>
    <message>
        <source>фокус по кругу: список схем, кнопка «%1», затем кнопки входа схемы в порядке чтения рисунка</source>
        <translation>the focus goes round: the scheme list, the &quot;%1&quot; button, then the scheme&apos;s input buttons in reading order of the drawing</translation>
    </message>
    <message>
        <source>фокус на ближайшую кнопку входа выше или ниже в том же столбце</source>
        <translation>the focus to the nearest input button above or below in the same column</translation>
    </message>
    <message>
        <source>фокус на ближайшую кнопку входа соседнего столбца</source>
        <translation>the focus to the nearest input button of the next column</translation>
    </message>
    <message>
        <source>Правый щелчок вне кнопок входа, %1</source>
        <translation>Right click off the input buttons, %1</translation>
    </message>
    <message>
        <source>контекстное меню панели со всеми командами</source>
        <translation>the panel&apos;s context menu with every command</translation>
    </message>
    <message>
        <source>закрывает это окно</source>
        <translation>closes this window</translation>
    </message>
    <message>
        <source>Панель схемы</source>
        <translation>The scheme&apos;s panel</translation>
    </message>
    <message>
        <source>%1 (включить или выключить)</source>
        <translation>%1 (on or off)</translation>
    </message>
    <message>
        <source>Команды</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Все они есть и в контекстном меню панели.</source>
        <translation>All of them are also in the panel&apos;s context menu.</translation>
    </message>
    <message>
        <source>Режимы</source>
        <translation>Modes</translation>
    </message>
    <message>
        <source>«%1» (%2): программа задаёт случайное состояние входов и прячет выходы за серым «?». Щелчок по скрытому индикатору ставит догадку 0, следующие щелчки меняют её между 1 и 0. %3 проверяет догадки: верные в зелёной рамке, неверные в чёрно-оранжевой. %4 — следующий вопрос; «%5» (%6) прячет и внутренние индикаторы.</source>
        <translation>&quot;%1&quot; (%2): the program sets a random state of the inputs and hides the outputs behind a grey &quot;?&quot;. A click on a hidden indicator sets a guess of 0, further clicks change it between 1 and 0. %3 checks the guesses: the right ones in a green frame, the wrong ones in a black and orange one. %4: the next question; &quot;%5&quot; (%6) hides the inner indicators too.</translation>
    </message>
    <message>
        <source>Включённый режим выключает другой.</source>
        <translation>Switching one mode on switches the other off.</translation>
    </message>
    <message>
        <source>«%1» (%2): нажатые кнопки залиты цветом, отпущенные пусты, выбранные выходы дешифраторов в рамке, у каждого входа его метка. Выбор запоминается до следующих запусков.</source>
        <translation>&quot;%1&quot; (%2): pressed buttons filled with colour, released ones hollow, the outputs a decoder selects framed, every input labelled. The choice is kept for the next starts.</translation>
    </message>
    <message>
        <source>«%1» (%2): окна на русском или на английском, сразу и для следующих запусков.</source>
        <translation>&quot;%1&quot; (%2): the windows in Russian or in English, at once and for the next starts.</translation>
    </message>
    <message>
        <source>Файлы и печать</source>
        <translation>Files and printing</translation>
    </message>
    <message>
        <source>«%1» (%2): панель в файл PNG. Имя предлагается по номеру схемы и меткам нажатых кнопок (kvir-01-Y3.png); файл записывается целиком или не записывается вовсе.</source>
        <translation>&quot;%1&quot; (%2): the panel into a PNG file. The name offered is made of the scheme number and the labels of the pressed buttons (kvir-01-Y3.png); the file is written whole or not at all.</translation>
    </message>
    <message>
        <source>«%1» (%2): панель под названием схемы на бумагу или в файл PDF.</source>
        <translation>&quot;%1&quot; (%2): the panel under the scheme&apos;s title, on paper or into a PDF file.</translation>
    </message>
    <message>
        <source>«%1» (%2): панель в буфер обмена как картинка.</source>
        <translation>&quot;%1&quot; (%2): the panel to the clipboard, as a picture.</translation>
    </message>
    <message>
        <source>«%1» (%2): окно с таблицей истинности показанной схемы; в нём %3 копирует таблицу как текст, а «Сохранить…» записывает её в файл CSV.</source>
        <translation>&quot;%1&quot; (%2): a window with the truth table of the shown scheme; there %3 copies the table as text, and &quot;Save…&quot; writes it into a CSV file.</translation>
    </message>
    <message>
        <source>KVIR - Руководство</source>
        <translation>KVIR - Guide</translation>
    </message>
    <message>
        <source>%1 в этом окне</source>
        <translation>%1 in this window</translation>
    </message>
    <message>
        <source>копирует выделенный текст (в главном окне — рисунок панели)</source>
        <translation>copies the selected text (in the main window: the panel&apos;s picture)</translation>
    </message>
    <message>
        <source>Окна</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>«%1» (%2): как выбрать схему и что делает нажатие кнопки. «%3» (%4): это окно. «%5» (%6): что делает показанная схема, её входы и их роли, на что смотреть, вид её таблицы истинности. Окна открываются рядом с рисунком схемы, не закрывая его; в них работают клавиши главного окна с Ctrl, Alt и F1…F12.</source>
        <translation>&quot;%1&quot; (%2): how to choose a scheme and what a press of a button does. &quot;%3&quot; (%4): this window. &quot;%5&quot; (%6): what the shown scheme does, its inputs and their roles, what to look for, the shape of its truth table. The windows open beside the scheme&apos;s drawing, never over it; the main window&apos;s keys with Ctrl, Alt and F1…F12 work in them.</translation>
    </message>
    <message>
        <source>«%1» (%2): нажатие меняет схему сразу, а панель показывает его по этапам, в том порядке, в каком работает схема; индикаторы этапа отмечены оранжевой рамкой. %3 — следующий этап сразу, %4 — медленнее, %5 — быстрее; «%6» (%7) останавливает этапы: они идут только по %3, пока %7 не нажата снова.</source>
        <translation>&quot;%1&quot; (%2): a press changes the scheme at once, and the panel shows it stage by stage, in the order the scheme works; the indicators of a stage are marked with an orange frame. %3: the next stage at once, %4: slower, %5: faster; &quot;%6&quot; (%7) stops the stages: they come only on %3 until %7 is pressed again.</translation>
    </message>
    <message>
        <source>%1, %2, %3: всё окно крупнее или мельче (100, 150, 200, 250, 300 %) или обычного размера. «%4» (%5): самый крупный размер, при котором рисунок схемы виден на экране целиком, — для проектора.</source>
        <translation>%1, %2, %3: the whole window larger or smaller (100, 150, 200, 250, 300 %) or at its usual size. &quot;%4&quot; (%5): the largest size at which the scheme&apos;s drawing shows whole on the screen, for a projector.</translation>
    </message>
    <message>
        <source>«%1» (%2) и «%3» (%4): рисунок для отчёта — только схема, без пустых полей, под её названием, в том виде и размере, что в окне; в буфер обмена или в файл PNG (kvir-01-Y3-report.png).</source>
        <translation>&quot;%1&quot; (%2) and &quot;%3&quot; (%4): the picture for a report, the scheme alone without the empty margins, under its title, in the window&apos;s view and size; to the clipboard or to a PNG file (kvir-01-Y3-report.png).</translation>
    </message>
    <message>
        <source>«%1» (%2): окно преподавателя — банки вопросов к схемам для Moodle (XML, GIFT) с ключом ответов и листы заданий в PDF с ключом.</source>
        <translation>&quot;%1&quot; (%2): the teacher&apos;s window: question banks on the schemes for Moodle (XML, GIFT) with their answer key, and PDF worksheets with their key.</translation>
    </message>
</context>
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
    <message>
        <source>начать в масштабе 100, 150, 200, 250 или 300 процентов (по умолчанию 100) или fit: в наибольшем, при котором рисунок схемы помещается на экране; в окне масштаб меняют Ctrl+Плюс, Ctrl+Минус, Ctrl+0 и Ctrl+9</source>
        <translation>start at a zoom of 100, 150, 200, 250 or 300 percent (100 by default) or fit: the largest at which the scheme&apos;s drawing fits the screen; in the window Ctrl+Plus, Ctrl+Minus, Ctrl+0 and Ctrl+9 change the zoom</translation>
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
        <source>Для преподавателя…</source>
        <translation>For the Teacher…</translation>
    </message>
    <message>
        <source>Копировать рисунок для отчёта</source>
        <translation>Copy picture for a report</translation>
    </message>
    <message>
        <source>Сохранить рисунок для отчёта…</source>
        <translation>Save picture for a report…</translation>
    </message>
    <message>
        <source>Руководство</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
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
    <message>
        <source>Сохранить рисунок для отчёта</source>
        <translation>Save the picture for a report</translation>
    </message>
    <message>
        <source>Рисунок не напечатан в файл «%1»: файлы PDF сохраняются с расширением .pdf.</source>
        <translation>The picture was not printed to &quot;%1&quot;: PDF files are saved with the extension .pdf.</translation>
    </message>
</context>
<context>
    <name>kvir::QuizMode</name>
    <message>
        <source>Счёт: верно %1 из %2</source>
        <translation>Score: %1 of %2 right</translation>
    </message>
    <message>
        <source>Щёлкайте по «?» (или Tab и пробел): каждый щелчок меняет ответ, 0 или 1. Enter — проверить.</source>
        <translation>Click each &quot;?&quot; (or Tab and Space): every click changes the answer, 0 or 1. Enter checks.</translation>
    </message>
    <message>
        <source>Зелёная рамка — верно, полосатая — неверно: рядом с верным уровнем зачёркнут ваш ответ. Ctrl+N — следующий вопрос.</source>
        <translation>Green frame: right; striped frame: wrong, your answer crossed out beside the right level. Ctrl+N: next question.</translation>
    </message>
    <message>
        <source>ответ %1</source>
        <translation>guess %1</translation>
    </message>
    <message>
        <source>%1, без ответа</source>
        <translation>%1, no guess</translation>
    </message>
    <message>
        <source>%1, верно</source>
        <translation>%1, right</translation>
    </message>
    <message>
        <source>%1, неверно, ответ %2</source>
        <translation>%1, wrong, guess %2</translation>
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
    <name>kvir::StepMode</name>
    <message>
        <source>Шаг %1 из %2</source>
        <translation>Step %1 of %2</translation>
    </message>
    <message>
        <source>Нажмите кнопку входа</source>
        <translation>Press an input button</translation>
    </message>
    <message>
        <source>Скорость: шаг каждые %1 мс</source>
        <translation>Speed: a step every %1 ms</translation>
    </message>
    <message>
        <source>F6 — следующий шаг, F7 — медленнее, F8 — быстрее, Pause — пауза, F5 — выключить.</source>
        <translation>F6: next step, F7: slower, F8: faster, Pause: pause, F5: off.</translation>
    </message>
    <message>
        <source>Пауза: шаги идут только по F6</source>
        <translation>Paused: steps come only with F6</translation>
    </message>
</context>
<context>
    <name>kvir::TeacherDialog</name>
    <message>
        <source>Файлы пишутся…</source>
        <translation>Writing the files…</translation>
    </message>
    <message>
        <source>KVIR - Для преподавателя</source>
        <translation>KVIR - For the Teacher</translation>
    </message>
    <message>
        <source>Схемы:</source>
        <translation>Schemes:</translation>
    </message>
    <message>
        <source>выходы</source>
        <translation>outputs</translation>
    </message>
    <message>
        <source>входы</source>
        <translation>inputs</translation>
    </message>
    <message>
        <source>строки</source>
        <translation>table rows</translation>
    </message>
    <message>
        <source>какая схема</source>
        <translation>which scheme</translation>
    </message>
    <message>
        <source>Вопросы:</source>
        <translation>Questions:</translation>
    </message>
    <message>
        <source>Число вопросов:</source>
        <translation>Number of questions:</translation>
    </message>
    <message>
        <source>Зерно:</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <source>Выбрать…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>Список студентов:</source>
        <translation>Student list:</translation>
    </message>
    <message>
        <source>Формат:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Файл:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Список студентов</source>
        <translation>Student List</translation>
    </message>
    <message>
        <source>Текст (*.txt);;Все файлы (*)</source>
        <translation>Text (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Сохранить вопросы</source>
        <translation>Save Questions</translation>
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
    <name>kvir::TruthTableWindow</name>
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
        <source>; пока вопрос открыт, показаны все строки</source>
        <translation>; every row is shown while a question is open</translation>
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
