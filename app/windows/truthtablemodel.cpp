#include "app/windows/truthtablemodel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <algorithm>

#include "learning/reached_rows.h"

namespace kvir {
namespace {

const QColor kCurrentColour(255, 214, 64);   // amber: where the student is now
const QColor kReachedColour(204, 236, 204);  // pale green: where the student has been
const QString kReachedMark = QStringLiteral("\u2713");

}  // namespace

void TruthTableModel::setTable(const TruthTableView* view, std::vector<bool> reached) {
  beginResetModel();
  view_ = view;
  reached_ = std::move(reached);
  reached_.resize(view ? view->rows.size() : 0, false);
  shown_ = view ? ShownRows(*view, hide_ && CanHideSwitchedOff(*view)) : std::vector<int>();
  current_ = -1;
  endResetModel();
}

void TruthTableModel::hideSwitchedOff(bool hide) {
  if (hide == hide_) return;
  beginResetModel();
  hide_ = hide;
  shown_ = view_ ? ShownRows(*view_, hide_ && CanHideSwitchedOff(*view_)) : std::vector<int>();
  endResetModel();
}

void TruthTableModel::setCurrent(int row) {
  const int before = current_;
  current_ = row;
  if (row >= 0 && static_cast<size_t>(row) < reached_.size()) reached_[row] = true;
  emitRowChanged(before);
  emitRowChanged(row);
}

void TruthTableModel::setOutputs(TableOutputs outputs) {
  if (outputs == outputs_) return;
  outputs_ = outputs;
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void TruthTableModel::emitRowChanged(int row) {
  const int shown = shownRowOf(row);
  if (shown < 0) return;
  emit dataChanged(index(shown, 0), index(shown, columnCount() - 1));
  emit headerDataChanged(Qt::Vertical, shown, shown);
}

int TruthTableModel::shownRowOf(int row) const {
  const auto it = std::lower_bound(shown_.begin(), shown_.end(), row);
  return it != shown_.end() && *it == row ? static_cast<int>(it - shown_.begin()) : -1;
}

int TruthTableModel::reachedShown() const {
  return static_cast<int>(
      std::count_if(shown_.begin(), shown_.end(), [this](int row) { return reached_[row]; }));
}

int TruthTableModel::hiddenCount() const {
  return view_ ? static_cast<int>(view_->rows.size() - shown_.size()) : 0;
}

int TruthTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int TruthTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || !view_ ? 0 : static_cast<int>(view_->columns.size());
}

QVariant TruthTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !view_) return {};
  const int row = shown_[index.row()];
  const bool current = row == current_;
  switch (role) {
    case Qt::DisplayRole:
      if (outputs_ == TableOutputs::kConcealed &&
          static_cast<size_t>(index.column()) >= FirstOutputColumn(*view_)) {
        return QString::fromUtf8(kConcealedCell.data(), kConcealedCell.size());
      }
      return QString::number(view_->rows[row].values[index.column()]);
    case Qt::TextAlignmentRole:
      return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
      if (current) return QBrush(kCurrentColour);
      return reached_[row] ? QVariant(QBrush(kReachedColour)) : QVariant();
    case Qt::FontRole:
      if (!current) return {};
      {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
    case kCurrentRole:
      return current;
    case kReachedRole:
      return bool(reached_[row]);
    case kDividerRole:
      return static_cast<size_t>(index.column()) == FirstOutputColumn(*view_);
    default:
      return {};
  }
}

QVariant TruthTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  const bool name = role == kNameRole && orientation == Qt::Horizontal;
  if (role == kDividerRole && orientation == Qt::Horizontal && view_) {
    return static_cast<size_t>(section) == FirstOutputColumn(*view_);
  }
  if ((role != Qt::DisplayRole && !name) || !view_)
    return QAbstractTableModel::headerData(section, orientation, role);
  if (orientation == Qt::Horizontal) {
    const ViewColumn& column = view_->columns.at(section);
    return QString::fromStdString(name ? column.name : column.header);
  }
  return reached_[shown_.at(section)] ? kReachedMark : QString();
}

}  // namespace kvir
