// The page's own words, one table per language. The scheme titles, the "О схеме" texts and the
// words for what each indicator is come from the program's tables through the module.
const KVIR_STRINGS = {
  ru: {
    lang: 'ru',
    schemeList: 'Схема',
    otherLanguage: 'English',
    otherLanguageName: 'Switch to English',
    clearView: 'Чёткий вид',
    step: 'Пошагово',
    quiz: 'Проверь себя',
    check: 'Проверить',
    next: 'Следующий вопрос',
    quizOpen: 'Щёлкайте по «?»: каждый щелчок меняет ответ, 0 или 1.',
    quizChecked: 'Зелёная рамка — верно, полосатая — неверно.',
    quizScore: (right, scored) => `Счёт: верно ${right} из ${scored}`,
    // By the card over a lamp: a question, a guess, and after the check the level marked.
    cardWords: ['?', 'ответ 0', 'ответ 1', '0, верно', '1, верно', '0, неверно', '1, неверно',
      '0, без ответа', '1, без ответа', 'закрыто'],
    hiddenLevel: 'скрыто',
    changed: 'Изменилось: ',
    levelNow: (label, level) => `${label} — ${level}`,
    more: (count) => `и ещё ${count}`,
    nothingChanged: 'Ничего не изменилось.',
    stageOf: (shown, stages) => `Шаг ${shown} из ${stages}`,
    pressFirst: 'Нажмите кнопку входа',
    pace: (ms) => `Скорость: шаг каждые ${ms} мс`,
    paused: 'Пауза: шаги идут только по кнопке «Следующий шаг»',
    nextStage: 'Следующий шаг',
    slower: 'Медленнее',
    faster: 'Быстрее',
    pause: 'Пауза',
    reset: 'Сначала',
    zoomOut: 'Уменьшить схему',
    zoomIn: 'Увеличить схему',
    fullScreen: 'Во весь экран',
    menu: 'Меню',
    about: 'О схеме',
    table: 'Таблица истинности',
    help: 'Помощь',
    panel: 'Схема: ',
    ignored: 'Пропущено в ссылке: ',
    failed: 'Модель не запустилась: ',
    tooMany: 'слишком много нажатий',
    unknownButton: 'нет такой кнопки',
    unknownParameter: 'неизвестный параметр',
    badValue: 'неверное значение',
    repeated: 'повтор: действует первое значение',
    tooLong: 'ссылка длиннее 8 КБ, открыта схема 1',
    saveCsv: 'Сохранить CSV',
    reachedCount: (reached, rows) => `пройдено ${reached} из ${rows}`,
    helpText: [
      'Выберите схему в списке вверху. Над каждой кнопкой, линией, выводом микросхемы и выходом ' +
        'горит индикатор 0 или 1.',
      'В шифраторах нажатие кнопки устанавливает её вход и сбрасывает остальные; в дешифраторах ' +
        'нажатие инвертирует вход.',
      'Нажимайте кнопки мышью или пальцем. С клавиатуры: Tab и Shift+Tab — от кнопки к кнопке, ' +
        'стрелки — к соседней кнопке, Пробел или Enter — нажать.',
      'На телефоне схема шире экрана, чтобы каждую кнопку было удобно нажать пальцем: двигайте ' +
        'её пальцем, разводите или сводите два пальца или нажимайте «+» и «−», чтобы увеличить ' +
        'или уменьшить. «Во весь экран» убирает всё лишнее; на узком экране кнопки собраны в «Меню».',
      '«Чёткий вид»: нажатые кнопки закрашены, отпущенные — пустые, выбранный выход дешифратора ' +
        'в рамке, у каждого входа подпись; уровни не меняются.',
      '«Пошагово»: после нажатия схема показывает, как сигнал идёт от элемента к элементу, шаг за ' +
        'шагом; строка над схемой говорит, какой шаг виден и сколько их. «Медленнее» и «Быстрее» ' +
        'меняют паузу между шагами, «Пауза» останавливает их, «Следующий шаг» показывает следующий.',
      '«Проверь себя»: схема сама ставит входы, а некоторые индикаторы закрыты знаком «?». ' +
        'Щёлкайте по каждому, выбирая 0 или 1, затем «Проверить»: верные ответы в зелёной рамке, ' +
        'неверные — в полосатой. «Следующий вопрос» задаёт новый; счёт ведётся, пока режим включён.',
      '«Таблица истинности» показывает все строки схемы и отмечает пройденные; пока вопрос не ' +
        'проверен, выходы в ней скрыты. «Сохранить CSV» записывает её в файл.',
      '«Сначала» возвращает схему в начальное состояние.',
      'Адрес страницы хранит схему и нажатия: скопируйте его, чтобы показать это состояние другим.',
    ],
  },
  en: {
    lang: 'en',
    schemeList: 'Scheme',
    otherLanguage: 'Русский',
    otherLanguageName: 'Переключить на русский',
    clearView: 'Clear view',
    step: 'Step by step',
    quiz: 'Test yourself',
    check: 'Check',
    next: 'Next question',
    quizOpen: 'Click the “?”: each click changes the answer, 0 or 1.',
    quizChecked: 'A green frame is right, a striped one wrong.',
    quizScore: (right, scored) => `Score: ${right} right of ${scored}`,
    cardWords: ['?', 'answer 0', 'answer 1', '0, right', '1, right', '0, wrong', '1, wrong',
      '0, not answered', '1, not answered', 'covered'],
    hiddenLevel: 'hidden',
    changed: 'Changed: ',
    levelNow: (label, level) => `${label} to ${level}`,
    more: (count) => `and ${count} more`,
    nothingChanged: 'Nothing changed.',
    stageOf: (shown, stages) => `Step ${shown} of ${stages}`,
    pressFirst: 'Press an input button',
    pace: (ms) => `Speed: a step every ${ms} ms`,
    paused: 'Paused: steps come only with “Next step”',
    nextStage: 'Next step',
    slower: 'Slower',
    faster: 'Faster',
    pause: 'Pause',
    reset: 'Start over',
    zoomOut: 'Zoom the scheme out',
    zoomIn: 'Zoom the scheme in',
    fullScreen: 'Full screen',
    menu: 'Menu',
    about: 'About the scheme',
    table: 'Truth table',
    help: 'Help',
    panel: 'Scheme: ',
    ignored: 'Ignored in the link: ',
    failed: 'The model did not start: ',
    tooMany: 'too many presses',
    unknownButton: 'no such button',
    unknownParameter: 'unknown parameter',
    badValue: 'bad value',
    repeated: 'repeated: the first value holds',
    tooLong: 'the link is longer than 8 KB; scheme 1 is open',
    saveCsv: 'Save CSV',
    reachedCount: (reached, rows) => `reached ${reached} of ${rows}`,
    helpText: [
      'Choose a scheme in the list at the top. Every button, line, chip pin and output shows a ' +
        '0 or 1 indicator.',
      'In the encoders a press sets its input and resets the others; in the decoders a press ' +
        'inverts its input.',
      'Press the buttons with the mouse or a finger. With the keyboard: Tab and Shift+Tab go from ' +
        'button to button, the arrows to the neighbouring button, Space or Enter press it.',
      'On a phone the scheme is wider than the screen so that every button is easy to press with ' +
        'a finger: move it with a finger, spread or pinch two fingers or press “+” and “−” to ' +
        'zoom in or out. “Full screen” hides everything else; on a narrow screen the buttons are ' +
        'gathered in “Menu”.',
      '“Clear view”: pressed buttons filled, released ones hollow, the selected decoder output ' +
        'framed, every input labelled; no level changes.',
      '“Step by step”: after a press the scheme shows how the signal goes from element to ' +
        'element, one step at a time; the line above the scheme tells which step shows and how ' +
        'many there are. “Slower” and “Faster” change the wait between steps, “Pause” holds ' +
        'them, “Next step” shows the next one.',
      '“Test yourself”: the scheme sets its inputs itself, and some indicators are covered by a ' +
        '“?”. Click each to choose 0 or 1, then “Check”: right answers get a green frame, wrong ' +
        'ones a striped one. “Next question” asks a new one; the score is kept while the mode is on.',
      '“Truth table” shows every row of the scheme and marks those reached; while a question is ' +
        'not checked its outputs are hidden. “Save CSV” writes it to a file.',
      '“Start over” returns the scheme to its initial state.',
      'The page address keeps the scheme and the presses: copy it to show others this state.',
    ],
  },
};
