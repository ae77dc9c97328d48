#pragma once

#include "search/DeviceFilter.h"

#include <QTreeView>

#include <optional>

class ResultsModel;

// The report-style results list: column headers, whole-row single
// selection, no editing. Items are a main text with four sub-items.
class ResultsListView : public QTreeView
{
    Q_OBJECT

public:
    explicit ResultsListView(QWidget *parent = nullptr);

    void clearItems();
    void addItem(const QString &text, const QString &subItem1, const QString &subItem2,
                 const QString &subItem3, const QString &subItem4);
    // Empties the list and adds every row, in order, as one reset of the view.
    void replaceItems(ResultRows rows);
    int itemCount() const;
    const ResultRow &item(int index) const;

    void clearColumns();
    void addColumn(const QString &caption, double widthTwips);
    int columnCount() const;
    QString columnCaption(int position) const;
    void setColumnWidthTwips(int position, double widthTwips);

    std::optional<ResultRow> selectedItem() const;

Q_SIGNALS:
    // A left click anywhere in the list's item area, on a row or beside the
    // rows. Keyboard moves of the selection do not notify.
    void listClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void keepSelectionVisibleWithoutFocus();

    ResultsModel *m_model;
    bool m_leftPressed = false;
};
