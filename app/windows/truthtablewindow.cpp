#include "app/windows/truthtablewindow.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <span>

#include "app/prefs/language.h"
#include "app/prefs/settings.h"
#include "app/windows/shownscheme.h"
#include "app/windows/sideplacement.h"
#include "app/windows/sidewindow.h"
#include "app/windows/truthtablemodel.h"
#include "circuit/scheme_set.h"
#include "core/error.h"
#include "io/error_texts.h"
#include "io/file_name.h"
#include "io/output_file.h"
#include "learning/reached_rows.h"
#include "learning/truth_table.h"

namespace kvir {
namespace {

constexpr int kFirstHeight = 560;
constexpr int kResizeSampleRows = 8;
constexpr int kRowPadding = 6;  // every cell is one digit: the labels set the widths

// The line that parts the inputs from the outputs, inside the first output column's left edge.
void DrawDivider(QPainter* painter, const QRect& cell, const QPalette& palette) {
  painter->save();
  painter->setPen(QPen(palette.color(QPalette::WindowText), 2));
  painter->drawLine(cell.left() + 1, cell.top(), cell.left() + 1, cell.bottom());
  painter->restore();
}

class DividedCells : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    if (index.data(TruthTableModel::kDividerRole).toBool()) {
      DrawDivider(painter, option.rect, option.palette);
    }
  }
};

class DividedHeader : public QHeaderView {
 public:
  explicit DividedHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int section) const override {
    QHeaderView::paintSection(painter, rect, section);
    if (model()->headerData(section, Qt::Horizontal, TruthTableModel::kDividerRole).toBool()) {
      DrawDivider(painter, rect, palette());
    }
  }
};

}  // namespace

TruthTableWindow::TruthTableWindow(SidePlacement& main, const ShownScheme& shown)
    : QWidget(&main.owner(), Qt::Window), main_(main.owner()), shown_(shown) {
  setObjectName(QStringLiteral("frmTruthTable"));
  createWidgets();
  retranslate();
  connect(&shown, &ShownScheme::selected, this, &TruthTableWindow::followSelection);
  connect(&shown, &ShownScheme::pressed, this, &TruthTableWindow::followPress);
  new SideWindow(*this, main);
}

// The tables go before the child widgets, which may still ask the model about them.
TruthTableWindow::~TruthTableWindow() {
  model_->setTable(nullptr, {});
}

void TruthTableWindow::createWidgets() {
  lblTitle_ = new QLabel(this);
  lblTitle_->setObjectName(QStringLiteral("lblTitle"));
  lblTitle_->setWordWrap(true);

  model_ = new TruthTableModel(this);
  tblTruth_ = new QTableView(this);
  tblTruth_->setObjectName(QStringLiteral("tblTruth"));
  tblTruth_->setHorizontalHeader(new DividedHeader(tblTruth_));
  tblTruth_->setItemDelegate(new DividedCells(tblTruth_));
  tblTruth_->setModel(model_);
  tblTruth_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblTruth_->setSelectionMode(QAbstractItemView::NoSelection);
  tblTruth_->horizontalHeader()->setResizeContentsPrecision(kResizeSampleRows);
  tblTruth_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  tblTruth_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);

  lblCount_ = new QLabel(this);
  lblCount_->setObjectName(QStringLiteral("lblCount"));
  chkHideOff_ = new QCheckBox(this);
  chkHideOff_->setObjectName(QStringLiteral("chkHideOff"));
  connect(chkHideOff_, &QCheckBox::toggled, this, &TruthTableWindow::hideSwitchedOff);
  btnSave_ = new QPushButton(this);
  btnSave_->setObjectName(QStringLiteral("btnSave"));
  connect(btnSave_, &QPushButton::clicked, this, &TruthTableWindow::saveAs);

  actCopy_ = new QAction(this);
  actCopy_->setObjectName(QStringLiteral("actCopy"));
  actCopy_->setShortcut(QKeySequence::Copy);
  actCopy_->setShortcutContext(Qt::WindowShortcut);
  connect(actCopy_, &QAction::triggered, this, &TruthTableWindow::copyTable);
  addAction(actCopy_);

  // The count wraps beside the save button and the switch has a row of its own: the window can
  // be made narrow enough to go beside the drawing on a small screen.
  lblCount_->setWordWrap(true);
  auto* count = new QHBoxLayout;
  count->addWidget(lblCount_, 1);
  count->addWidget(btnSave_, 0, Qt::AlignBottom);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblTitle_);
  layout->addWidget(tblTruth_, 1);
  layout->addLayout(count);
  layout->addWidget(chkHideOff_, 0, Qt::AlignLeft);
}

void TruthTableWindow::retranslate() {
  setWindowTitle(tr("Таблица истинности"));
  chkHideOff_->setText(tr("Скрыть строки, где схема выключена"));
  btnSave_->setText(tr("Сохранить…"));
  actCopy_->setText(tr("Копировать таблицу"));
  lblTitle_->setText(scheme_ ? ListTitle(scheme_) : QString());
  showCount();
  // The headers' group words are in the language too: the tables are made again.
  if (viewsLanguage_ != CurrentLanguage()) {
    viewsLanguage_ = CurrentLanguage();
    model_->setTable(nullptr, {});
    for (std::unique_ptr<TruthTableView>& view : views_) view.reset();
    if (isVisible()) {
      refresh();
    } else {
      stale_ = true;
    }
  }
}

void TruthTableWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  if (event->type() == QEvent::FontChange) fitRowsToFont();
  QWidget::changeEvent(event);
}

void TruthTableWindow::open() {
  if (stale_) refresh();
  if (!sized_) {
    sized_ = true;
    takeFirstSize();
  }
  show();
  raise();
  activateWindow();
}

void TruthTableWindow::showEvent(QShowEvent* event) {
  if (stale_) refresh();
  QWidget::showEvent(event);
}

// The width that shows every column of the table without scrolling sideways.
int TruthTableWindow::wantedWidth() const {
  const int tableWidth = tblTruth_->verticalHeader()->sizeHint().width() +
                         tblTruth_->horizontalHeader()->length() + 2 * tblTruth_->frameWidth() +
                         tblTruth_->verticalScrollBar()->sizeHint().width();
  const QMargins margins = layout()->contentsMargins();
  return std::max(tableWidth + margins.left() + margins.right(), sizeHint().width());
}

// A wider table (another scheme) widens the window where it stands, as far as its screen allows;
// a narrower one leaves it as the student has it.
void TruthTableWindow::growToTable() {
  const int wanted = wantedWidth();
  if (!sized_ || wanted <= width()) return;
  QScreen* screen = this->screen();
  const int room = screen ? screen->availableGeometry().right() - geometry().left() + 1 : wanted;
  resize(std::max(width(), std::min(wanted, room)), height());
}

// As wide as the table wants, as high as the main window; the side window places it beside the
// main window when it shows.
void TruthTableWindow::takeFirstSize() {
  ensurePolished();
  resize(wantedWidth(), std::max(kFirstHeight, main_.height()));
}

// The rows follow the font, which follows the main window's zoom.
void TruthTableWindow::fitRowsToFont() {
  tblTruth_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
  tblTruth_->resizeColumnsToContents();
  growToTable();
}

const TruthTableView* TruthTableWindow::viewOf(int n) {
  std::unique_ptr<TruthTableView>& view = views_.at(n - 1);
  if (!view) {
    view = std::make_unique<TruthTableView>(
        StudentView(shown_.schemes().scheme(n), ComputeTruthTable(n), viewsLanguage_));
  }
  return view.get();
}

// While hidden the window only notes that it must catch up when shown again.
void TruthTableWindow::followSelection() {
  if (isVisible()) {
    refresh();
  } else {
    stale_ = true;
  }
}

void TruthTableWindow::refresh() {
  stale_ = false;
  scheme_ = shown_.number();
  const TruthTableView* view = scheme_ ? viewOf(scheme_) : nullptr;
  model_->setTable(view, view ? shown_.reached().RowsReached(*view) : std::vector<bool>());
  tblTruth_->resizeColumnsToContents();
  growToTable();
  // A scheme without enables shows the switch off and greyed; the choice waits for the next
  // scheme that has them.
  const bool offered = view && CanHideSwitchedOff(*view);
  const QSignalBlocker quiet(chkHideOff_);
  chkHideOff_->setEnabled(offered && !questionOpen_);
  chkHideOff_->setChecked(offered && hideOff_);
  btnSave_->setEnabled(view != nullptr);
  lblTitle_->setText(scheme_ ? ListTitle(scheme_) : QString());
  showCurrent();
}

void TruthTableWindow::followPress() {
  if (!isVisible()) {
    stale_ = true;
    return;
  }
  showCurrent();
}

void TruthTableWindow::hideSwitchedOff(bool hide) {
  hideOff_ = hide;
  applyHiding();
  showCurrent();
}

// While a question is open every row stays: which rows the switch would hide tells whether the
// circuit is off, a part of the answer.
void TruthTableWindow::applyHiding() {
  model_->hideSwitchedOff(hideOff_ && !questionOpen_);
  const TruthTableView* view = scheme_ ? viewOf(scheme_) : nullptr;
  chkHideOff_->setEnabled(view && CanHideSwitchedOff(*view) && !questionOpen_);
}

void TruthTableWindow::setQuestionOpen(bool open) {
  const bool changed = open != questionOpen_;
  questionOpen_ = open;
  if (!isVisible()) {
    stale_ = true;
    return;
  }
  if (changed) applyHiding();
  showCurrent();
}

void TruthTableWindow::showCurrent() {
  const TruthTableView* view = scheme_ ? viewOf(scheme_) : nullptr;
  const int current = view ? CurrentRow(*view, shown_.schemes().scheme(scheme_)) : -1;
  model_->setCurrent(current);
  model_->setOutputs(shown_.session().tableOutputs());
  const int shown = model_->shownRowOf(model_->currentRow());
  // The keyboard's place in the table follows, so that the arrow keys start from there.
  if (shown >= 0) tblTruth_->setCurrentIndex(model_->index(shown, 0));
  revealCurrent();
  showCount();
}

void TruthTableWindow::revealCurrent() {
  const int shown = model_->shownRowOf(model_->currentRow());
  if (shown >= 0) tblTruth_->scrollTo(model_->index(shown, 0), QAbstractItemView::EnsureVisible);
}

// A window manager sizes the window after it shows, and the student may make it smaller: the
// current row stays in view.
void TruthTableWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  revealCurrent();
}

void TruthTableWindow::showCount() {
  if (scheme_ == 0) {
    lblCount_->clear();
    return;
  }
  QString count = tr("пройдено %1 из %2").arg(model_->reachedShown()).arg(model_->rowCount());
  if (model_->hiddenCount() > 0) {
    count += tr(", скрыто строк, где схема выключена: %1").arg(model_->hiddenCount());
    if (model_->currentRow() >= 0 && model_->shownRowOf(model_->currentRow()) < 0) {
      count += tr("; сейчас схема выключена");
    }
  } else if (hideOff_ && questionOpen_ && chkHideOff_->isChecked()) {
    count += tr("; пока вопрос открыт, показаны все строки");
  }
  lblCount_->setText(count);
}

std::string TruthTableWindow::tableText(char separator) const {
  return scheme_ ? FormatTable(*views_.at(scheme_ - 1), separator, model_->outputs())
                 : std::string();
}

void TruthTableWindow::copyTable() {
  if (scheme_ == 0) return;
  QGuiApplication::clipboard()->setText(QString::fromStdString(tableText('\t')));
}

void TruthTableWindow::saveAs() {
  if (scheme_ == 0) return;
  const QString suggested =
      QStringLiteral("kvir-table-%1.csv").arg(scheme_, 2, 10, QLatin1Char('0'));
  QFileDialog dialog(this, tr("Сохранить таблицу истинности"),
                     QDir(SaveFolder()).filePath(suggested), tr("Таблицы CSV (*.csv)"));
  dialog.setObjectName(QStringLiteral("saveDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QString::fromUtf8(kCsvSuffixes[0].substr(1)));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  if (save(dialog.selectedFiles().front())) RememberSaveFolder(dialog.selectedFiles().front());
}

bool TruthTableWindow::save(const QString& named) {
  std::string path;
  try {
    path = SaveFileName(QFile::encodeName(named).toStdString(), kCsvSuffixes);
  } catch (const Error&) {
    reportFailure(tr("Таблица не сохранена в файл «%1»: таблицы сохраняются в формате CSV, "
                     "с расширением .csv.")
                      .arg(named));
    return false;
  }
  const std::string csv = scheme_ ? SavedCsv(*views_.at(scheme_ - 1),
                                             SavedCsvStyle(CurrentLanguage()), model_->outputs())
                                  : std::string();
  const FileStatus status = WriteOutputFile(path, std::string_view(csv));
  if (status.ok()) return true;
  reportFailure(QString::fromStdString(FileStatusMessage(status, CurrentLanguage())));
  return false;
}

void TruthTableWindow::reportFailure(const QString& reason) {
  QMessageBox box(QMessageBox::Critical, windowTitle(), tr("Таблица не сохранена."),
                  QMessageBox::Ok, this);
  box.setInformativeText(reason);
  box.exec();
}

}  // namespace kvir
