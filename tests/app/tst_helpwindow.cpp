// The help window: its text, its place beside the main window's drawing, how it closes, and that it
// is modal.

#define QTEST_QPA_MOUSE_HANDLING  // mouse events go through the window system, as a user's do
#include <QAbstractItemView>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <functional>

#include "app/windows/helpwindow.h"
#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

enum class Closing { kOkButton, kCloseBox, kEscape };

const QStringList kHelpLines = {
    "Выбор схемы осуществляется в раскрывающемся ",
    "списке, расположенном слева от кнопки \"Помощь\".",
    "",
    "В схемах с шифраторами в результате однократного ",
    "нажатия кнопки устанавливается бит входа, ",
    "соответствующего нажатой кнопке, и сбрасывает ",
    "все остальные биты входов в начальное значение.",
    "",
    "В схемах с дешифраторами нажатие кнопки ",
    "производит инверсию бита входа, соответствующего ",
    "нажатой кнопке. ",
};

TfrmHelp* HelpWindow(ShownMainWindow& shown) {
  return shown.window.helpWindow();
}

// Clicks btnHelp; `whileOpen` runs once the help window is up and must close it.
void OpenHelp(ShownMainWindow& shown, const std::function<void(TfrmHelp*)>& whileOpen) {
  TfrmHelp* help = HelpWindow(shown);
  QTimer::singleShot(0, help, [help, whileOpen] {
    if (QTest::qWaitForWindowExposed(help)) whileOpen(help);
    if (help->isVisible()) help->reject();
  });
  QTest::mouseClick(shown.window.findChild<QPushButton*>(QStringLiteral("btnHelp")),
                    Qt::LeftButton);
}

QString ToString(const QRect& r) {
  return QStringLiteral("%1,%2 %3×%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

class TestHelpWindow : public MainWindowTest {
  Q_OBJECT

 private slots:
  void textIsTheElevenLines();
  void everyLineShowsWhole();
  void besideTheDrawingAtEveryShowing();
  void mainWindowTakesNoInputWhileOpen();
  void closes_data();
  void closes();
};

void TestHelpWindow::textIsTheElevenLines() {
  auto* memo = HelpWindow(shown())->findChild<QPlainTextEdit*>(QStringLiteral("memHelp"));
  QCOMPARE(memo->toPlainText().split(QLatin1Char('\n')), kHelpLines);
  QVERIFY(memo->isReadOnly());
  QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

// Whatever font stands in for the requested one: one row per line, all rows inside the memo.
void TestHelpWindow::everyLineShowsWhole() {
  QStringList cut;
  OpenHelp(shown(), [&cut](TfrmHelp* help) {
    auto* memo = help->findChild<QPlainTextEdit*>(QStringLiteral("memHelp"));
    QTextCursor cursor(memo->document());
    for (QTextBlock line = memo->document()->begin(); line.isValid(); line = line.next()) {
      cursor.setPosition(line.position());
      const QRect start = memo->cursorRect(cursor);
      cursor.setPosition(line.position() + line.length() - 1);
      const QRect end = memo->cursorRect(cursor);
      if (start.top() != end.top() || end.bottom() >= memo->viewport()->height()) {
        cut << line.text();
      }
    }
  });
  QCOMPARE(cut, QStringList());
}

// Shown twice, with the main window moved in between: beside its drawing both times, never over
// it, and on the screen.
void TestHelpWindow::besideTheDrawingAtEveryShowing() {
  QList<QRect> places;
  QStringList over;
  const QRect screen = shown().window.screen()->availableGeometry();
  const auto record = [this, &places, &over, screen](TfrmHelp* help) {
    places << help->frameGeometry();
    if (!screen.contains(help->frameGeometry())) over << ToString(help->frameGeometry());
    const QRect drawing = shown().window.drawingOnScreen();
    if (help->frameGeometry().intersects(drawing)) {
      over << QStringLiteral("%1 over %2").arg(ToString(help->frameGeometry()), ToString(drawing));
    }
  };
  OpenHelp(shown(), record);
  shown().window.move(shown().window.pos() + QPoint(-37, 21));
  OpenHelp(shown(), record);
  QCOMPARE(places.size(), 2);
  QCOMPARE(over, QStringList());
}

void TestHelpWindow::mainWindowTakesNoInputWhileOpen() {
  Scheme& scheme = shown().set.scheme(1);
  PressCounter counter(scheme);
  QComboBox* list = shown().list();
  bool wasModal = false;
  OpenHelp(shown(), [&](TfrmHelp* help) {
    wasModal = QApplication::activeModalWidget() == help;
    QTest::mouseClick(shown().panel(1)->findChild<QWidget*>(QStringLiteral("IN05")),
                      Qt::LeftButton);
    QTest::mouseClick(list, Qt::LeftButton);
  });
  QVERIFY(wasModal);
  QCOMPARE(counter.presses, 0);
  QVERIFY(!list->view()->isVisible());
  QCOMPARE(shown().placedScheme(), 1);
}

void TestHelpWindow::closes_data() {
  QTest::addColumn<Closing>("closing");
  QTest::newRow("OK button") << Closing::kOkButton;
  QTest::newRow("close box") << Closing::kCloseBox;
  QTest::newRow("Escape key") << Closing::kEscape;
}

void TestHelpWindow::closes() {
  QFETCH(Closing, closing);
  bool closed = false;
  OpenHelp(shown(), [&](TfrmHelp* help) {
    switch (closing) {
      case Closing::kOkButton:
        QTest::mouseClick(help->findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
        break;
      case Closing::kCloseBox:
        help->close();
        break;
      case Closing::kEscape:
        QTest::keyClick(help, Qt::Key_Escape);
        break;
    }
    closed = !help->isVisible();
  });
  QVERIFY(closed);
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
