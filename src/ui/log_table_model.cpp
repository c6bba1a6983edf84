#include "ui/log_table_model.h"

namespace pennant {

const std::vector<LogGridRow> LogTableModel::kNoRows;

void LogTableModel::setRows(const std::vector<LogGridRow>& rows) {
    beginResetModel();
    rows_ = &rows;
    endResetModel();
}

int LogTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : recordCount() + 1;
}

int LogTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kLogColumns;
}

Qt::Alignment LogTableModel::alignment(int column) {
    switch (static_cast<LogColumn>(column)) {
        case LogColumn::Bet:
        case LogColumn::Terms:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case LogColumn::Date:
        case LogColumn::Results:
            return Qt::AlignLeft | Qt::AlignVCenter;
        default:
            return Qt::AlignRight | Qt::AlignVCenter;
    }
}

QVariant LogTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    bool record = index.row() < recordCount();
    switch (role) {
        case Qt::DisplayRole:
            return record ? text(index) : QString();
        // A long name may not fit the RESULTS column: the whole cell on hover.
        case Qt::ToolTipRole:
            return record && index.column() == static_cast<int>(LogColumn::Results) ? QVariant(text(index))
                                                                                    : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignment(index.column()));
        default:
            return {};
    }
}

QString LogTableModel::text(const QModelIndex& index) const {
    const LogGridRow& row = (*rows_)[static_cast<std::size_t>(index.row())];
    return QString::fromStdString(row.cells[static_cast<std::size_t>(index.column())]);
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kLogColumns) return {};
    if (role == Qt::DisplayRole) return QString::fromLatin1(kLogHeadings[static_cast<std::size_t>(section)]);
    // Centred; "TOTAL STAKED" takes two lines in its narrow column.
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
    return {};
}

Qt::ItemFlags LogTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace pennant
