#pragma once
// The rows of the truth-table window: a student's view of one scheme's table, with the row of the
// current state and the rows reached since the scheme was selected.

#include <QAbstractTableModel>
#include <vector>

#include "learning/truth_table_view.h"

namespace kvir {

/// Shows a TruthTableView: one column per view column, headed by its header (the indicator's
/// name under kNameRole); one row per shown row of the view, all of them or those the enables do
/// not switch off. The current row is highlighted, the reached rows are tinted and ticked in the
/// vertical header; while the outputs are concealed every output cell reads "?".
class TruthTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  /// Roles that answer true or false for any cell of a row (kDividerRole of a column, also in
  /// the header: whether it is the first output, parted from the inputs by a line), and the
  /// indicator's name of a column in the header.
  enum Role { kCurrentRole = Qt::UserRole, kReachedRole, kDividerRole, kNameRole };

  using QAbstractTableModel::QAbstractTableModel;

  /// Shows `view` (null for none; it must outlive its showing) with the rows marked in `reached`.
  void setTable(const TruthTableView* view, std::vector<bool> reached);
  /// Hides the switched-off rows of the tables that can hide them (CanHideSwitchedOff), or
  /// shows them again.
  void hideSwitchedOff(bool hide);
  /// Highlights the view's row `row` (-1: none) and marks it reached.
  void setCurrent(int row);
  /// Shows the output cells, or "?" in each of them while a question is open.
  void setOutputs(TableOutputs outputs);
  TableOutputs outputs() const { return outputs_; }

  /// The shown row of the view's row `row`, or -1 when it is hidden or there is none.
  int shownRowOf(int row) const;
  int reachedShown() const;
  int hiddenCount() const;
  int currentRow() const { return current_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  void emitRowChanged(int row);

  const TruthTableView* view_ = nullptr;
  std::vector<bool> reached_;  ///< per row of the view
  std::vector<int> shown_;     ///< the view's rows shown, in order
  bool hide_ = false;
  int current_ = -1;
  TableOutputs outputs_ = TableOutputs::kShown;
};

}  // namespace kvir
