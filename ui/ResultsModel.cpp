#include "ui/ResultsModel.h"

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
    return parent.isValid() ? 0 : int(m_captions.size());
}

namespace {

const QString &cellText(const ResultRow &row, int column)
{
    static const QString none;
    switch (column) {
    case 0: return row.Vendor;
    case 1: return row.Model;
    case 2: return row.Type;
    case 3: return row.VendorID;
    case 4: return row.ModelID;
    default: return none;
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
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole
        || section < 0 || section >= m_captions.size())
        return {};
    return m_captions.at(section);
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Never editable: a row's texts stay exactly what the program put there.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ResultsModel::clearRows()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void ResultsModel::appendRow(ResultRow row)
{
    const int at = int(m_rows.size());
    beginInsertRows(QModelIndex(), at, at);
    m_rows.append(std::move(row));
    endInsertRows();
}

void ResultsModel::replaceRows(ResultRows rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void ResultsModel::clearColumns()
{
    if (m_captions.isEmpty())
        return;
    beginRemoveColumns(QModelIndex(), 0, int(m_captions.size()) - 1);
    m_captions.clear();
    endRemoveColumns();
}

void ResultsModel::appendColumn(const QString &caption)
{
    const int at = int(m_captions.size());
    beginInsertColumns(QModelIndex(), at, at);
    m_captions.append(caption);
    endInsertColumns();
}
