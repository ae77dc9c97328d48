#include "ui/ResultsListView.h"

#include "ui/ResultsModel.h"
#include "ui/ScreenTwips.h"

#include <QHeaderView>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

ResultsListView::ResultsListView(QWidget *parent)
    : QTableView(parent)
    , m_model(new ResultsModel(this))
{
    setModel(m_model);
    setSortingEnabled(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the list for the next control instead of walking its cells.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(0);

    QHeaderView *columns = horizontalHeader();
    // Shown by start-up once the list is set up.
    columns->hide();
    columns->setStretchLastSection(false);
    columns->setSectionsMovable(false);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    // Columns take their computed widths however small the window gets.
    columns->setMinimumSectionSize(0);

    keepSelectionVisibleWithoutFocus();
    fitRowHeightToFont();
}

void ResultsListView::setColumnWidthTwips(int position, double widthTwips)
{
    horizontalHeader()->resizeSection(position,
                                      screenTwipsScale(*this).toPixelsX(widthTwips));
}

std::optional<ResultRow> ResultsListView::selectedItem() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return m_model->row(rows.constFirst().row());
}

// Home and End go to the first and last row, as in any list, not to the
// first and last cell of the current row.
QModelIndex ResultsListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action == MoveHome || action == MoveEnd)
        modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(action, modifiers);
}

void ResultsListView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitRowHeightToFont();
}

void ResultsListView::mousePressEvent(QMouseEvent *event)
{
    QTableView::mousePressEvent(event);
    m_leftPressed = event->button() == Qt::LeftButton;
}

void ResultsListView::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    const bool click = m_leftPressed && event->button() == Qt::LeftButton
        && viewport()->rect().contains(event->position().toPoint());
    m_leftPressed = false;
    if (click)
        Q_EMIT listClicked();
}

void ResultsListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is not a new click.
    QTableView::mouseDoubleClickEvent(event);
    m_leftPressed = false;
}

void ResultsListView::keepSelectionVisibleWithoutFocus()
{
    QPalette p = palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
    setPalette(p);
}

// One text line as the item delegate lays it out, as a tree of the same
// font would give each row, not the taller default of a table's header.
void ResultsListView::fitRowHeightToFont()
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = u"Xg"_s;
    const QSize hint = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this);
    verticalHeader()->setDefaultSectionSize(hint.height());
}
