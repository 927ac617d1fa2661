#include "app/windows/guidewindow.h"

#include <QEvent>
#include <QKeySequence>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/panel/panelactions.h"
#include "app/windows/sideplacement.h"
#include "app/windows/sidewindow.h"

namespace kvir {
namespace {

constexpr QSize kStartSize(600, 560);

// A key as the context menu shows it, in the current language.
QString Key(const QKeySequence& keys) {
  return keys.toString(QKeySequence::NativeText);
}

QString Keys(std::initializer_list<QKeySequence> keys) {
  QStringList names;
  for (const QKeySequence& key : keys) names << Key(key);
  return names.join(QStringLiteral(", "));
}

QString KeyOf(PanelAction action) {
  return Key(ShortcutOf(RowOf(action)));
}

QString NameOf(PanelAction action) {
  return TextOf(RowOf(action));
}

QString Heading(const QString& text) {
  return QStringLiteral("<h3>%1</h3>").arg(text.toHtmlEscaped());
}

QString Paragraph(const QString& text) {
  return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
}

QString Row(const QString& keys, const QString& what) {
  return QStringLiteral("<tr><td width=\"35%\"><b>%1</b></td><td>%2</td></tr>")
      .arg(keys.toHtmlEscaped(), what.toHtmlEscaped());
}

QString Table(const QString& rows) {
  return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">%1</table>").arg(rows);
}

// The tables of `html` as paragraphs, the keys in bold above what they do: in a narrow window a
// table's key column would break its words in the middle.
QString Stacked(QString html) {
  return html.replace(QStringLiteral("<tr><td width=\"35%\"><b>"), QStringLiteral("<p><b>"))
      .replace(QStringLiteral("</b></td><td>"), QStringLiteral("</b><br>"))
      .replace(QStringLiteral("</td></tr>"), QStringLiteral("</p>"))
      .remove(QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">"))
      .remove(QStringLiteral("</table>"));
}

// Narrower than this many average characters, the guide's tables become paragraphs.
constexpr int kNarrowCharacters = 50;

// The mouse and the keys on a panel: what its widgets do themselves, outside the action table.
QString PanelSection() {
  QString rows;
  rows += Row(GuideWindow::tr("Щелчок по кнопке входа"),
              GuideWindow::tr("нажимает кнопку: в шифраторе устанавливает её вход и сбрасывает "
                              "остальные, в дешифраторе инвертирует её вход"));
  rows +=
      Row(Keys({Qt::Key_Space, Qt::Key_Return}),
          GuideWindow::tr("нажимает кнопку входа, на которой фокус (в синей рамке), как щелчок"));
  rows += Row(Keys({Qt::Key_Tab, QKeySequence(Qt::SHIFT | Qt::Key_Tab)}),
              GuideWindow::tr("фокус по кругу: список схем, кнопка «%1», затем кнопки входа схемы "
                              "в порядке чтения рисунка")
                  .arg(NameOf(PanelAction::kHelp)));
  rows += Row(Keys({Qt::Key_Up, Qt::Key_Down}),
              GuideWindow::tr("фокус на ближайшую кнопку входа выше или ниже в том же столбце"));
  rows += Row(Keys({Qt::Key_Left, Qt::Key_Right}),
              GuideWindow::tr("фокус на ближайшую кнопку входа соседнего столбца"));
  rows += Row(GuideWindow::tr("Правый щелчок вне кнопок входа, %1").arg(Key(Qt::Key_Menu)),
              GuideWindow::tr("контекстное меню панели со всеми командами"));
  rows += Row(GuideWindow::tr("%1 в этом окне").arg(Key(QKeySequence::Copy)),
              GuideWindow::tr("копирует выделенный текст (в главном окне — рисунок панели)"));
  rows += Row(Key(Qt::Key_Escape), GuideWindow::tr("закрывает это окно"));
  return Heading(GuideWindow::tr("Панель схемы")) + Table(rows);
}

// Every row of the action table, in the menu's order, with its shortcut as the menu shows it.
QString CommandSection() {
  QString rows;
  for (const PanelActionRow& row : kPanelActions) {
    const QString text = TextOf(row);
    rows += Row(Key(ShortcutOf(row)),
                row.checkable ? GuideWindow::tr("%1 (включить или выключить)").arg(text) : text);
  }
  return Heading(GuideWindow::tr("Команды")) +
         Paragraph(GuideWindow::tr("Все они есть и в контекстном меню панели.")) + Table(rows);
}

QString WindowSection() {
  using enum PanelAction;
  return Heading(GuideWindow::tr("Окна")) +
         Paragraph(GuideWindow::tr("«%1» (%2): как выбрать схему и что делает нажатие кнопки. "
                                   "«%3» (%4): это окно. «%5» (%6): что делает показанная схема, "
                                   "её входы и их роли, на что смотреть, вид её таблицы "
                                   "истинности. Окна открываются рядом с рисунком схемы, не "
                                   "закрывая его; в них работают клавиши главного окна с Ctrl, "
                                   "Alt и F1…F12.")
                       .arg(NameOf(kHelp), KeyOf(kHelp), NameOf(kGuide), KeyOf(kGuide),
                            NameOf(kAboutScheme), KeyOf(kAboutScheme)));
}

QString ModeSection() {
  using enum PanelAction;
  return Heading(GuideWindow::tr("Режимы")) +
         Paragraph(GuideWindow::tr("«%1» (%2): нажатие меняет схему сразу, а панель показывает его "
                                   "по этапам, в том порядке, в каком работает схема; индикаторы "
                                   "этапа отмечены оранжевой рамкой. %3 — следующий этап сразу, "
                                   "%4 — медленнее, %5 — быстрее; «%6» (%7) останавливает этапы: "
                                   "они идут только по %3, пока %7 не нажата снова.")
                       .arg(NameOf(kStepByStep), KeyOf(kStepByStep), KeyOf(kNextStage),
                            KeyOf(kSlower), KeyOf(kFaster), NameOf(kPauseSteps),
                            KeyOf(kPauseSteps))) +
         Paragraph(GuideWindow::tr("«%1» (%2): программа задаёт случайное состояние входов и "
                                   "прячет выходы за серым «?». Щелчок по скрытому индикатору "
                                   "ставит догадку 0, следующие щелчки меняют её между 1 и 0. %3 "
                                   "проверяет догадки: верные в зелёной рамке, неверные в "
                                   "чёрно-оранжевой. %4 — следующий вопрос; «%5» (%6) прячет и "
                                   "внутренние индикаторы.")
                       .arg(NameOf(kQuiz), KeyOf(kQuiz), KeyOf(kCheckAnswers), KeyOf(kNextQuestion),
                            NameOf(kHarder), KeyOf(kHarder))) +
         Paragraph(GuideWindow::tr("Включённый режим выключает другой.")) +
         Paragraph(GuideWindow::tr("«%1» (%2): нажатые кнопки залиты цветом, отпущенные пусты, "
                                   "выбранные выходы дешифраторов в рамке, у каждого входа его "
                                   "метка. Выбор запоминается до следующих запусков.")
                       .arg(NameOf(kClearView), KeyOf(kClearView))) +
         Paragraph(GuideWindow::tr("%1, %2, %3: всё окно крупнее или мельче (100, 150, 200, 250, "
                                   "300 %) или обычного размера. «%4» (%5): самый крупный размер, "
                                   "при котором рисунок схемы виден на экране целиком, — для "
                                   "проектора.")
                       .arg(KeyOf(kZoomIn), KeyOf(kZoomOut), KeyOf(kZoomReset), NameOf(kZoomFit),
                            KeyOf(kZoomFit))) +
         Paragraph(GuideWindow::tr("«%1» (%2): окна на русском или на английском, сразу и для "
                                   "следующих запусков.")
                       .arg(NameOf(kLanguage), KeyOf(kLanguage)));
}

QString FileSection() {
  using enum PanelAction;
  return Heading(GuideWindow::tr("Файлы и печать")) +
         Paragraph(GuideWindow::tr("«%1» (%2): панель в файл PNG. Имя предлагается по номеру схемы "
                                   "и меткам нажатых кнопок (kvir-01-Y3.png); файл записывается "
                                   "целиком или не записывается вовсе.")
                       .arg(NameOf(kSavePicture), KeyOf(kSavePicture))) +
         Paragraph(
             GuideWindow::tr("«%1» (%2): панель под названием схемы на бумагу или в файл PDF.")
                 .arg(NameOf(kPrintPicture), KeyOf(kPrintPicture))) +
         Paragraph(GuideWindow::tr("«%1» (%2): панель в буфер обмена как картинка.")
                       .arg(NameOf(kCopyPicture), KeyOf(kCopyPicture))) +
         Paragraph(GuideWindow::tr("«%1» (%2) и «%3» (%4): рисунок для отчёта — только схема, без "
                                   "пустых полей, под её названием, в том виде и размере, что в "
                                   "окне; в буфер обмена или в файл PNG (kvir-01-Y3-report.png).")
                       .arg(NameOf(kCopyReport), KeyOf(kCopyReport), NameOf(kSaveReport),
                            KeyOf(kSaveReport))) +
         Paragraph(GuideWindow::tr("«%1» (%2): окно с таблицей истинности показанной схемы; в нём "
                                   "%3 копирует таблицу как текст, а «Сохранить…» записывает её в "
                                   "файл CSV.")
                       .arg(NameOf(kTruthTable), KeyOf(kTruthTable), Key(QKeySequence::Copy))) +
         Paragraph(GuideWindow::tr("«%1» (%2): окно преподавателя — банки вопросов к схемам для "
                                   "Moodle (XML, GIFT) с ключом ответов и листы заданий в PDF с "
                                   "ключом.")
                       .arg(NameOf(kTeacher), KeyOf(kTeacher)));
}

}  // namespace

GuideWindow::GuideWindow(SidePlacement& main)
    : QDialog(&main.owner()), memGuide_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("frmGuide"));
  setModal(false);
  resize(kStartSize);
  memGuide_->setObjectName(QStringLiteral("memGuide"));
  memGuide_->setOpenLinks(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(memGuide_);
  AddTextCopy(*this, [this] { memGuide_->copy(); });
  retranslate();
  side_ = new SideWindow(*this, main);
}

GuideWindow* GuideWindow::showFor(SidePlacement& main) {
  auto* guide = main.owner().findChild<GuideWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (guide == nullptr) guide = new GuideWindow(main);
  guide->side_->open();
  return guide;
}

QString GuideWindow::html(bool narrow) {
  const QString wide =
      PanelSection() + CommandSection() + WindowSection() + ModeSection() + FileSection();
  return narrow ? Stacked(wide) : wide;
}

bool GuideWindow::narrow() const {
  return memGuide_->viewport()->width() < kNarrowCharacters * fontMetrics().averageCharWidth();
}

void GuideWindow::retranslate() {
  setWindowTitle(tr("KVIR - Руководство"));
  narrow_ = narrow();
  memGuide_->setHtml(html(narrow_));
}

void GuideWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (narrow() != narrow_) retranslate();
}

void GuideWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

}  // namespace kvir
