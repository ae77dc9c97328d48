#include "catalogue/CatalogueData.h"
#include "catalogue/DeviceCatalogue.h"
#include "catalogue/ListOrder.h"

#include <QTest>

#include <stdexcept>

using namespace Qt::StringLiterals;

// The rows whose slot and texts are fixed, the rows placed by description,
// and the three fill steps that copy the compiled-in table into the slots.
class TestCatalogueRows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void fixedRows_data();
    void fixedRows();
    void rowsPlacedByOrder_data();
    void rowsPlacedByOrder();
    void fillStepBoundariesHoldNeighbouringModels();
    void slotWithInchMark();
    void nearTwinsDifferOnlyWhereStated_data();
    void nearTwinsDifferOnlyWhereStated();
    void stackAndExtremeLinkIds();
    void fillMatchesCompiledRows_data();
    void fillMatchesCompiledRows();
    void secondFillLeavesTableUnchanged();
    void junkBeforeFillIsOverwritten();
    void readOutsideTheSlotsThrows_data();
    void readOutsideTheSlotsThrows();

private:
    DeviceCatalogue m_catalogue;
};

namespace {

QList<DeviceRecord> contentsOf(const DeviceCatalogue &catalogue)
{
    QList<DeviceRecord> rows;
    for (qsizetype i = 0; i < catalogue.size(); ++i)
        rows << catalogue.at(i);
    return rows;
}

// The shown fields in which two records differ.
QStringList differingFields(const DeviceRecord &a, const DeviceRecord &b)
{
    QStringList fields;
    if (a.Vendor != b.Vendor)
        fields << u"Vendor"_s;
    if (a.Model != b.Model)
        fields << u"Model"_s;
    if (a.Type != b.Type)
        fields << u"Type"_s;
    if (a.VendorID != b.VendorID)
        fields << u"VendorID"_s;
    if (a.ModelID != b.ModelID)
        fields << u"ModelID"_s;
    return fields;
}

} // namespace

void TestCatalogueRows::initTestCase()
{
    LoadCatalogue(m_catalogue);
}

void TestCatalogueRows::fixedRows_data()
{
    QTest::addColumn<qsizetype>("slot");
    QTest::addColumn<DeviceRecord>("expected");

    const auto add = [](qsizetype slot, const char16_t *link, const char16_t *vendor,
                        const char16_t *model, const char16_t *type, const char16_t *vendorId,
                        const char16_t *modelId) {
        QTest::addRow("slot %d", int(slot))
            << slot
            << DeviceRecord{QString::fromUtf16(link), QString::fromUtf16(vendor),
                            QString::fromUtf16(model), QString::fromUtf16(type),
                            QString::fromUtf16(vendorId), QString::fromUtf16(modelId)};
    };
    add(0, u"604", u"Fieldbus Inc.", u"100 Series", u"Development Solutions", u"", u"");
    add(1, u"902", u"Rockwell Automation", u"1757-FFLD", u"Linking Device", u"00014D", u"0008");
    add(2, u"682", u"Rockwell Automation", u"1788-CN2FF", u"Linking Device,Other", u"", u"");
    add(44, u"1346", u"Advanced Process Automation Technologies - APAT", u"APATH1LM", u"Stack", u"", u"");
    add(68, u"1361", u"ENOTEC GmbH", u"COMTEC 6000", u"Analytical", u"454E4F ", u"0002");
    add(78, u"1570", u"Metroval Controle de Fluidos Ltda.", u"CVM-FF-01",
        u"Flow,Converter (Transducer)", u"000104", u"0003");
    add(81, u"1365", u"EIM Controls Inc.", u"DCM Fieldbus Actuator", u"Final Control Element",
        u"0002000", u"EDC2");
    add(82, u"1560", u"EIM Controls Inc.", u"DCM Fieldbus Actuator", u"Final Control Element",
        u"002000", u"EDC2");
    add(85, u"676", u"Endress + Hauser", u"Deltabar S", u"Pressure", u"0X452B48", u"0X1009");
    add(86, u"1069", u"Endress + Hauser", u"Deltabar S", u"Pressure", u"452B48", u"1009");
    add(104, u"1299", u"Dynamic Flow Computers", u"DynamicFB", u"Flow", u"01167", u"0001");
    add(127, u"1275", u"MTL Instruments", u"F809F", u"Other", u"0BE0EC", u"0001");
    add(128, u"1340", u"MTL Instruments", u"F809F", u"Other", u"0BE0EC ", u"0001");
    add(144, u"655", u"Smar International Co.", u"FB700", u"Other", u"302", u"9");
    add(164, u"1327", u"Biffi Italia srl", u"FF 2000 v4", u"Final Control Element", u"424946", u"01");
    add(165, u"1523", u"Biffi Italia srl", u"FF 2000 v4", u"Final Control Element", u"424946", u"0001");
    add(187, u"739", u"ABB Automation Products GmbH", u"FIO-100", u"Linking Device", u"0X000320", u"0X0064");
    add(255, u"1242", u"Smar International Co.", u"HI302-I 8AI+8HART",
        u"Linking Device,Converter (Transducer),Other", u"000302", u"0015");
    add(350, u"562", u"K-Patents Oy", u"PR-01-S", u"Analytical", u"", u"");
    add(519, u"574", u"Fuji Electric Corporation", u"ZLK", u"Converter (Transducer)", u"", u"");
}

void TestCatalogueRows::fixedRows()
{
    QFETCH(qsizetype, slot);
    QFETCH(DeviceRecord, expected);

    const DeviceRecord &found = m_catalogue.at(slot);
    QCOMPARE(found.LinkID, expected.LinkID);
    QCOMPARE(found.Vendor, expected.Vendor);
    QCOMPARE(found.Model, expected.Model);
    QCOMPARE(found.Type, expected.Type);
    QCOMPARE(found.VendorID, expected.VendorID);
    QCOMPARE(found.ModelID, expected.ModelID);
}

void TestCatalogueRows::rowsPlacedByOrder_data()
{
    QTest::addColumn<qsizetype>("slot");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("vendor");

    // Hyphens are ignored: digits before letters puts "AT100" before "ATFBUS".
    QTest::addRow("45") << qsizetype(45) << u"AT100, AT100S, AT200"_s << QString();
    QTest::addRow("46") << qsizetype(46) << u"AT-FBUS Interface"_s << QString();
    // Equal models under the list keys: the vendor decides.
    QTest::addRow("60") << qsizetype(60) << u"Buswitch"_s << u"Automax/Accord Controls"_s;
    QTest::addRow("61") << qsizetype(61) << u"BUSwitch"_s << u"Flowserve Corporation"_s;
    QTest::addRow("240") << qsizetype(240) << u"Hawk FF Level Series - AWF-XXXX"_s << QString();
    QTest::addRow("241") << qsizetype(241) << u"Hawk FF Level Series - AW-XXXX"_s << QString();
}

void TestCatalogueRows::rowsPlacedByOrder()
{
    QFETCH(qsizetype, slot);
    QFETCH(QString, model);
    QFETCH(QString, vendor);

    QCOMPARE(m_catalogue.at(slot).Model, model);
    if (!vendor.isEmpty())
        QCOMPARE(m_catalogue.at(slot).Vendor, vendor);
}

void TestCatalogueRows::fillStepBoundariesHoldNeighbouringModels()
{
    // The first fill step ends between two neighbouring model names of one vendor.
    const DeviceRecord &last = m_catalogue.at(199);
    const DeviceRecord &first = m_catalogue.at(200);
    QCOMPARE(last.Vendor, first.Vendor);
    QVERIFY2(last.Model != first.Model, qPrintable(last.Model));
    QVERIFY(compareListKeys(last.Model, first.Model) < 0);
}

void TestCatalogueRows::slotWithInchMark()
{
    const QString model = m_catalogue.at(410).Model;
    QVERIFY2(model.contains(u"7/8\""), qPrintable(model));
    for (qsizetype i = 0; i < m_catalogue.size(); ++i) {
        if (i != 410)
            QVERIFY2(!m_catalogue.at(i).Model.contains(u'"'), qPrintable(m_catalogue.at(i).Model));
    }
}

void TestCatalogueRows::nearTwinsDifferOnlyWhereStated_data()
{
    QTest::addColumn<qsizetype>("first");
    QTest::addColumn<qsizetype>("second");
    QTest::addColumn<QStringList>("fields");

    QTest::addRow("F809F, trailing blank") << qsizetype(127) << qsizetype(128) << QStringList{u"VendorID"_s};
    QTest::addRow("Deltabar S, 0X prefix") << qsizetype(85) << qsizetype(86)
                                           << QStringList{u"VendorID"_s, u"ModelID"_s};
    QTest::addRow("FF 2000 v4, 01 and 0001") << qsizetype(164) << qsizetype(165) << QStringList{u"ModelID"_s};
    QTest::addRow("DCM, 0002000 and 002000") << qsizetype(81) << qsizetype(82) << QStringList{u"VendorID"_s};
}

void TestCatalogueRows::nearTwinsDifferOnlyWhereStated()
{
    QFETCH(qsizetype, first);
    QFETCH(qsizetype, second);
    QFETCH(QStringList, fields);

    const DeviceRecord &a = m_catalogue.at(first);
    const DeviceRecord &b = m_catalogue.at(second);
    QCOMPARE(differingFields(a, b), fields);
    QVERIFY(a.LinkID != b.LinkID);
}

void TestCatalogueRows::stackAndExtremeLinkIds()
{
    qsizetype stackSlot = -1;
    qsizetype stacks = 0;
    qsizetype smallestSlot = 0;
    qsizetype largestSlot = 0;
    for (qsizetype i = 0; i < m_catalogue.size(); ++i) {
        const DeviceRecord &r = m_catalogue.at(i);
        if (r.Type.split(u',').contains(u"Stack"_s)) {
            stackSlot = i;
            ++stacks;
        }
        if (r.LinkID.toInt() < m_catalogue.at(smallestSlot).LinkID.toInt())
            smallestSlot = i;
        if (r.LinkID.toInt() > m_catalogue.at(largestSlot).LinkID.toInt())
            largestSlot = i;
    }
    QCOMPARE(stacks, 1);
    QCOMPARE(stackSlot, 44);
    QCOMPARE(smallestSlot, 350);
    QCOMPARE(largestSlot, 78);
}

void TestCatalogueRows::fillMatchesCompiledRows_data()
{
    QTest::addColumn<qsizetype>("slot");
    // Last slot of the first fill step, first of the second and of the third.
    for (const qsizetype slot : {0, 199, 200, 399, 400, 519})
        QTest::addRow("slot %d", int(slot)) << slot;
}

void TestCatalogueRows::fillMatchesCompiledRows()
{
    QFETCH(qsizetype, slot);

    const CatalogueRow &row = builtInCatalogueRows()[std::size_t(slot)];
    const DeviceRecord &record = m_catalogue.at(slot);
    QCOMPARE(record.LinkID, QString::number(row.linkId));
    QCOMPARE(record.Vendor, row.vendor.toString());
    QCOMPARE(record.Model, row.model.toString());
    QCOMPARE(record.Type, row.type.toString());
    QCOMPARE(record.VendorID, row.vendorId.toString());
    QCOMPARE(record.ModelID, row.modelId.toString());
}

void TestCatalogueRows::secondFillLeavesTableUnchanged()
{
    DeviceCatalogue catalogue;
    LoadCatalogue(catalogue);
    const QList<DeviceRecord> once = contentsOf(catalogue);
    LoadCatalogue(catalogue);
    QCOMPARE(contentsOf(catalogue), once);
    QCOMPARE(once, contentsOf(m_catalogue));
}

void TestCatalogueRows::junkBeforeFillIsOverwritten()
{
    DeviceCatalogue catalogue;
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        const QString junk = u"junk "_s + QString::number(i);
        catalogue.slot(i) = DeviceRecord{junk, junk, junk, junk, junk, junk};
    }
    LoadCatalogue(catalogue);
    QCOMPARE(contentsOf(catalogue), contentsOf(m_catalogue));
}

void TestCatalogueRows::readOutsideTheSlotsThrows_data()
{
    QTest::addColumn<qsizetype>("index");
    QTest::addRow("-1") << qsizetype(-1);
    QTest::addRow("520") << qsizetype(520);
}

void TestCatalogueRows::readOutsideTheSlotsThrows()
{
    QFETCH(qsizetype, index);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, m_catalogue.at(index));
}

QTEST_GUILESS_MAIN(TestCatalogueRows)
#include "tst_cataloguerows.moc"
