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
    about: 'О схеме',
    table: 'Таблица истинности',
    help: 'Помощь',
    panel: 'Схема: ',
    ignored: 'Пропущено в ссылке: ',
    failed: 'Модель не запустилась: ',
    modeUnavailable: 'режим пока не поддерживается',
    tooMany: 'слишком много нажатий',
    unknownButton: 'нет такой кнопки',
    unknownParameter: 'неизвестный параметр',
    badValue: 'неверное значение',
    saveCsv: 'Сохранить CSV',
    reachedCount: (reached, rows) => `пройдено ${reached} из ${rows}`,
    helpText: [
      'Выберите схему в списке вверху. Над каждой кнопкой, линией, выводом микросхемы и выходом ' +
        'горит индикатор 0 или 1.',
      'В шифраторах нажатие кнопки устанавливает её вход и сбрасывает остальные; в дешифраторах ' +
        'нажатие инвертирует вход.',
      'Нажимайте кнопки мышью или пальцем. С клавиатуры: Tab и Shift+Tab — от кнопки к кнопке, ' +
        'стрелки — к соседней кнопке, Пробел или Enter — нажать.',
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
    about: 'About the scheme',
    table: 'Truth table',
    help: 'Help',
    panel: 'Scheme: ',
    ignored: 'Ignored in the link: ',
    failed: 'The model did not start: ',
    modeUnavailable: 'mode not supported yet',
    tooMany: 'too many presses',
    unknownButton: 'no such button',
    unknownParameter: 'unknown parameter',
    badValue: 'bad value',
    saveCsv: 'Save CSV',
    reachedCount: (reached, rows) => `reached ${reached} of ${rows}`,
    helpText: [
      'Choose a scheme in the list at the top. Every button, line, chip pin and output shows a ' +
        '0 or 1 indicator.',
      'In the encoders a press sets its input and resets the others; in the decoders a press ' +
        'inverts its input.',
      'Press the buttons with the mouse or a finger. With the keyboard: Tab and Shift+Tab go from ' +
        'button to button, the arrows to the neighbouring button, Space or Enter press it.',
      'The page address keeps the scheme and the presses: copy it to show others this state.',
    ],
  },
};
