// The layout pass on the real window: first showing, resizing, minimising,
// and sizes below what the layout allows. Runs on the offscreen platform,
// and on xcb under a window manager (VELMORRA_TEST_WM=1), which frames the
// window after it is shown and applies every resize asynchronously.
#include "tests/widgets/FormDriver.h"
#include "ui/DesignLayout.h"
#include "ui/Form1.h"
#include "ui/LinkLabel.h"
#include "ui/ResultsListView.h"
#include "ui/SortedComboBox.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

class TestFormResize : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstPassOnShow();
    void largerWindow();
    void columnsKeepRowsAndSelection();
    void minimisedSkipsPass();
    void tooSmallClampsAtZero();
    void fixedControlsNeverMove();

private:
    static bool underWindowManager();
    bool framed() const;
    // Sets the window's outer size in pixels.
    void resizeOuter(int width, int height);
    bool at96Dpi() const;
    QList<int> columnWidths() const;

    std::unique_ptr<Form1> m_form;
};

bool TestFormResize::underWindowManager()
{
    return qEnvironmentVariableIntValue("VELMORRA_TEST_WM") == 1;
}

bool TestFormResize::framed() const
{
    return m_form->frameGeometry().width() > m_form->width()
        && m_form->frameGeometry().height() > m_form->height();
}

void TestFormResize::init()
{
    m_form = FormDriver::openProgramWindow();
    QVERIFY(m_form);
    // The window manager's frame arrives after the window is shown; until
    // then the outer size is the client size and every figure below would
    // be checked against the unframed window.
    if (underWindowManager())
        QTRY_VERIFY_WITH_TIMEOUT(framed(), 10000);
}

void TestFormResize::cleanup()
{
    m_form.reset();
}

void TestFormResize::resizeOuter(int width, int height)
{
    const QSize frame = m_form->frameGeometry().size() - m_form->size();
    m_form->resize(width - frame.width(), height - frame.height());
    QTRY_COMPARE(m_form->frameGeometry().size(), QSize(width, height));
}

bool TestFormResize::at96Dpi() const
{
    const QScreen *s = m_form->screen();
    return s->logicalDotsPerInchX() == 96 && s->logicalDotsPerInchY() == 96;
}

QList<int> TestFormResize::columnWidths() const
{
    QList<int> widths;
    for (int i = 0; i < m_form->ListView1->horizontalHeader()->count(); ++i)
        widths.append(m_form->ListView1->horizontalHeader()->sectionSize(i));
    return widths;
}

// The first pass runs on showing, measured on the outer size with the frame.
// Under a window manager the frame becomes known only after showing, and
// the layout must follow it without any resize.
void TestFormResize::firstPassOnShow()
{
    const double perPixelX = 1440.0 / m_form->screen()->logicalDotsPerInchX();
    const double perPixelY = 1440.0 / m_form->screen()->logicalDotsPerInchY();
    const QSize outer = m_form->frameGeometry().size();
    const int dW = int(std::nearbyint(outer.width() * perPixelX - 9540));
    const int dH = int(std::nearbyint(outer.height() * perPixelY - 7320));
    const auto pxX = [&](double twips) { return qRound(twips / perPixelX); };
    const auto pxY = [&](double twips) { return qRound(twips / perPixelY); };

    const QMargins frame = m_form->windowHandle()->frameMargins();
    qInfo("frame %d %d %d %d (left right top bottom), outer %d x %d, dW %d, dH %d",
          frame.left(), frame.right(), frame.top(), frame.bottom(), outer.width(),
          outer.height(), dW, dH);

    for (QWidget *input : std::initializer_list<QWidget *>{
             m_form->ComboVendor, m_form->TextModel, m_form->ComboType,
             m_form->TextVendorID, m_form->TextModelID, m_form->LabelUrl})
        QTRY_COMPARE(input->width(), pxX(6735 + dW)); // LabelUrl too, not 7695
    QTRY_COMPARE(m_form->ListView1->geometry(),
                 QRect(pxX(120), pxY(3120), pxX(9135 + dW), pxY(3615 + dH)));
    QTRY_COMPARE(m_form->CommandClear->geometry(),
                 QRect(pxX(8520 + dW), pxY(240), pxX(735), pxY(2295)));
    QList<int> columns;
    for (int base : {2000, 2800, 2000, 1000, 1000})
        columns.append(pxX(base + dW * base / 8800.0));
    QTRY_COMPARE(columnWidths(), columns);
    // Still the outer size the figures were worked from.
    QCOMPARE(m_form->frameGeometry().size(), outer);
}

// Figures worked by hand at 15 twips per pixel.
void TestFormResize::largerWindow()
{
    if (!at96Dpi())
        QSKIP("figures are for 96 dpi");
    const auto gapRight = [this](const QWidget *w) {
        return m_form->width() - w->geometry().right() - 1;
    };
    const int clearGap = gapRight(m_form->CommandClear);
    const int listGap = gapRight(m_form->ListView1);
    const int listBelow = m_form->height() - m_form->ListView1->geometry().bottom() - 1;

    // Outer 736 x 521 px = 11040 x 7815 twips: dW 1500, dH 495.
    resizeOuter(736, 521);
    QCOMPARE(m_form->ComboVendor->width(), 549);  // 8235
    QCOMPARE(m_form->LabelUrl->width(), 549);
    QCOMPARE(m_form->TextModelID->width(), 549);
    QCOMPARE(m_form->ListView1->geometry(), QRect(8, 208, 709, 274)); // 10635 x 4110
    QCOMPARE(m_form->CommandClear->x(), 668); // 10020
    // 2340.91, 3277.27, 2340.91, 1170.45, 1170.45 twips
    QCOMPARE(columnWidths(), (QList<int>{156, 218, 156, 78, 78}));
    // The gaps to the right and bottom edges stay.
    QCOMPARE(gapRight(m_form->CommandClear), clearGap);
    QCOMPARE(gapRight(m_form->ListView1), listGap);
    QCOMPARE(m_form->height() - m_form->ListView1->geometry().bottom() - 1, listBelow);

    // Outer 628 x 461 px = 9420 x 6915 twips: dW -120, dH -405.
    resizeOuter(628, 461);
    QCOMPARE(m_form->ComboVendor->width(), 441); // 6615
    QCOMPARE(m_form->ListView1->geometry(), QRect(8, 208, 601, 214)); // 9015 x 3210
    QCOMPARE(m_form->CommandClear->geometry(), QRect(560, 16, 49, 153)); // Left 8400
    // 1972.73, 2761.82, 1972.73, 986.36, 986.36 twips
    QCOMPARE(columnWidths(), (QList<int>{132, 184, 132, 66, 66}));
}

void TestFormResize::columnsKeepRowsAndSelection()
{
    ResultsListView &list = *m_form->ListView1;
    FormDriver::clickRow(list, 4);
    const QList<ResultRow> before = FormDriver::listedRows(list);
    const std::optional<ResultRow> selected = list.selectedItem();
    QVERIFY(selected);

    resizeOuter(m_form->frameGeometry().width() + 90, m_form->frameGeometry().height() + 45);
    QCOMPARE(FormDriver::listedRows(list), before);
    QCOMPARE(list.selectedItem(), selected);
    QCOMPARE(list.model()->columnCount(), 5);
    QCOMPARE(list.model()->headerData(0, Qt::Horizontal).toString(), u"Vendor"_s);
    QCOMPARE(list.model()->headerData(4, Qt::Horizontal).toString(), u"Model ID"_s);
}

void TestFormResize::minimisedSkipsPass()
{
    const int inputWidth = m_form->ComboVendor->width();
    const QSize frame = m_form->frameGeometry().size() - m_form->size();
    m_form->showMinimized();
    QTRY_VERIFY(m_form->isMinimized());
    m_form->resize(300, 200);
    // A window manager applies the new size some time later.
    QTRY_COMPARE(m_form->size(), QSize(300, 200));
    QCOMPARE(m_form->ComboVendor->width(), inputWidth); // no pass while minimised
    m_form->showNormal();
    QTRY_VERIFY(!m_form->isMinimized());
    // Restored: the pass sees the new size.
    const double twipsPerPixel = 1440.0 / m_form->screen()->logicalDotsPerInchX();
    const double outerTwips = (300 + frame.width()) * twipsPerPixel;
    const double inputTwips = std::max(0.0, 6735 + std::nearbyint(outerTwips - 9540));
    QTRY_COMPARE(m_form->ComboVendor->width(), qRound(inputTwips / twipsPerPixel));
}

void TestFormResize::tooSmallClampsAtZero()
{
    // Tall enough for a window manager's title bar, still far below the
    // limits (list 405 wide, 3705 high).
    resizeOuter(20, 40);
    for (const QWidget *w : m_form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QVERIFY(w->width() >= 0);
        QVERIFY(w->height() >= 0);
    }
    QCOMPARE(m_form->ComboVendor->width(), 0);
    QCOMPARE(m_form->ListView1->width(), 0);
    QCOMPARE(m_form->ListView1->height(), 0);
    for (int w : columnWidths())
        QVERIFY(w >= 0);
    // Growing again brings every control back.
    resizeOuter(700, 500);
    QVERIFY(m_form->ComboVendor->width() > 0);
    QVERIFY(m_form->ListView1->height() > 0);
    QCOMPARE(m_form->ListView1->model()->columnCount(), 5);
    for (int w : columnWidths())
        QVERIFY(w > 0);
}

void TestFormResize::fixedControlsNeverMove()
{
    QList<QPair<QWidget *, QRect>> before;
    for (QWidget *w : std::initializer_list<QWidget *>{
             m_form->LabelVendor, m_form->LabelModel, m_form->LabelType,
             m_form->LabelVendorID, m_form->LabelModelID, m_form->Label1})
        before.append({w, w->geometry()});
    const int clearTop = m_form->CommandClear->y();
    const int clearHeight = m_form->CommandClear->height();
    const int inputHeight = m_form->TextModel->height();

    resizeOuter(900, 700);
    for (const auto &[w, rect] : std::as_const(before))
        QCOMPARE(w->geometry(), rect);
    QCOMPARE(m_form->CommandClear->y(), clearTop);
    QCOMPARE(m_form->CommandClear->height(), clearHeight);
    QCOMPARE(m_form->TextModel->height(), inputHeight);
    QCOMPARE(m_form->ListView1->y(), qRound(3120 * m_form->screen()->logicalDotsPerInchY() / 1440));
}

QTEST_MAIN(TestFormResize)
#include "tst_form_resize.moc"
