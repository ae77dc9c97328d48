#include "ui/ResultsListView.h"

#include "ui/ResultsModel.h"
#include "ui/ScreenTwips.h"

#include <QHeaderView>
#include <QMouseEvent>

ResultsListView::ResultsListView(QWidget *parent)
    : QTreeView(parent)
    , m_model(new ResultsModel(this))
{
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    // Columns take their computed widths however small the window gets.
    header()->setMinimumSectionSize(0);
    keepSelectionVisibleWithoutFocus();
}

void ResultsListView::clearItems()
{
    m_model->clearRows();
}

void ResultsListView::addItem(const QString &text, const QString &subItem1,
                              const QString &subItem2, const QString &subItem3,
                              const QString &subItem4)
{
    m_model->appendRow({text, subItem1, subItem2, subItem3, subItem4});
}

void ResultsListView::replaceItems(ResultRows rows)
{
    m_model->replaceRows(std::move(rows));
}

int ResultsListView::itemCount() const
{
    return m_model->rowCount();
}

const ResultRow &ResultsListView::item(int index) const
{
    return m_model->row(index);
}

void ResultsListView::clearColumns()
{
    m_model->clearColumns();
}

void ResultsListView::addColumn(const QString &caption, double widthTwips)
{
    m_model->appendColumn(caption);
    setColumnWidthTwips(m_model->columnCount() - 1, widthTwips);
}

int ResultsListView::columnCount() const
{
    return m_model->columnCount();
}

QString ResultsListView::columnCaption(int position) const
{
    return m_model->headerData(position, Qt::Horizontal).toString();
}

void ResultsListView::setColumnWidthTwips(int position, double widthTwips)
{
    header()->resizeSection(position, screenTwipsScale(*this).toPixelsX(widthTwips));
}

std::optional<ResultRow> ResultsListView::selectedItem() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return m_model->row(rows.constFirst().row());
}

void ResultsListView::mousePressEvent(QMouseEvent *event)
{
    QTreeView::mousePressEvent(event);
    m_leftPressed = event->button() == Qt::LeftButton;
}

void ResultsListView::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeView::mouseReleaseEvent(event);
    const bool click = m_leftPressed && event->button() == Qt::LeftButton
        && viewport()->rect().contains(event->position().toPoint());
    m_leftPressed = false;
    if (click)
        Q_EMIT listClicked();
}

void ResultsListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is not a new click.
    QTreeView::mouseDoubleClickEvent(event);
    m_leftPressed = false;
}

void ResultsListView::keepSelectionVisibleWithoutFocus()
{
    QPalette p = palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
    setPalette(p);
}
