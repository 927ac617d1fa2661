#include "app/shell/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <exception>

#include "app/modes/learningmodes.h"
#include "app/modes/quizmode.h"
#include "app/modes/stepmode.h"
#include "app/panel/keyboard.h"
#include "app/panel/panelactions.h"
#include "app/panel/schemepanel.h"
#include "app/prefs/language.h"
#include "app/prefs/settings.h"
#include "app/prefs/zoom.h"
#include "app/shell/firstpaint.h"
#include "app/shell/listkeys.h"
#include "app/shell/mainplacement.h"
#include "app/shell/screenfit.h"
#include "app/shell/sidewindows.h"
#include "app/shell/timingoffer.h"
#include "app/shell/window_layout.h"
#include "app/windows/aboutwindow.h"
#include "app/windows/helpwindow.h"
#include "app/windows/panelexport.h"
#include "app/windows/teacherdialog.h"
#include "circuit/scheme_texts.h"
#include "io/error_texts.h"
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
    : QWidget(parent, kMainFlags),
      schemes_(schemes),
      pictureSet_(pictures),
      init_(init),
      placement_(new MainPlacement(*this)),
      fit_(new ScreenFit(*this)) {
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
  showing_ = new ShownScheme(schemes_, *session_, this);
  connect(showing_, &ShownScheme::selected, this, &Tfrm00::schemeSelected);
  connect(showing_, &ShownScheme::pressed, this, &Tfrm00::pressShown);
  createSelector();
  createSchemeWindows();
  createTimingButton();
  createActions();
  retranslate();
}

Tfrm00::~Tfrm00() {
  delete modes_;
  // The fitting watches this window's events, which QWidget's destructor still sends (the close
  // as it hides) when this object is a Tfrm00 no more.
  delete fit_;
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
  actions_->bind(PanelAction::kGuide, [this] { side_->showGuide(); });
  actions_->bind(PanelAction::kTruthTable, [this] { showTruthTable(); });
  actions_->bind(PanelAction::kAboutScheme, [this] { side_->about()->showBeside(); });
  pictures_ = new PanelExport(this, [this] { return session_->overlay(); });
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
  connect(modes_, &LearningModes::stepLineToggled, fit_, &ScreenFit::fit);
  connect(&modes_->quiz(), &QuizMode::changed, fit_, &ScreenFit::followQuiz);
  side_ = new SideWindows(*placement_, *showing_, modes_->quiz());
  new ListKeys(*cbxSelect_, *actions_->action(PanelAction::kCopyPicture), modes_->quiz());
}

void Tfrm00::startLearningMode(SessionMode mode) {
  modes_->start(mode);
}

Scheme* Tfrm00::shownSchemeModel() const {
  return shownScheme() == 0 ? nullptr : &panels_[shownScheme() - 1]->scheme();
}

void Tfrm00::withShownScheme(const std::function<void(PanelPictures&)>& run) {
  if (shownSchemeModel() != nullptr) run(pictureSet_.pictures(shownScheme()));
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
    reportModelFailure(QString::fromStdString(ErrorMessage(error, CurrentLanguage())));
  }
  for (SchemePanel* panel : panels_) {
    if (panel != nullptr) panel->setZoom(zoom_);
  }
  modes_->restyle();
  // Once the window has been repainted at its new size, the pixels of a larger zoom are free.
  QTimer::singleShot(0, this, [] { GiveBackFreedMemory(); });
}

void Tfrm00::setZoom(int percent) {
  fit_->forgetFitWanted();
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
  fit_->fit();
  emit zoomChanged(zoom_);
}

void Tfrm00::zoomToFit() {
  fit_->zoomToFit();
}

QRect Tfrm00::drawingOnScreen() const {
  return fit_->drawingOnScreen();
}

void Tfrm00::ReturnScheme(int n) {
  SchemePanel* panel = panels_.at(n - 1);
  if (shownScheme() == n) setShown(0);
  if (panel == nullptr || panel->parentWidget() == schemeWindows_[n - 1]) return;
  panel->setParent(schemeWindows_[n - 1]);
  panel->move(0, 0);
}

void Tfrm00::PrepareScheme(int n) {
  pictureSet_.LoadSchemePicture(n);
}

void Tfrm00::ShowScheme(int n) {
  panel(n)->showModel();
  fit_->placePanel(n);
  setShown(n);
  fit_->showDrawing();
}

void Tfrm00::setShown(int n) {
  showing_->setNumber(n);
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
      reportModelFailure(QString::fromStdString(ErrorMessage(error, CurrentLanguage())));
    }
  }
  QWidget::showEvent(event);
  fit_->afterShow();
}

void Tfrm00::setQuitAfterFirstPaint(bool quit) {
  if (quit && firstPaint_ == nullptr && !failed_) firstPaint_ = new FirstPaintExit(*this);
}

bool Tfrm00::focusNextPrevChild(bool next) {
  QList<QWidget*> chain = {cbxSelect_, btnHelp_, btnTiming_};
  for (SchemePanel* panel : panels_) {
    if (panel != nullptr && panel->parentWidget() == fit_->panelHost() && panel->isVisible()) {
      chain += panel->tabOrder();
    }
  }
  QWidget* target = NextInChain(chain, focusWidget(), next);
  if (target == nullptr) return QWidget::focusNextPrevChild(next);
  target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
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
    reportModelFailure(QString::fromStdString(ErrorMessage(error, CurrentLanguage())));
  }
}

void Tfrm00::restartReached() {
  showing_->restart();
}

void Tfrm00::recordPress() {
  session_->RecordPress();
  showing_->record();
}

void Tfrm00::showTruthTable() {
  side_->showTruthTable();
}

QString Tfrm00::schemeTitle(int n) {
  return ListTitle(n);
}

TfrmHelp* Tfrm00::helpWindow() {
  return side_->help();
}

AboutWindow* Tfrm00::aboutWindow() {
  return side_->about();
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
    error = ErrorMessage(thrown, CurrentLanguage());
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
  if (firstPaint_ != nullptr) firstPaint_->cancel();
  QMetaObject::invokeMethod(
      this,
      [this, message] {
        QMessageBox::critical(this, windowTitle(), message);
        QCoreApplication::exit(1);
      },
      Qt::QueuedConnection);
}

}  // namespace kvir
