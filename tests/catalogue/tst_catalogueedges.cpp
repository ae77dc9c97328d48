#include "catalogue/DeviceCatalogue.h"
#include "search/DeviceFilter.h"
#include "search/RegistryLink.h"
#include "tests/support/ShownRow.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

// The filter and the registry link run on the real catalogue.
class TestCatalogueEdges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void selectionSizes_data();
    void selectionSizes();
    void noCriteriaListsEverySlotInOrder();
    void flowFindsItsCombinations();
    void modelTextFindsBothEjxModels();
    void vendorIdTextFindsPrefixedForm();
    void modelIdTextFindsOnlyPrefixedRow();
    void vendorIdTextFindsTrailingBlankForm();
    void idTextDropsRowsWithoutIds_data();
    void idTextDropsRowsWithoutIds();
    void resolvesNamedRows_data();
    void resolvesNamedRows();
    void everyListedRowResolvesToItsOwnRecord();

private:
    ResultRows select(const SearchCriteria &criteria) const { return SelectDevices(m_catalogue, criteria); }

    DeviceCatalogue m_catalogue;
};

namespace {

QSet<QString> typesOf(const ResultRows &rows)
{
    QSet<QString> types;
    for (const ResultRow &row : rows)
        types.insert(row.Type);
    return types;
}

QString addressFor(const QString &linkId)
{
    return RegistryUrlPrefix() + linkId + RegistryUrlSuffix();
}

} // namespace

void TestCatalogueEdges::initTestCase()
{
    LoadCatalogue(m_catalogue);
}

void TestCatalogueEdges::selectionSizes_data()
{
    QTest::addColumn<SearchCriteria>("criteria");
    QTest::addColumn<qsizetype>("rows");

    const auto vendor = [](const QString &v) { return SearchCriteria{v, {}, {}, {}, {}}; };
    const auto type = [](const QString &t) { return SearchCriteria{{}, t, {}, {}, {}}; };

    QTest::addRow("no criteria") << SearchCriteria{} << qsizetype(520);
    QTest::addRow("vendor Emerson") << vendor(u"Emerson Process Management"_s) << qsizetype(50);
    QTest::addRow("type Flow") << type(u"Flow"_s) << qsizetype(50);
    QTest::addRow("type Other") << type(u"Other"_s) << qsizetype(54);
    QTest::addRow("Emerson and Flow")
        << SearchCriteria{u"Emerson Process Management"_s, u"Flow"_s, {}, {}, {}} << qsizetype(7);
    QTest::addRow("model ejx") << SearchCriteria{{}, {}, u"ejx"_s, {}, {}} << qsizetype(2);
    QTest::addRow("vendor ID 452b48") << SearchCriteria{{}, {}, {}, u"452b48"_s, {}} << qsizetype(23);
    QTest::addRow("model ID 0x1009") << SearchCriteria{{}, {}, {}, {}, u"0x1009"_s} << qsizetype(1);
    QTest::addRow("vendor ID 0BE0EC") << SearchCriteria{{}, {}, {}, u"0BE0EC"_s, {}} << qsizetype(3);
    // Vendor and type choices are case-sensitive.
    QTest::addRow("vendor in lower case") << vendor(u"emerson process management"_s) << qsizetype(0);
    QTest::addRow("type in lower case") << type(u"flow"_s) << qsizetype(0);
    QTest::addRow("vendor name inside another") << vendor(u"Process Management"_s) << qsizetype(0);
}

void TestCatalogueEdges::selectionSizes()
{
    QFETCH(SearchCriteria, criteria);
    QFETCH(qsizetype, rows);
    QCOMPARE(select(criteria).size(), rows);
}

void TestCatalogueEdges::noCriteriaListsEverySlotInOrder()
{
    const ResultRows rows = select({});
    QCOMPARE(rows.size(), m_catalogue.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        QCOMPARE(rows.at(i), shownRow(m_catalogue.at(i)));
}

void TestCatalogueEdges::flowFindsItsCombinations()
{
    const QSet<QString> types = typesOf(select({{}, u"Flow"_s, {}, {}, {}}));
    for (const QString &combination : {u"Flow,Level"_s, u"Flow,Other"_s, u"Flow,Converter (Transducer)"_s})
        QVERIFY2(types.contains(combination), qPrintable(combination));
}

void TestCatalogueEdges::modelTextFindsBothEjxModels()
{
    QStringList models;
    for (const ResultRow &row : select({{}, {}, u"ejx"_s, {}, {}}))
        models << row.Model;
    QCOMPARE(models, (QStringList{u"EJX"_s, u"EJX910"_s}));
}

void TestCatalogueEdges::vendorIdTextFindsPrefixedForm()
{
    QStringList ids;
    for (const ResultRow &row : select({{}, {}, {}, u"452b48"_s, {}}))
        ids << row.VendorID;
    QVERIFY2(ids.contains(u"0X452B48"_s), qPrintable(ids.join(u", ")));
    QCOMPARE(ids.count(u"452B48"_s), 22);
}

void TestCatalogueEdges::modelIdTextFindsOnlyPrefixedRow()
{
    const ResultRows rows = select({{}, {}, {}, {}, u"0x1009"_s});
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().ModelID, u"0X1009"_s);
    QCOMPARE(rows.first().Model, u"Deltabar S"_s);
}

void TestCatalogueEdges::vendorIdTextFindsTrailingBlankForm()
{
    QStringList ids;
    for (const ResultRow &row : select({{}, {}, {}, u"0BE0EC"_s, {}}))
        ids << row.VendorID;
    QCOMPARE(ids.count(u"0BE0EC "_s), 1);
    QCOMPARE(ids.count(u"0BE0EC"_s), 2);
}

void TestCatalogueEdges::idTextDropsRowsWithoutIds_data()
{
    QTest::addColumn<SearchCriteria>("criteria");
    QTest::addRow("vendor ID 0") << SearchCriteria{{}, {}, {}, u"0"_s, {}};
    QTest::addRow("model ID 0") << SearchCriteria{{}, {}, {}, {}, u"0"_s};
    QTest::addRow("vendor ID blank") << SearchCriteria{{}, {}, {}, u" "_s, {}};
}

void TestCatalogueEdges::idTextDropsRowsWithoutIds()
{
    QFETCH(SearchCriteria, criteria);
    for (const ResultRow &row : select(criteria)) {
        QVERIFY2(!row.VendorID.isEmpty(), qPrintable(row.Model));
        QVERIFY2(!row.ModelID.isEmpty(), qPrintable(row.Model));
    }
    // Emptying the text brings the 205 rows without IDs back.
    qsizetype withoutIds = 0;
    for (const ResultRow &row : select({}))
        withoutIds += row.VendorID.isEmpty() && row.ModelID.isEmpty();
    QCOMPARE(withoutIds, 205);
}

void TestCatalogueEdges::resolvesNamedRows_data()
{
    QTest::addColumn<ResultRow>("row");
    QTest::addColumn<QString>("linkId");

    QTest::addRow("1757-FFLD") << ResultRow{u"Rockwell Automation"_s, u"1757-FFLD"_s, u"Linking Device"_s,
                                            u"00014D"_s, u"0008"_s}
                               << u"902"_s;
    QTest::addRow("F809F") << ResultRow{u"MTL Instruments"_s, u"F809F"_s, u"Other"_s, u"0BE0EC"_s, u"0001"_s}
                           << u"1275"_s;
    QTest::addRow("F809F, trailing blank")
        << ResultRow{u"MTL Instruments"_s, u"F809F"_s, u"Other"_s, u"0BE0EC "_s, u"0001"_s} << u"1340"_s;
    QTest::addRow("Deltabar S, 0X forms")
        << ResultRow{u"Endress + Hauser"_s, u"Deltabar S"_s, u"Pressure"_s, u"0X452B48"_s, u"0X1009"_s}
        << u"676"_s;
    QTest::addRow("Deltabar S") << ResultRow{u"Endress + Hauser"_s, u"Deltabar S"_s, u"Pressure"_s,
                                             u"452B48"_s, u"1009"_s}
                                << u"1069"_s;
}

void TestCatalogueEdges::resolvesNamedRows()
{
    QFETCH(ResultRow, row);
    QFETCH(QString, linkId);
    QCOMPARE(ResolveRegistryLink(m_catalogue, row), LinkOutcome::set(addressFor(linkId)));
}

void TestCatalogueEdges::everyListedRowResolvesToItsOwnRecord()
{
    const ResultRows rows = select({});
    for (qsizetype i = 0; i < rows.size(); ++i) {
        qsizetype matches = 0;
        for (qsizetype j = 0; j < m_catalogue.size(); ++j)
            matches += shownRow(m_catalogue.at(j)) == rows.at(i);
        QVERIFY2(matches == 1, qPrintable(u"slot "_s + QString::number(i) + u" matches "
                                          + QString::number(matches) + u" records"));
        QCOMPARE(ResolveRegistryLink(m_catalogue, rows.at(i)),
                 LinkOutcome::set(RegistryUrl(m_catalogue.at(i))));
    }
}

QTEST_GUILESS_MAIN(TestCatalogueEdges)
#include "tst_catalogueedges.moc"
