#include "catalogue/DeviceCatalogue.h"

#include <QTest>

#include <limits>
#include <stdexcept>

using namespace Qt::StringLiterals;

class TestDeviceCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsWithEmptySlots();
    void readOutsideRangeThrows_data();
    void readOutsideRangeThrows();
    void writesStayInTheirSlot();
    void loadNeedsBuiltInSize();
};

void TestDeviceCatalogue::startsWithEmptySlots()
{
    const DeviceCatalogue catalogue;
    QCOMPARE(catalogue.size(), 520);
    QCOMPARE(catalogue.at(0), DeviceRecord{});
    QCOMPARE(catalogue.at(519), DeviceRecord{});
}

void TestDeviceCatalogue::readOutsideRangeThrows_data()
{
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<qsizetype>("index");

    QTest::addRow("-1") << qsizetype(520) << qsizetype(-1);
    QTest::addRow("520") << qsizetype(520) << qsizetype(520);
    QTest::addRow("far above") << qsizetype(520) << qsizetype(1'000'000);
    QTest::addRow("most negative") << qsizetype(520) << std::numeric_limits<qsizetype>::min();
    QTest::addRow("small table, one past") << qsizetype(3) << qsizetype(3);
    QTest::addRow("empty table, 0") << qsizetype(0) << qsizetype(0);
}

void TestDeviceCatalogue::readOutsideRangeThrows()
{
    QFETCH(qsizetype, size);
    QFETCH(qsizetype, index);

    DeviceCatalogue catalogue(size);
    const DeviceCatalogue &readOnly = catalogue;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, readOnly.at(index));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, catalogue.slot(index));
}

void TestDeviceCatalogue::writesStayInTheirSlot()
{
    DeviceCatalogue catalogue;
    catalogue.slot(0).Vendor = u"first"_s;
    catalogue.slot(519).Vendor = u"last"_s;
    QCOMPARE(catalogue.at(0).Vendor, u"first"_s);
    QCOMPARE(catalogue.at(519).Vendor, u"last"_s);
    QVERIFY(catalogue.at(1).Vendor.isEmpty());
    QVERIFY(catalogue.at(518).Vendor.isEmpty());
}

void TestDeviceCatalogue::loadNeedsBuiltInSize()
{
    DeviceCatalogue small(10);
    QVERIFY_THROWS_EXCEPTION(std::length_error, LoadCatalogue(small));
    QCOMPARE(small.at(0), DeviceRecord{});
}

QTEST_GUILESS_MAIN(TestDeviceCatalogue)
#include "tst_devicecatalogue.moc"
