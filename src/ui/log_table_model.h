// Grid1's contents: model row r-1 shows record r, the last row is the empty
// row under the last bet, and the headings are the horizontal header. The
// rows stay where the core built them and become Qt text only when a cell
// is drawn, so a long log opens fast.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "log/log_grid.h"

namespace pennant {

class LogTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows these record rows, which must live as long as they are shown.
    void setRows(const std::vector<LogGridRow>& rows);
    // Shows no record rows (only the empty row).
    void clear() { setRows(kNoRows); }
    const std::vector<LogGridRow>& rows() const { return *rows_; }
    int recordCount() const { return static_cast<int>(rows_->size()); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    static Qt::Alignment alignment(int column);

private:
    QString text(const QModelIndex& index) const;  // a record row's cell

    static const std::vector<LogGridRow> kNoRows;
    const std::vector<LogGridRow>* rows_ = &kNoRows;
};

}  // namespace pennant
