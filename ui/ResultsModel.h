#pragma once

#include "search/DeviceFilter.h"

#include <QAbstractTableModel>
#include <QStringList>

// The rows and column captions behind the results list. A row keeps all
// five texts whatever columns exist, so re-creating the columns never loses
// a row's content.
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

    void clearRows();
    void appendRow(ResultRow row);
    // All rows at once, announced as one reset rather than one per row.
    void replaceRows(ResultRows rows);
    void clearColumns();
    void appendColumn(const QString &caption);

private:
    ResultRows m_rows;
    QStringList m_captions;
};
