#pragma once
// Helpers for the program's Qt tests: a shown main window and the test class that starts each
// test function with one, the user's ways into the scheme list, the scheme on screen, and what
// the screen must show, worked out from the model's cells with Qt's own PNG decoder.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QObject>
#include <QPainter>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "app/panel/panelactions.h"
#include "app/panel/schemepanel.h"
#include "app/prefs/language.h"
#include "app/shell/mainwindow.h"
#include "render/loaders.h"
#include "render/resources.h"

namespace kvir::apptest {

inline constexpr QRect kSchemeArea(0, 23, 820, 665);

inline QString TwoDigits(int n) {
  return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

/// The main window over its own schemes, shown and exposed, scheme 1 selected.
struct ShownMainWindow {
  explicit ShownMainWindow(Tfrm00::InitProc init = InitSchemes) : window(set, pictures, init) {
    window.show();
    exposed = QTest::qWaitForWindowExposed(&window);
  }
  /// Makes the window the active one, as a click on it would; true once it is.
  bool activate() {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
  }
  /// Scheme n's panel, made now if it was not yet.
  SchemePanel* panel(int n) { return window.panel(n); }
  /// The scheme list.
  QComboBox* list() const { return window.findChild<QComboBox*>(QStringLiteral("cbxSelect")); }
  /// Selects scheme n through the list, as a user choosing its item would.
  void choose(int n) {
    QComboBox* schemes = list();
    schemes->setCurrentIndex(n - 1);
    emit schemes->activated(n - 1);
  }
  /// The window's action of that row of kPanelActions.
  QAction* action(PanelAction action) const {
    auto* menu = window.findChild<QMenu*>(QStringLiteral("panelMenu"));
    for (size_t i = 0; i < kPanelActions.size(); ++i) {
      if (kPanelActions[i].action == action) return menu->actions().at(qsizetype(i));
    }
    return nullptr;
  }
  /// The scheme whose panel is shown in the main window: 0 for none, -1 for more than one.
  int placedScheme() const {
    int placed = 0;
    for (int n = 1; n <= kSchemeCount; ++n) {
      const auto* p = window.findChild<SchemePanel*>(QStringLiteral("pnl") + TwoDigits(n));
      if (p == nullptr || p->parentWidget() != &window || !p->isVisible()) continue;
      placed = placed == 0 ? n : -1;
    }
    return placed;
  }

  /// What scheme n's panel paints.
  const PanelPictures& shown(int n) const { return pictures.pictures(n); }

  SchemeSet set;
  PanelPictureSet pictures{set};
  Tfrm00 window;
  bool exposed = false;
};

/// Base of a test class whose test functions start with the main window shown: init() makes a
/// fresh ShownMainWindow and checks that it is exposed, cleanup() destroys it, and shown() is it
/// in between. The test functions named to the constructor make a window of their own, or need
/// none, and get none from here. A derived class's own cleanup() calls this one first, so that
/// the window goes before anything else is undone, as it went at the end of the test function.
class MainWindowTest : public QObject {
  Q_OBJECT

 public:
  explicit MainWindowTest(QStringList ownWindow = {}) : ownWindow_(std::move(ownWindow)) {}

 protected:
  ShownMainWindow& shown() {
    Q_ASSERT(shown_ != nullptr);
    return *shown_;
  }

 protected slots:
  void init() {
    shown_.reset();
    for (const QString& name : ownWindow_) {
      QVERIFY2(metaObject()->indexOfSlot(qPrintable(name + QStringLiteral("()"))) >= 0,
               qPrintable(QStringLiteral("no test function ") + name));
    }
    if (ownWindow_.contains(QLatin1String(QTest::currentTestFunction()))) return;
    shown_ = std::make_unique<ShownMainWindow>();
    QVERIFY(shown_->exposed);
  }
  void cleanup() { shown_.reset(); }

 private:
  QStringList ownWindow_;
  std::unique_ptr<ShownMainWindow> shown_;
};

/// Scheme n's title as the list shows it in Russian.
inline QString Title(int n) {
  const std::string_view title = kSchemeTable[n - 1].def->title;
  return QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
}

/// Opens the list and clicks item `index` in it.
inline void ChooseWithMouse(QComboBox* list, int index) {
  list->showPopup();
  QAbstractItemView* view = list->view();
  QVERIFY(QTest::qWaitForWindowExposed(view->window()));
  const QModelIndex item = view->model()->index(index, 0);
  view->scrollTo(item);
  // The list may take a click that comes just after it opened for the end of the click that
  // opened it, and ignore it: click until it closes.
  const QPoint at = view->visualRect(item).center();
  QVERIFY(QTest::qWaitFor([&] {
    if (view->isVisible()) QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    return !view->isVisible();
  }));
}

/// Types `text` into `widget` key by key; QTest::keyClicks takes Latin-1 only.
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, c, {});
}

/// Closes the open menu, if any: a right click off the input buttons opens the panel's.
inline void CloseMenu() {
  if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
}

/// Switches the language, then lets the posted QEvent::LanguageChange reach every window.
inline void Switch(Language language) {
  SetLanguage(language);
  QCoreApplication::processEvents();
}

#ifdef KVIR_CLI
/// What `kvir-cli ARGS…` prints; empty when it fails.
inline QByteArray RunCli(const QStringList& arguments) {
  QProcess cli;
  cli.start(QStringLiteral(KVIR_CLI), arguments);
  if (!cli.waitForFinished(30000) || cli.exitCode() != 0) return {};
  return cli.readAllStandardOutput();
}

/// The PNG file `kvir-cli render N ARGUMENTS… -o FILE` writes; empty when it fails.
inline QByteArray CliRenderPng(int n, const QStringList& arguments) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("render.png"));
  RunCli(QStringList{QStringLiteral("render"), QString::number(n)} + arguments +
         QStringList{QStringLiteral("-o"), file});
  QFile png(file);
  return png.open(QIODevice::ReadOnly) ? png.readAll() : QByteArray();
}

/// `kvir-cli render N ARGUMENTS…` decoded; null when the tool failed.
inline QImage CliRenderImage(int n, const QStringList& arguments) {
  return QImage::fromData(CliRenderPng(n, arguments), "PNG").convertToFormat(QImage::Format_RGB32);
}
#endif

/// Every indicator's cell, in stacking order.
inline std::vector<int32_t> Cells(const Scheme& scheme) {
  std::vector<int32_t> cells;
  for (const Indicator& ind : scheme.indicators()) cells.push_back(ind.Tag);
  return cells;
}

/// The cells of scheme n right after it has been selected, from a model of its own.
inline std::vector<int32_t> SelectedCells(int n) {
  SchemeSet set;
  HeadlessHost host;
  kSchemeTable[n - 1].build(set.scheme(n));
  SelectScheme(set, host, static_cast<uint8_t>(n));
  return Cells(set.scheme(n));
}

/// The embedded picture `name`, decoded by Qt.
inline QImage ResourceImage(std::string_view name) {
  const Resource* resource = FindResource(name);
  if (resource == nullptr) return {};
  return QImage::fromData(resource->bytes.data(), static_cast<int>(resource->bytes.size()), "PNG");
}

/// The 820 × 665 scheme area as it must look for the scheme's current cells.
inline QImage ExpectedPanel(const Scheme& scheme) {
  QImage image(kSchemeArea.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const PictureRect place = StyledPictureRect(scheme.def(), {});
  painter.drawImage(place.left, place.top, ResourceImage(SchemePictureName(scheme.number())));
  for (const Indicator& ind : scheme.indicators()) {
    const std::string name = ind.is_button ? ButtonPictureName(ind.Tag) : BitPictureName(ind.Tag);
    painter.drawImage(ind.left, ind.top, ResourceImage(name));
  }
  return image;
}

/// The scheme area of the main window as it is painted now.
inline QImage ShownSchemeArea(QWidget& window) {
  return window.grab(kSchemeArea).toImage().convertToFormat(QImage::Format_RGB32);
}

/// Counts the presses of a scheme while it lives: each press redraws every input button once.
class PressCounter : public AttachedObserver {
 public:
  explicit PressCounter(Scheme& scheme)
      : AttachedObserver(scheme), first_button_(&scheme.indicators()[scheme.buttons.front()]) {}
  void OnDraw(const Indicator& ind) override {
    presses += &ind == first_button_ ? 1 : 0;
    AttachedObserver::OnDraw(ind);
  }

  int presses = 0;

 private:
  const Indicator* first_button_;
};

// The next message box to come up: its icon and text. The box is closed. Watching stops when the
// object goes.
struct MessageSeen : QObject {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString text;
  QString details;  ///< the informative text under it
};

inline void CloseNextMessageBox(MessageSeen& seen) {
  QTimer::singleShot(10, &seen, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return CloseNextMessageBox(seen);
    seen.icon = box->icon();
    seen.text = box->text();
    seen.details = box->informativeText();
    box->accept();
  });
}

}  // namespace kvir::apptest
