#include "ui/ResultsModel.h"

#include "ui/DesignLayout.h"

ResultsModel::ResultsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int ResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : DesignLayout::ColumnCount;
}

namespace {

const QString &cellText(const ResultRow &row, int column)
{
    switch (column) {
    case 0: return row.Vendor;
    case 1: return row.Model;
    case 2: return row.Type;
    case 3: return row.VendorID;
    default: return row.ModelID;
    }
}

} // namespace

QVariant ResultsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    return cellText(m_rows.at(index.row()), index.column());
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= DesignLayout::ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return DesignLayout::columnCaption(section);
    // Captions start at the left edge, as the cells below them do.
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Never editable: a row's texts stay exactly what the program put there.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ResultsModel::replaceRows(ResultRows rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void ResultsModel::clearRows()
{
    if (!m_rows.isEmpty())
        replaceRows({});
}
