// The resize arithmetic on its own: worked examples, rounding, clamping.
#include "ui/ResizeLayout.h"
#include "ui/Twips.h"

#include <QTest>

#include <limits>

using Widths = std::array<double, DesignLayout::ColumnCount>;
Q_DECLARE_METATYPE(Widths)

class TestResizeLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExamples_data();
    void workedExamples();
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void columnsFillListMinusBorder_data();
    void columnsFillListMinusBorder();
    void clampsAtZero_data();
    void clampsAtZero();
    void hugeWidthSaturates();
    void twipsConversion_data();
    void twipsConversion();
};

namespace {

constexpr float DesignW = DesignLayout::OuterWidth;
constexpr float DesignH = DesignLayout::OuterHeight;

// The data columns layoutCurrentRow() reads: a client size in, four sizes out.
void addPlacedSizeColumns()
{
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("listW");
    QTest::addColumn<int>("listH");
    QTest::addColumn<int>("clearLeft");
}

// Lays out the current data row's width and height and checks the four placed
// sizes the row expects: input, listW, listH and clearLeft.
ResizeGeometry layoutCurrentRow()
{
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(int, input);
    QFETCH(int, listW);
    QFETCH(int, listH);
    QFETCH(int, clearLeft);

    const ResizeGeometry g = resizeLayout(width, height);
    [&] {
        QCOMPARE(g.inputWidth, input);
        QCOMPARE(g.listWidth, listW);
        QCOMPARE(g.listHeight, listH);
        QCOMPARE(g.clearLeft, clearLeft);
    }();
    return g;
}

} // namespace

void TestResizeLayout::workedExamples_data()
{
    addPlacedSizeColumns();
    QTest::addColumn<Widths>("columns");

    QTest::addRow("880 wider, 500 taller")
        << DesignW + 880 << DesignH + 500 << 7615 << 10015 << 4115 << 9400
        << Widths{2200, 3080, 2200, 1100, 1100};
    QTest::addRow("100 wider")
        << DesignW + 100 << DesignH << 6835 << 9235 << 3615 << 8620
        << Widths{2000 + 200000 / 8800.0, 2800 + 280000 / 8800.0, 2000 + 200000 / 8800.0,
                  1000 + 100000 / 8800.0, 1000 + 100000 / 8800.0};
    QTest::addRow("45 narrower")
        << DesignW - 45 << DesignH << 6690 << 9090 << 3615 << 8475
        << Widths{2000 - 90000 / 8800.0, 2800 - 126000 / 8800.0, 2000 - 90000 / 8800.0,
                  1000 - 45000 / 8800.0, 1000 - 45000 / 8800.0};
    QTest::addRow("design size")
        << DesignW << DesignH << 6735 << 9135 << 3615 << 8520
        << Widths{2000, 2800, 2000, 1000, 1000};
    // A frameless window at its design client size: 120 narrower, 405 lower.
    QTest::addRow("no frame")
        << 9420.0f << 6915.0f << 6615 << 9015 << 3210 << 8400
        << Widths{2000 - 240000 / 8800.0, 2800 - 336000 / 8800.0, 2000 - 240000 / 8800.0,
                  1000 - 120000 / 8800.0, 1000 - 120000 / 8800.0};
}

void TestResizeLayout::workedExamples()
{
    QFETCH(Widths, columns);

    const ResizeGeometry g = layoutCurrentRow();
    if (QTest::currentTestFailed())
        return;
    for (int i = 0; i < DesignLayout::ColumnCount; ++i)
        QCOMPARE(g.columnWidths.at(i), columns.at(i)); // unrounded
}

void TestResizeLayout::roundsHalfToEven_data()
{
    QTest::addColumn<float>("excess"); // over the design size, both ways
    QTest::addColumn<int>("delta");

    QTest::addRow("+0.5 to 0") << 0.5f << 0;
    QTest::addRow("+1.5 to 2") << 1.5f << 2;
    QTest::addRow("+2.5 to 2") << 2.5f << 2;
    QTest::addRow("+3.5 to 4") << 3.5f << 4;
    QTest::addRow("-0.5 to 0") << -0.5f << 0;
    QTest::addRow("-1.5 to -2") << -1.5f << -2;
    QTest::addRow("-2.5 to -2") << -2.5f << -2;
    QTest::addRow("+0.75 up") << 0.75f << 1;
    QTest::addRow("+0.25 down") << 0.25f << 0;
    QTest::addRow("-0.75 down") << -0.75f << -1;
    QTest::addRow("+14.4 at 100 dpi") << 14.4f << 14;
}

void TestResizeLayout::roundsHalfToEven()
{
    QFETCH(float, excess);
    QFETCH(int, delta);

    const ResizeGeometry g = resizeLayout(DesignW + excess, DesignH + excess);
    QCOMPARE(g.inputWidth, DesignLayout::ComboVendor.width + delta);
    QCOMPARE(g.clearLeft, DesignLayout::CommandClear.left + delta);
    QCOMPARE(g.listHeight, DesignLayout::ListView1.height + delta);
}

void TestResizeLayout::columnsFillListMinusBorder_data()
{
    QTest::addColumn<float>("width");
    for (float w : {4000.0f, 9539.0f, 9541.0f, 12345.0f, 30000.0f, 491520.0f})
        QTest::addRow("%g", double(w)) << w;
}

void TestResizeLayout::columnsFillListMinusBorder()
{
    QFETCH(float, width);
    const ResizeGeometry g = resizeLayout(width, DesignH);
    double sum = 0;
    for (double w : g.columnWidths)
        sum += w;
    QVERIFY(qFuzzyCompare(sum, double(g.listWidth - 335)));
    // The button and the list keep their distance to the client's right edge.
    QCOMPARE(g.clearLeft + DesignLayout::CommandClear.width,
             DesignLayout::ListView1.left + g.listWidth);
}

void TestResizeLayout::clampsAtZero_data()
{
    addPlacedSizeColumns();

    // Inputs reach zero at 2805, the list at 405, its height at 3705.
    QTest::addRow("inputs exactly zero") << 2805.0f << DesignH << 0 << 2400 << 3615 << 1785;
    QTest::addRow("inputs below zero") << 2000.0f << DesignH << 0 << 1595 << 3615 << 980;
    QTest::addRow("list height zero") << DesignW << 3705.0f << 6735 << 9135 << 0 << 8520;
    QTest::addRow("list height below zero") << DesignW << 1000.0f << 6735 << 9135 << 0 << 8520;
    QTest::addRow("minimised-like size") << 160.0f << 30.0f << 0 << 0 << 0 << 0;
    QTest::addRow("zero size") << 0.0f << 0.0f << 0 << 0 << 0 << 0;
    QTest::addRow("negative size") << -500.0f << -500.0f << 0 << 0 << 0 << 0;
}

void TestResizeLayout::clampsAtZero()
{
    const ResizeGeometry g = layoutCurrentRow();
    if (QTest::currentTestFailed())
        return;
    for (double w : g.columnWidths)
        QVERIFY2(w >= 0.0, qPrintable(QString::number(w)));
    // A column reaches zero exactly at dW = -8800.
    const ResizeGeometry atLimit = resizeLayout(DesignW - 8800, DesignH);
    for (double w : atLimit.columnWidths)
        QCOMPARE(w, 0.0);
}

void TestResizeLayout::hugeWidthSaturates()
{
    // dW * 2800 no longer fits in 32 bits: the product saturates instead of
    // wrapping to a negative width.
    const float width = 1.0e9f;
    const ResizeGeometry g = resizeLayout(width, DesignH);
    QVERIFY(g.inputWidth > 0);
    for (double w : g.columnWidths)
        QVERIFY2(w > 0.0, qPrintable(QString::number(w)));
    QVERIFY(g.columnWidths.at(1) < 1.0e9);

    QCOMPARE(roundHalfEven32(1.0e12), std::numeric_limits<std::int32_t>::max());
    QCOMPARE(roundHalfEven32(-1.0e12), std::numeric_limits<std::int32_t>::min());
    QCOMPARE(roundHalfEven32(std::numeric_limits<double>::quiet_NaN()), 0);
    const ResizeGeometry nan = resizeLayout(std::numeric_limits<float>::infinity(),
                                            -std::numeric_limits<float>::infinity());
    QCOMPARE(nan.listHeight, 0);
}

void TestResizeLayout::twipsConversion_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");

    QTest::addRow("96 dpi, 15 per pixel") << 96.0 << 9420.0 << 628;
    QTest::addRow("96 dpi, list top") << 96.0 << 3120.0 << 208;
    QTest::addRow("96 dpi, column 2022.7") << 96.0 << 2022.7272 << 135;
    QTest::addRow("96 dpi, column 1989.77") << 96.0 << 1989.77 << 133;
    QTest::addRow("192 dpi doubles") << 192.0 << 9420.0 << 1256;
    QTest::addRow("120 dpi, 12 per pixel") << 120.0 << 6915.0 << 576;
    QTest::addRow("zero") << 96.0 << 0.0 << 0;
}

void TestResizeLayout::twipsConversion()
{
    QFETCH(double, dpi);
    QFETCH(double, twips);
    QFETCH(int, pixels);

    const TwipsScale scale{dpi, dpi};
    QCOMPARE(scale.toPixelsX(twips), pixels);
    QCOMPARE(scale.toPixelsY(twips), pixels);
    QCOMPARE(scale.toTwipsX(pixels) / 1440.0 * dpi, double(pixels));
    const TwipsScale anisotropic{96.0, 72.0};
    QCOMPARE(anisotropic.toPixelsY(1440.0), 72);
    QCOMPARE(anisotropic.toTwipsY(72), 1440.0);
}

QTEST_GUILESS_MAIN(TestResizeLayout)
#include "tst_resizelayout.moc"
