#include "app/shell/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <exception>

#include "app/modes/learningmodes.h"
#include "app/modes/quizmode.h"
#include "app/modes/stepmode.h"
#include "app/panel/keyboard.h"
#include "app/panel/panelactions.h"
#include "app/panel/panelpainter.h"
#include "app/panel/schemepanel.h"
#include "app/shell/language.h"
#include "app/shell/settings.h"
#include "app/shell/timingoffer.h"
#include "app/shell/window_layout.h"
#include "app/shell/zoom.h"
#include "app/windows/aboutwindow.h"
#include "app/windows/guidewindow.h"
#include "app/windows/helpwindow.h"
#include "app/windows/panelexport.h"
#include "app/windows/teacherdialog.h"
#include "app/windows/truthtablewindow.h"
#include "circuit/scheme_texts.h"
#include "render/handout.h"
#include "render/picture_style.h"
#include "render/pixel_allocator.h"
#include "timing/timing.h"

namespace kvir {
namespace {

// The place of the timing button at 100 %, and the font's size.
constexpr QRect kTimingButtonPlace(10, 10, 75, 25);
constexpr qreal kFontPoints = 8;

constexpr Qt::WindowFlags kMainFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                       Qt::WindowCloseButtonHint;

QString TwoDigits(int n) {
  return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// The list's title of scheme n in the program's current language.
QString ListTitle(int n) {
  const std::string_view title = SchemeTitle(n, CurrentLanguage());
  return QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
}

// A white panel that stays empty: the background of the scheme area.
QWidget* CreateSchemeBackground(QWidget* parent) {
  auto* pnl00 = new QWidget(parent);
  pnl00->setObjectName(QStringLiteral("pnl00"));
  pnl00->setGeometry(0, kPanelTop, kPanelWidth, kPanelHeight);
  pnl00->setAutoFillBackground(true);
  return pnl00;
}

}  // namespace

Tfrm00::Tfrm00(SchemeSet& schemes, PanelPictureSet& pictures, InitProc init, QWidget* parent)
    : QWidget(parent, kMainFlags), schemes_(schemes), pictureSet_(pictures), init_(init) {
  setObjectName(QStringLiteral("frm00"));
  setWindowTitle(QStringLiteral("KVIR v1.0"));
  setFont(QFont(QStringLiteral("MS Sans Serif"), kFontPoints));
  setFixedSize(kWindowWidth, kWindowHeight);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  background_ = CreateSchemeBackground(this);
  session_ = std::make_unique<Session>(SessionGround{
      .set = schemes_,
      .host = *this,
      .pictures = [this](int n) -> PanelPictures& { return pictureSet_.pictures(n); },
      .press = [this](int n, Indicator& button) { return panel(n)->runPress(button); }});
  createSelector();
  createSchemeWindows();
  createTimingButton();
  createActions();
  retranslate();
}

Tfrm00::~Tfrm00() {
  delete modes_;
}

void Tfrm00::retranslate() {
  // Text typed into the list that names no scheme stays, as the empty scheme area does.
  const QString typed = cbxSelect_->currentText();
  const bool namesItem = typed == cbxSelect_->itemText(cbxSelect_->currentIndex());
  for (int n = 1; n <= kSchemeCount; ++n) {
    cbxSelect_->setItemText(n - 1, schemeTitle(n));
  }
  if (!namesItem) cbxSelect_->setEditText(typed);
  btnHelp_->setText(tr("Помощь"));
  actions_->retranslate();
  modes_->retranslate(CurrentLanguage());
}

void Tfrm00::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  if (event->type() == QEvent::ActivationChange) refitToFrame();
  QWidget::changeEvent(event);
}

void Tfrm00::createSelector() {
  cbxSelect_ = new QComboBox(this);
  cbxSelect_->setObjectName(QStringLiteral("cbxSelect"));
  cbxSelect_->setGeometry(PlaceStrip(kPlainZoom, kWindowWidth).list);
  // As setEditable(true) does, but without building the drop-down list's popup before it is
  // first opened: a noticeable part of start-up.
  auto* typing = new QLineEdit(cbxSelect_);
  typing->setPalette(cbxSelect_->palette());
  cbxSelect_->setLineEdit(typing);
  cbxSelect_->setInsertPolicy(QComboBox::NoInsert);
  cbxSelect_->setCompleter(nullptr);
  cbxSelect_->setMaxVisibleItems(kSchemeCount);
  for (int n = 1; n <= kSchemeCount; ++n) cbxSelect_->addItem(schemeTitle(n));
  cbxSelect_->setCurrentIndex(0);
  connect(cbxSelect_, &QComboBox::activated, this, &Tfrm00::cbxSelectActivated);
  connect(cbxSelect_->lineEdit(), &QLineEdit::textEdited, this, &Tfrm00::cbxSelectEdited);
  cbxSelect_->installEventFilter(this);
  cbxSelect_->lineEdit()->installEventFilter(this);

  btnHelp_ = new QPushButton(this);
  btnHelp_->setObjectName(QStringLiteral("btnHelp"));
  btnHelp_->setGeometry(PlaceStrip(kPlainZoom, kWindowWidth).help);
  connect(btnHelp_, &QPushButton::clicked, this, &Tfrm00::btnHelpClick);
}

// Each scheme window is a hidden child that holds its panel while the panel is not shown. Scheme
// 1's panel is made now, as it is shown first; the others when first wanted: their 789 views are
// a noticeable part of start-up, and a session may never show most of them.
void Tfrm00::createSchemeWindows() {
  for (int n = 1; n <= kSchemeCount; ++n) {
    auto* window = new QWidget(this);
    window->setObjectName(QStringLiteral("frm") + TwoDigits(n));
    window->hide();
    schemeWindows_[n - 1] = window;
  }
  makePanel(1);
}

SchemePanel* Tfrm00::panel(int n) {
  SchemePanel* made = panels_.at(n - 1);
  return made != nullptr ? made : makePanel(n);
}

SchemePanel* Tfrm00::makePanel(int n) {
  auto* panel =
      new SchemePanel(pictureSet_.pictures(n), kSchemeTable[n - 1].press, schemeWindows_[n - 1]);
  connect(panel, &SchemePanel::modelFailed, this, &Tfrm00::reportModelFailure);
  connect(panel, &SchemePanel::pressShown, this, &Tfrm00::recordPress);
  panels_[n - 1] = panel;
  if (zoom_ != kPlainZoom) panel->setZoom(zoom_);
  if (actions_ != nullptr) actions_->attach(panel);
  if (modes_ != nullptr) modes_->adopt(*panel);
  return panel;
}

void Tfrm00::createTimingButton() {
  btnTiming_ = new QPushButton(QStringLiteral("Timing"), panels_[0]);
  btnTiming_->setObjectName(QStringLiteral("btnTiming"));
  btnTiming_->setGeometry(kTimingButtonPlace);
  btnTiming_->hide();
  connect(btnTiming_, &QPushButton::clicked, this, &Tfrm00::btnTimingClick);
}

void Tfrm00::createActions() {
  actions_ = new PanelActions(this);
  actions_->bind(PanelAction::kHelp, [this] { btnHelpClick(); });
  actions_->bind(PanelAction::kGuide, [this] { TfrmGuide::showFor(*this); });
  actions_->bind(PanelAction::kTruthTable, [this] { showTruthTable(); });
  actions_->bind(PanelAction::kAboutScheme, [this] { aboutWindow()->showBeside(); });
  pictures_ = new PanelExport(this);
  actions_->bind(PanelAction::kCopyPicture, [this] {
    withShownScheme([this](const PanelPictures& panel) { pictures_->copy(panel); });
  });
  actions_->bind(PanelAction::kSavePicture, [this] {
    withShownScheme([this](const PanelPictures& panel) { pictures_->save(panel); });
  });
  actions_->bind(PanelAction::kCopyReport, [this] {
    withShownScheme([this](const PanelPictures& panel) { pictures_->copyReport(panel); });
  });
  actions_->bind(PanelAction::kSaveReport, [this] {
    withShownScheme([this](const PanelPictures& panel) { pictures_->saveReport(panel); });
  });
  actions_->bind(PanelAction::kPrintPicture, [this] {
    withShownScheme([this](PanelPictures& panel) { pictures_->print(panel); });
  });
  actions_->bind(PanelAction::kLanguage, [] {
    SwitchLanguage(CurrentLanguage() == Language::kEnglish ? Language::kRussian
                                                           : Language::kEnglish);
  });
  actions_->bindSwitch(PanelAction::kClearView, [this](bool on) {
    setClearView(on);
    RememberClearView(on);
  });
  actions_->bind(PanelAction::kZoomIn, [this] { setZoom(StepZoom(zoom_, 1)); });
  actions_->bind(PanelAction::kZoomOut, [this] { setZoom(StepZoom(zoom_, -1)); });
  actions_->bind(PanelAction::kZoomReset, [this] { setZoom(kPlainZoom); });
  actions_->bind(PanelAction::kZoomFit, [this] { zoomToFit(); });
  actions_->bind(PanelAction::kTeacher, [this] { TeacherDialog(this).exec(); });
  actions_->attach(panels_[0]);
  modes_ = new LearningModes(*session_, *actions_, panels_, this);
  connect(modes_, &LearningModes::modelFailed, this, &Tfrm00::reportModelFailure);
  connect(modes_, &LearningModes::stepLineToggled, this, [this] { fitToScreen(); });
}

void Tfrm00::startLearningMode(LearningMode mode) {
  modes_->start(mode);
}

Scheme* Tfrm00::shownSchemeModel() const {
  return shown_ == 0 ? nullptr : &panels_[shown_ - 1]->scheme();
}

void Tfrm00::withShownScheme(const std::function<void(PanelPictures&)>& run) {
  if (shownSchemeModel() != nullptr) run(pictureSet_.pictures(shown_));
}

void Tfrm00::setClearView(bool on) {
  QAction* toggle = actions_->action(PanelAction::kClearView);
  {
    const QSignalBlocker quiet(toggle);
    toggle->setChecked(on);
  }
  if (on == clearView_) return;
  clearView_ = on;
  applyStyle();
}

// The pictures of the style and zoom asked for: the panels keep the window's zoom, their
// pictures may be drawn at a higher one for the screen.
void Tfrm00::applyStyle() {
  if (failed_) return;
  try {
    pictureSet_.Restyle({.clear = clearView_, .zoom = PictureZoom(zoom_, devicePixelRatioF())});
  } catch (const std::exception& error) {
    reportModelFailure(QString::fromUtf8(error.what()));
  }
  for (SchemePanel* panel : panels_) {
    if (panel != nullptr) panel->setZoom(zoom_);
  }
  modes_->restyle();
  // Once the window has been repainted at its new size, the pixels of a larger zoom are free.
  QTimer::singleShot(0, this, [] { GiveBackFreedMemory(); });
}

void Tfrm00::setZoom(int percent) {
  fitWanted_ = false;
  applyZoom(percent);
}

void Tfrm00::applyZoom(int percent) {
  if (percent == zoom_ || !IsZoomLevel(percent)) return;
  zoom_ = percent;
  QFont font = this->font();
  font.setPointSizeF(kFontPoints * zoom_ / kPlainZoom);
  setFont(font);
  btnTiming_->setGeometry(Zoomed(kTimingButtonPlace, zoom_));
  applyStyle();
  fitToScreen();
  emit zoomChanged(zoom_);
}

// Until the window is shown with its frame, the fit is only noted: the scheme, the screen and the
// frame it depends on are not known before.
void Tfrm00::zoomToFit() {
  fitWanted_ = true;
  const QScreen* desktop = screen();
  if (desktop == nullptr || !isVisible()) return;
  const QSize available = desktop->availableGeometry().size().shrunkBy(FrameMargins(*this));
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  applyZoom(FitZoom([this](int level) { return drawingAt(level).size(); }, available, scrollBar));
  showDrawing();
  if (!FrameMargins(*this).isNull()) fitWanted_ = false;
}

// The shown scheme's drawing without the panel's empty margins, on its panel at `zoom`; the whole
// panel while no scheme is shown.
QRect Tfrm00::drawingAt(int zoom) const {
  if (shown_ == 0) return QRect(0, 0, PanelWidth(zoom), PanelHeight(zoom));
  const PictureStyle style{.clear = clearView_, .zoom = zoom};
  return ToQRect(CropRect(StyledPictureRect(*kSchemeTable[shown_ - 1].def, style), zoom));
}

QRect Tfrm00::drawingOnScreen() const {
  if (shown_ == 0) {
    return QRect(mapToGlobal(QPoint(0, panelTop())), size() - QSize(0, panelTop()));
  }
  const SchemePanel* panel = panels_[shown_ - 1];
  QRect drawing(panel->mapToGlobal(drawingAt(zoom_).topLeft()), drawingAt(zoom_).size());
  if (scrollArea_ != nullptr && scrollArea_->isVisible()) {
    const QWidget* view = scrollArea_->viewport();
    drawing &= QRect(view->mapToGlobal(QPoint(0, 0)), view->size());
  }
  return drawing;
}

// Where the scheme area scrolls, its drawing is brought into view: centred where it fits, else
// from its top left corner.
void Tfrm00::showDrawing() {
  if (shown_ == 0 || scrollArea_ == nullptr || scrollArea_->isHidden()) return;
  const QRect drawing = drawingAt(zoom_);
  const QSize view = scrollArea_->viewport()->size();
  const auto start = [](int from, int length, int room) {
    return length <= room ? from + (length - room) / 2 : from;
  };
  scrollArea_->horizontalScrollBar()->setValue(
      start(drawing.left(), drawing.width(), view.width()));
  scrollArea_->verticalScrollBar()->setValue(start(drawing.top(), drawing.height(), view.height()));
}

int Tfrm00::panelTop() const {
  return Scaled(kPanelTop, zoom_);
}

QWidget* Tfrm00::panelHost() {
  if (scrollArea_ != nullptr && !scrollArea_->isHidden()) return scrollArea_->widget();
  return this;
}

// The window at the size of its zoom where the screen has room for it, else as large as the
// screen allows with the scheme area scrolling; moved as little as it takes to stay on the screen.
void Tfrm00::fitToScreen() {
  QLabel* stepLine = modes_ != nullptr ? modes_->step().line() : nullptr;  // under the panel
  const int lineHeight = stepLine != nullptr ? Scaled(kStepLineHeight, zoom_) : 0;
  const QSize wanted(PanelWidth(zoom_), panelTop() + PanelHeight(zoom_) + lineHeight);
  const QScreen* desktop = screen();
  const QRect available = desktop != nullptr ? desktop->availableGeometry() : QRect();
  const QSize frame = frameGeometry().size() - geometry().size();
  const WindowFit fit = zoom_ == kPlainZoom || available.isEmpty()
                            ? WindowFit{wanted, false}
                            : FitWindow(wanted, available.size() - frame);
  const QSize area = fit.size - QSize(0, panelTop() + lineHeight);
  background_->setGeometry(QRect(QPoint(0, panelTop()), area));
  useScrollArea(fit.scrolls, QRect(QPoint(0, panelTop()), area));
  if (stepLine != nullptr)
    stepLine->setGeometry(0, panelTop() + area.height(), area.width(), lineHeight);
  setFixedSize(fit.size);
  const StripPlaces strip = PlaceStrip(zoom_, fit.size.width());
  cbxSelect_->setGeometry(strip.list);
  btnHelp_->setGeometry(strip.help);
  fittedFrame_ = FrameMargins(*this);
  if (!available.isEmpty() && zoom_ != kPlainZoom) {
    move(KeptOnScreen(frameGeometry(), available).topLeft());
  }
  showDrawing();
}

void Tfrm00::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  refitToFrame();
}

// A window manager frames the window only once it is up, and Qt hears of the frame without an
// event of its own: for ten seconds after the window is shown, it is looked for (a busy window
// manager was seen to take more than three).
void Tfrm00::watchForFrame() {
  constexpr int kLooks = 100;
  constexpr int kEvery = 100;  // milliseconds
  auto* look = new QTimer(this);
  look->setInterval(kEvery);
  connect(look, &QTimer::timeout, this, [this, look, left = kLooks]() mutable {
    refitToFrame();
    if (FrameMargins(*this).isNull() && --left > 0) return;
    look->stop();
    look->deleteLater();
  });
  look->start();
}

// The first move or activation after the frame has come, or a look for it, fits the window again
// to the screen less the frame it then has.
void Tfrm00::refitToFrame() {
  if ((zoom_ == kPlainZoom && !fitWanted_) || FrameMargins(*this) == fittedFrame_) return;
  QTimer::singleShot(0, this, [this] {
    if (fitWanted_) {
      zoomToFit();
    } else if (FrameMargins(*this) != fittedFrame_) {
      fitToScreen();
    }
  });
}

// The scrolling scheme area is made the first time the window does not fit, and hidden while it
// does: the shown panel moves between it and the window.
void Tfrm00::useScrollArea(bool scrolls, const QRect& area) {
  if (scrolls && scrollArea_ == nullptr) {
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName(QStringLiteral("schemeArea"));
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidget(new QWidget);
    scrollArea_->widget()->setAutoFillBackground(true);
    // The keyboard's focus brings its input button into view.
    connect(qApp, &QApplication::focusChanged, scrollArea_, [this](QWidget*, QWidget* now) {
      if (now != nullptr && scrollArea_->isVisible() && scrollArea_->widget()->isAncestorOf(now)) {
        scrollArea_->ensureWidgetVisible(now);
      }
    });
  }
  SchemePanel* shown = shown_ == 0 ? nullptr : panels_[shown_ - 1];
  if (scrollArea_ == nullptr) {
    if (shown != nullptr) shown->move(0, panelTop());
    return;
  }
  scrollArea_->setGeometry(area);
  scrollArea_->widget()->resize(PanelWidth(zoom_), PanelHeight(zoom_));
  scrollArea_->setVisible(scrolls);
  if (shown != nullptr) {
    const int n = shown_;
    placeShownPanel(n);
  }
}

void Tfrm00::ReturnScheme(int n) {
  SchemePanel* panel = panels_.at(n - 1);
  if (shown_ == n) setShown(0);
  if (panel == nullptr || panel->parentWidget() == schemeWindows_[n - 1]) return;
  panel->setParent(schemeWindows_[n - 1]);
  panel->move(0, 0);
}

void Tfrm00::PrepareScheme(int n) {
  pictureSet_.LoadSchemePicture(n);
}

void Tfrm00::ShowScheme(int n) {
  panel(n)->showModel();
  if (zoom_ == kPlainZoom) {
    placePanelAt(n, this, QPoint(0, kPanelTop));
  } else {
    placeShownPanel(n);
  }
  setShown(n);
  showDrawing();
}

// A zoomed window places the panel under its list, or in its scrolling scheme area.
void Tfrm00::placeShownPanel(int n) {
  QWidget* host = panelHost();
  placePanelAt(n, host, QPoint(0, host == this ? panelTop() : 0));
}

void Tfrm00::placePanelAt(int n, QWidget* host, const QPoint& at) {
  SchemePanel* panel = panels_.at(n - 1);
  panel->setParent(host);
  panel->move(at);
  panel->raise();
  panel->show();
}

void Tfrm00::setShown(int n) {
  shown_ = n;
  if (frmAbout_ != nullptr) frmAbout_->setScheme(n);
}

void Tfrm00::showEvent(QShowEvent* event) {
  if (!initialized_) {
    initialized_ = true;
    if (QScreen* desktop = screen()) {
      setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                      desktop->availableGeometry()));
    }
    // On a screen of more device pixels per pixel the pictures are drawn at a higher zoom.
    if (PictureZoom(zoom_, devicePixelRatioF()) != pictureSet_.style().zoom) applyStyle();
    try {
      init_(schemes_, session_->host());
      restartReached();
      btnTiming_->setVisible(TimingBenchmarkOffered(QCoreApplication::applicationDirPath()));
    } catch (const std::exception& error) {
      reportModelFailure(QString::fromUtf8(error.what()));
    }
  }
  QWidget::showEvent(event);
  if (fitWanted_) zoomToFit();
  if (zoom_ != kPlainZoom || fitWanted_) watchForFrame();
}

void Tfrm00::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!quitAfterFirstPaint_ || painted_ || failed_) return;
  painted_ = true;
  // Queued, so that it runs once this paint pass has finished and reached the screen.
  QMetaObject::invokeMethod(
      qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

bool Tfrm00::focusNextPrevChild(bool next) {
  QList<QWidget*> chain = {cbxSelect_, btnHelp_, btnTiming_};
  for (SchemePanel* panel : panels_) {
    if (panel != nullptr && panel->parentWidget() == panelHost() && panel->isVisible()) {
      chain += panel->tabOrder();
    }
  }
  QWidget* target = NextInChain(chain, focusWidget(), next);
  if (target == nullptr) return QWidget::focusNextPrevChild(next);
  target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

// The list's text field takes Ctrl+C for its own text before any shortcut sees it; in this
// window Ctrl+C copies the picture, there too.
bool Tfrm00::eventFilter(QObject* watched, QEvent* event) {
  const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
  // Enter in the list, after choosing a scheme there, belongs to the list: it must not check the
  // question just asked on the new scheme. Once the student has guessed a lamp, it checks.
  if (event->type() == QEvent::ShortcutOverride && modes_ != nullptr &&
      modes_->quiz().questionUntouched()) {
    const int pressed = static_cast<QKeyEvent*>(event)->key();
    if (pressed == Qt::Key_Return || pressed == Qt::Key_Enter) {
      event->accept();
      return true;
    }
  }
  if (!key || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    return QWidget::eventFilter(watched, event);
  }
  if (event->type() == QEvent::KeyPress) actions_->action(PanelAction::kCopyPicture)->trigger();
  event->accept();
  return true;
}

void Tfrm00::cbxSelectActivated(int index) {
  select(index + 1);
}

// Typed text that names an item selects that item; any other text empties the scheme area.
void Tfrm00::cbxSelectEdited(const QString& text) {
  const int index = cbxSelect_->findText(text);
  if (index >= 0 && index != cbxSelect_->currentIndex()) {
    const QSignalBlocker quiet(cbxSelect_);
    cbxSelect_->setCurrentIndex(index);
  }
  select(index + 1);
}

void Tfrm00::select(int n) {
  if (failed_) return;
  try {
    session_->Select(n);
    restartReached();
  } catch (const std::exception& error) {
    reportModelFailure(QString::fromUtf8(error.what()));
  }
}

void Tfrm00::restartReached() {
  emit schemeSelected();
}

void Tfrm00::recordPress() {
  if (shown_ == 0) return;
  session_->RecordPress();
  emit pressShown();
}

void Tfrm00::showTruthTable() {
  if (frmTruthTable_ == nullptr) {
    frmTruthTable_ = new TfrmTruthTable(*this);
    // The table must not give away the answer of an open question.
    const QuizMode& quiz = modes_->quiz();
    frmTruthTable_->setQuestionOpen(quiz.questionOpen());
    connect(&quiz, &QuizMode::changed, frmTruthTable_,
            [this, &quiz] { frmTruthTable_->setQuestionOpen(quiz.questionOpen()); });
  }
  frmTruthTable_->open();
}

QString Tfrm00::schemeTitle(int n) {
  return ListTitle(n);
}

// The two windows are made when first wanted: most sessions never open them, and their texts'
// layout is a noticeable part of start-up.
TfrmHelp* Tfrm00::helpWindow() {
  if (frmHelp_ == nullptr) frmHelp_ = new TfrmHelp(*this);
  return frmHelp_;
}

TfrmAbout* Tfrm00::aboutWindow() {
  if (frmAbout_ == nullptr) {
    frmAbout_ = new TfrmAbout(*this);
    frmAbout_->setScheme(shown_);
  }
  return frmAbout_;
}

void Tfrm00::btnHelpClick() {
  helpWindow()->exec();
}

void Tfrm00::btnTimingClick() {
  if (!timingHook_) return;
  modes_->beforeModelChange();
  std::string error;
  try {
    error = timingHook_();
  } catch (const std::exception& thrown) {
    error = thrown.what();
  }
  for (SchemePanel* panel : panels_) {
    if (panel != nullptr) panel->showModel();
  }
  recordPress();  // the run leaves the schemes it times in their selection state
  modes_->afterModelChange();
  if (error.empty()) {
    QMessageBox::information(
        this, windowTitle(),
        QString::fromLatin1(kTimingCompleteText.data(),
                            static_cast<qsizetype>(kTimingCompleteText.size())));
  } else {
    QMessageBox::critical(this, windowTitle(), QString::fromStdString(error));
  }
}

// The model is broken (a damaged picture): say why, then end the program with exit code 1.
// Queued, so that it also works before the event loop has started.
void Tfrm00::reportModelFailure(const QString& message) {
  if (failed_) return;
  failed_ = true;
  QMetaObject::invokeMethod(
      this,
      [this, message] {
        QMessageBox::critical(this, windowTitle(), message);
        QCoreApplication::exit(1);
      },
      Qt::QueuedConnection);
}

}  // namespace kvir
