#include "search/DeviceFilter.h"
#include "tests/logic/TestCatalogue.h"
#include "tests/support/ShownRow.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Small catalogue with the awkward cases: prefix-sharing vendors, combined
// types, ID forms, empty fields and text outside ASCII.
DeviceCatalogue sampleCatalogue()
{
    return makeCatalogue({
        {u"10"_s, u"Fieldbus Inc."_s, u"100 Series"_s, u"Development Solutions"_s, {}, {}},
        {u"11"_s, u"Fieldbus International"_s, u"FF Kit"_s, u"Development Solutions"_s, u"464249"_s, u"0001"_s},
        {u"12"_s, u"Emerson Process Management"_s, u"Rosemount 3051S"_s, u"Pressure"_s, u"001151"_s, u"3051"_s},
        {u"13"_s, u"Emerson Process Management"_s, u"Micro Motion 2700"_s, u"Flow,Converter (Transducer)"_s, u"001151"_s, u"2700"_s},
        {u"14"_s, u"Endress + Hauser"_s, u"Deltabar S"_s, u"Pressure"_s, u"0X452B48"_s, u"0X1009"_s},
        {u"15"_s, u"Endress + Hauser"_s, u"Deltabar S"_s, u"Pressure"_s, u"452B48"_s, u"1009"_s},
        {u"16"_s, u"MTL Instruments"_s, u"F809F"_s, u"Other"_s, u"0BE0EC"_s, u"0001"_s},
        {u"17"_s, u"MTL Instruments"_s, u"F809F"_s, u"Other"_s, u"0BE0EC "_s, u"0001"_s},
        {u"18"_s, u"Biffi Italia srl"_s, u"FF 2000 v4"_s, u"Final Control Element"_s, u"424946"_s, u"01"_s},
        {u"19"_s, {}, u"Orphan"_s, u"Flow"_s, {}, {}},
        {u"20"_s, u"Acme"_s, {}, u"Flow"_s, {}, {}},
        {u"21"_s, u"Acme"_s, u"Typeless"_s, {}, {}, {}},
        {u"22"_s, u"Acme"_s, u"ÄÖÜ Gerät™"_s, u"Flow,Level"_s, {}, {}},
    });
}

} // namespace

Q_DECLARE_METATYPE(SearchCriteria)

using Slots = QList<int>;

class TestDeviceFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void selectDevices_data();
    void selectDevices();
    void rowsCopyTheShownTexts();
    void emptyCatalogueSelectsNothing();
};

void TestDeviceFilter::selectDevices_data()
{
    QTest::addColumn<SearchCriteria>("criteria");
    QTest::addColumn<Slots>("expected");

    auto vendor = [](const QString &t) { return SearchCriteria{t, {}, {}, {}, {}}; };
    auto type = [](const QString &t) { return SearchCriteria{{}, t, {}, {}, {}}; };
    auto model = [](const QString &t) { return SearchCriteria{{}, {}, t, {}, {}}; };
    auto vendorId = [](const QString &t) { return SearchCriteria{{}, {}, {}, t, {}}; };
    auto modelId = [](const QString &t) { return SearchCriteria{{}, {}, {}, {}, t}; };

    // Empty vendor, model or type keeps a record out whatever the criteria.
    QTest::addRow("all empty") << SearchCriteria{} << Slots{0, 1, 2, 3, 4, 5, 6, 7, 8, 12};

    QTest::addRow("vendor whole name") << vendor(u"Emerson Process Management"_s) << Slots{2, 3};
    QTest::addRow("vendor prefix of two") << vendor(u"Fieldbus In"_s) << Slots{0, 1};
    QTest::addRow("vendor name, not its longer sibling")
        << vendor(u"Fieldbus Inc."_s) << Slots{0};
    QTest::addRow("vendor inside, not at start") << vendor(u"Process"_s) << Slots{};
    QTest::addRow("vendor differs in case")
        << vendor(u"emerson process management"_s) << Slots{};

    QTest::addRow("type inside combination") << type(u"Flow"_s) << Slots{3, 12};
    QTest::addRow("type plain substring") << type(u"Converter"_s) << Slots{3};
    QTest::addRow("type differs in case") << type(u"flow"_s) << Slots{};
    QTest::addRow("type across the comma") << type(u"Flow,Level"_s) << Slots{12};

    QTest::addRow("model case ignored") << model(u"dELTABAR"_s) << Slots{4, 5};
    QTest::addRow("model single blank") << model(u" "_s) << Slots{0, 1, 2, 3, 4, 5, 8, 12};
    QTest::addRow("model umlauts case ignored") << model(u"äöü gERÄT"_s) << Slots{12};
    QTest::addRow("model trade mark sign") << model(u"™"_s) << Slots{12};
    QTest::addRow("model no match") << model(u"zzz"_s) << Slots{};

    QTest::addRow("vendor id case ignored") << vendorId(u"452b48"_s) << Slots{4, 5};
    QTest::addRow("vendor id without blank") << vendorId(u"0BE0EC"_s) << Slots{6, 7};
    QTest::addRow("vendor id with blank") << vendorId(u"0BE0EC "_s) << Slots{7};
    QTest::addRow("vendor id single blank") << vendorId(u" "_s) << Slots{7};
    QTest::addRow("vendor id prefix letter") << vendorId(u"x"_s) << Slots{4};
    QTest::addRow("non-empty id drops empty ids") << vendorId(u"0"_s) << Slots{2, 3, 4, 6, 7};
    QTest::addRow("model id 0x form") << modelId(u"0x1009"_s) << Slots{4};
    QTest::addRow("model id leading zeros") << modelId(u"0001"_s) << Slots{1, 6, 7};
    QTest::addRow("model id short") << modelId(u"01"_s) << Slots{1, 6, 7, 8};

    QTest::addRow("vendor and type")
        << SearchCriteria{u"Emerson Process Management"_s, u"Flow"_s, {}, {}, {}} << Slots{3};
    QTest::addRow("all five set")
        << SearchCriteria{u"Endress"_s, u"Pressure"_s, u"bar s"_s, u"0x"_s, u"1009"_s} << Slots{4};
    QTest::addRow("all five, one misses")
        << SearchCriteria{u"Endress"_s, u"Pressure"_s, u"bar s"_s, u"0x"_s, u"2700"_s} << Slots{};
}

void TestDeviceFilter::selectDevices()
{
    QFETCH(SearchCriteria, criteria);
    QFETCH(Slots, expected);

    const DeviceCatalogue catalogue = sampleCatalogue();
    ResultRows wanted;
    for (int slot : expected)
        wanted.append(shownRow(catalogue.at(slot)));

    const ResultRows rows = SelectDevices(catalogue, criteria);
    QCOMPARE(rows.size(), wanted.size());
    QCOMPARE(rows, wanted);
}

void TestDeviceFilter::rowsCopyTheShownTexts()
{
    const DeviceCatalogue catalogue = sampleCatalogue();
    const ResultRows rows = SelectDevices(catalogue, {{}, {}, {}, u"0BE0EC "_s, {}});
    QCOMPARE(rows.size(), 1);
    const ResultRow &row = rows.first();
    QCOMPARE(row.Vendor, u"MTL Instruments"_s);
    QCOMPARE(row.Model, u"F809F"_s);
    QCOMPARE(row.Type, u"Other"_s);
    QCOMPARE(row.VendorID, u"0BE0EC "_s);
    QCOMPARE(row.ModelID, u"0001"_s);
}

void TestDeviceFilter::emptyCatalogueSelectsNothing()
{
    // A table whose slots were never filled lists nothing, not empty rows.
    QVERIFY(SelectDevices(DeviceCatalogue(5), SearchCriteria{}).isEmpty());
}

QTEST_GUILESS_MAIN(TestDeviceFilter)
#include "tst_devicefilter.moc"
