#pragma once
// The truth-table window: the shown scheme's table as a student reads it, following the presses.

#include <QRect>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "circuit/schemes.h"
#include "core/language.h"
#include "learning/truth_table_view.h"

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

namespace kvir {

class ShownScheme;
class SidePlacement;
class TruthTableModel;

/// frmTruthTable, "Таблица истинности": a non-modal window of the main window showing the title
/// and the truth table of the scheme shown there (StudentView). It highlights the row of the
/// current state and keeps it in view, marks the rows reached since the scheme was selected and
/// counts them; a switch hides the rows in which the enables switch the circuit off. Ctrl+C
/// copies the table as tab-separated text, "Сохранить…" writes it as CSV (SavedCsvStyle). A line
/// parts the inputs from the outputs. While a question of "Проверь себя" is open, the outputs of
/// its row read "?" in the window, the copy and the file, and every row is shown.
class TruthTableWindow : public QWidget {
  Q_OBJECT

 public:
  /// The window beside `main`, a child of its owner, showing the table of the scheme `shown`;
  /// hidden until open(). Both must outlive it.
  TruthTableWindow(SidePlacement& main, const ShownScheme& shown);
  ~TruthTableWindow() override;

  /// Shows the window, beside the main window the first time; raises it when already shown.
  void open();
  /// The whole table, header row first, fields separated by `separator`: ',' gives the CSV of
  /// `kvir-cli table N --csv`, but for the outputs of an open question's row. Empty while no
  /// scheme is shown.
  std::string tableText(char separator) const;
  /// Writes the CSV to `path` through the program's file writer, ".csv" added to a name without
  /// an extension, as the save dialog adds it; a name with another extension is refused. On
  /// failure says so in a message box and returns false, leaving no partial file.
  bool save(const QString& path);
  /// Whether a question of "Проверь себя" is open (asked and not checked) on the shown scheme:
  /// every row's outputs are concealed, and the current row follows the question.
  void setQuestionOpen(bool open);

 public slots:
  void copyTable();
  void saveAs();

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void createWidgets();
  void retranslate();
  /// "Таблица не сохранена." in a message box, with `reason` under it.
  void reportFailure(const QString& reason);
  void followSelection();
  void followPress();
  /// Shows the main window's scheme afresh: its table, the rows reached, the current row.
  void refresh();
  void hideSwitchedOff(bool hide);
  /// Hides the switched-off rows as the student chose, unless a question is open.
  void applyHiding();
  void showCurrent();
  /// Scrolls the current row into view, if it is shown.
  void revealCurrent();
  void showCount();
  void takeFirstSize();
  int wantedWidth() const;
  void growToTable();
  void fitRowsToFont();
  const TruthTableView* viewOf(int n);

  QWidget& main_;
  const ShownScheme& shown_;
  TruthTableModel* model_ = nullptr;
  QLabel* lblTitle_ = nullptr;
  QTableView* tblTruth_ = nullptr;
  QLabel* lblCount_ = nullptr;
  QCheckBox* chkHideOff_ = nullptr;
  QPushButton* btnSave_ = nullptr;
  QAction* actCopy_ = nullptr;
  std::array<std::unique_ptr<TruthTableView>, kSchemeCount> views_;  ///< made when first shown
  int scheme_ = 0;        ///< the scheme shown, 0 for none
  bool stale_ = true;     ///< the main window changed while this one was hidden
  bool sized_ = false;    ///< given its first size, before it was first shown
  bool hideOff_ = false;  ///< the student's choice to hide the switched-off rows
  bool questionOpen_ = false;
  Language viewsLanguage_ = Language::kRussian;  ///< the language of the headers in views_
};

}  // namespace kvir
