#pragma once

#include "search/DeviceFilter.h"

#include <QAbstractTableModel>

// The rows behind the results list, under the five fixed result columns.
// A refresh replaces all rows at once; the columns never change, so a
// resize only sets their widths.
class ResultsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ResultsModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    const ResultRow &row(int index) const { return m_rows.at(index); }

    // All rows at once, announced as one reset rather than one per row.
    void replaceRows(ResultRows rows);
    // No rows; an empty list stays as it is, unannounced.
    void clearRows();

private:
    ResultRows m_rows;
};
