#include "ui/Form1.h"

#include "ui/DesignLayout.h"
#include "ui/LinkLabel.h"
#include "ui/ResizeLayout.h"
#include "ui/ResultsListView.h"
#include "ui/ResultsModel.h"
#include "ui/ScreenTwips.h"
#include "ui/SortedComboBox.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QWindow>

namespace {

TwipsRect withWidth(TwipsRect rect, int width)
{
    rect.width = width;
    return rect;
}

std::array<double, 5> baseColumnWidths()
{
    std::array<double, 5> widths{};
    for (int i = 0; i < DesignLayout::ColumnCount; ++i)
        widths.at(i) = DesignLayout::Columns.at(i).baseWidth;
    return widths;
}

} // namespace

void Form1::setUpResultsList()
{
    ListView1->rows().clearRows();
    setColumns(baseColumnWidths());
    ListView1->horizontalHeader()->show();
}

// The five columns always exist; a pass sets their widths in place, which
// keeps the rows and the selection.
void Form1::setColumns(const std::array<double, 5> &widthsTwips)
{
    for (int i = 0; i < DesignLayout::ColumnCount; ++i)
        ListView1->setColumnWidthTwips(i, widthsTwips.at(i));
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

// The frame comes after the first showing, so the first pass saw the
// client size alone: an X window manager frames the window before it maps
// it; Wayland's client-side decorations come with the first configure and
// send the window's contents no event at all. Both are in place by the
// window's first expose: when the outer size is then no longer what the
// last pass measured, the pass runs again.
void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Installing the same filter again keeps just one.
    if (QWindow *window = windowHandle())
        window->installEventFilter(this);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose
        && frameGeometry().size() != m_outerSizeLastPass)
        Form_Resize();
    return QWidget::eventFilter(watched, event);
}

// Restoring a minimised window need not change its size, yet the pass
// skipped while minimised has to run again.
void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void Form1::Form_Resize() noexcept
{
    // A minimised window reports no usable size.
    if (isMinimized())
        return;
    const TwipsScale scale = screenTwipsScale(*this);
    const QRect outer = frameGeometry();
    m_outerSizeLastPass = outer.size();
    const ResizeGeometry g = resizeLayout(float(scale.toTwipsX(outer.width())),
                                          float(scale.toTwipsY(outer.height())));

    setGeometryTwips(*ComboVendor, withWidth(DesignLayout::ComboVendor, g.inputWidth));
    setGeometryTwips(*TextModel, withWidth(DesignLayout::TextModel, g.inputWidth));
    setGeometryTwips(*ComboType, withWidth(DesignLayout::ComboType, g.inputWidth));
    setGeometryTwips(*TextVendorID, withWidth(DesignLayout::TextVendorID, g.inputWidth));
    setGeometryTwips(*TextModelID, withWidth(DesignLayout::TextModelID, g.inputWidth));
    setGeometryTwips(*LabelUrl, withWidth(DesignLayout::LabelUrl, g.inputWidth));
    TwipsRect list = withWidth(DesignLayout::ListView1, g.listWidth);
    list.height = g.listHeight;
    setGeometryTwips(*ListView1, list);
    TwipsRect clear = DesignLayout::CommandClear;
    clear.left = g.clearLeft;
    setGeometryTwips(*CommandClear, clear);
    setColumns(g.columnWidths);
}
