#pragma once

#include "search/DeviceFilter.h"

#include <QTableView>

#include <optional>

class ResultsModel;

// The report-style results list: the five result columns under a header,
// whole-row single selection, no editing, no grid. Items are a main text
// with four sub-items.
//
// A table view rather than a tree: with a screen reader walking the cells,
// Qt's tree keeps an accessible object for every cell ever read, across
// refreshes, while the table lets them go when its rows are replaced.
class ResultsListView : public QTableView
{
    Q_OBJECT

public:
    explicit ResultsListView(QWidget *parent = nullptr);

    // The rows shown, which a refresh replaces.
    ResultsModel &rows() { return *m_model; }

    void setColumnWidthTwips(int position, double widthTwips);

    std::optional<ResultRow> selectedItem() const;

Q_SIGNALS:
    // A left click anywhere in the list's item area, on a row or beside the
    // rows. Keyboard moves of the selection do not notify.
    void listClicked();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void keepSelectionVisibleWithoutFocus();
    void fitRowHeightToFont();

    ResultsModel *m_model;
    bool m_leftPressed = false;
};
