#include "search/DeviceFilter.h"
#include "search/RegistryLink.h"
#include "tests/logic/TestCatalogue.h"
#include "tests/support/RegistryAddress.h"
#include "tests/support/ShownRow.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ResultRow)
Q_DECLARE_METATYPE(LinkOutcome)

class TestRegistryLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addressIsPrefixLinkIdSuffix();
    void addressQueryKeys();
    void noSelectedRowEmptiesTheLink();
    void resolve_data();
    void resolve();
    void identicalRowsHigherSlotWins();
};

namespace {

const DeviceRecord rockwell{u"902"_s, u"Rockwell Automation"_s, u"1757-FFLD"_s,
                            u"Linking Device"_s, u"00014D"_s, u"0008"_s};
const DeviceRecord mtl{u"1275"_s, u"MTL Instruments"_s, u"F809F"_s, u"Other"_s,
                       u"0BE0EC"_s, u"0001"_s};
const DeviceRecord mtlBlank{u"1340"_s, u"MTL Instruments"_s, u"F809F"_s, u"Other"_s,
                            u"0BE0EC "_s, u"0001"_s};
const DeviceRecord deltabar0x{u"676"_s, u"Endress + Hauser"_s, u"Deltabar S"_s,
                              u"Pressure"_s, u"0X452B48"_s, u"0X1009"_s};
const DeviceRecord deltabar{u"1069"_s, u"Endress + Hauser"_s, u"Deltabar S"_s,
                            u"Pressure"_s, u"452B48"_s, u"1009"_s};
const DeviceRecord noIds{u"604"_s, u"Fieldbus Inc."_s, u"100 Series"_s,
                         u"Development Solutions"_s, {}, {}};

DeviceRecord withLink(DeviceRecord record, const QString &linkId)
{
    record.LinkID = linkId;
    return record;
}

} // namespace

void TestRegistryLink::addressIsPrefixLinkIdSuffix()
{
    QVERIFY(RegistryUrlPrefix().startsWith(u"http://"_s));
    QVERIFY(RegistryUrlPrefix().endsWith(
        u"/index.php?option=com_mtree&task=viewlink&link_id="_s));
    QCOMPARE(RegistryUrlSuffix(), u"&ffbstatus=Registered&Itemid=324"_s);
    QCOMPARE(RegistryUrl(rockwell), registryAddress(u"902"_s));
}

void TestRegistryLink::addressQueryKeys()
{
    const QUrl url(RegistryUrl(rockwell), QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QCOMPARE(url.scheme(), u"http"_s);
    QVERIFY(!url.host().isEmpty());
    QCOMPARE(url.path(), u"/index.php"_s);
    const auto items = QUrlQuery(url).queryItems();
    const QList<std::pair<QString, QString>> expected{
        {u"option"_s, u"com_mtree"_s}, {u"task"_s, u"viewlink"_s}, {u"link_id"_s, u"902"_s},
        {u"ffbstatus"_s, u"Registered"_s}, {u"Itemid"_s, u"324"_s}};
    QCOMPARE(items, expected);
}

void TestRegistryLink::noSelectedRowEmptiesTheLink()
{
    const DeviceCatalogue catalogue = makeCatalogue({rockwell});
    QCOMPARE(ResolveRegistryLink(catalogue, std::nullopt), LinkOutcome::set(QString()));
}

void TestRegistryLink::resolve_data()
{
    QTest::addColumn<ResultRow>("selected");
    QTest::addColumn<LinkOutcome>("outcome");

    QTest::addRow("plain match") << shownRow(rockwell) << LinkOutcome::set(registryAddress(u"902"_s));
    QTest::addRow("vendor id without blank") << shownRow(mtl)
                                             << LinkOutcome::set(registryAddress(u"1275"_s));
    QTest::addRow("vendor id with blank") << shownRow(mtlBlank)
                                          << LinkOutcome::set(registryAddress(u"1340"_s));
    QTest::addRow("0X prefixed ids") << shownRow(deltabar0x)
                                     << LinkOutcome::set(registryAddress(u"676"_s));
    QTest::addRow("plain ids") << shownRow(deltabar) << LinkOutcome::set(registryAddress(u"1069"_s));
    QTest::addRow("empty ids") << shownRow(noIds) << LinkOutcome::set(registryAddress(u"604"_s));

    ResultRow caseDiffers = shownRow(rockwell);
    caseDiffers.Model = u"1757-ffld"_s;
    QTest::addRow("case differs: keep") << caseDiffers << LinkOutcome::keep();

    ResultRow blankAdded = shownRow(rockwell);
    blankAdded.ModelID = u"0008 "_s;
    QTest::addRow("trailing blank added: keep") << blankAdded << LinkOutcome::keep();

    QTest::addRow("all empty texts: keep") << ResultRow{} << LinkOutcome::keep();
}

void TestRegistryLink::resolve()
{
    QFETCH(ResultRow, selected);
    QFETCH(LinkOutcome, outcome);

    const DeviceCatalogue catalogue =
        makeCatalogue({rockwell, mtl, mtlBlank, deltabar0x, deltabar, noIds});
    QCOMPARE(ResolveRegistryLink(catalogue, selected), outcome);
}

void TestRegistryLink::identicalRowsHigherSlotWins()
{
    const DeviceRecord low = withLink(rockwell, u"1111"_s);
    const DeviceRecord high = withLink(rockwell, u"2222"_s);
    const ResultRow row = shownRow(rockwell);

    QCOMPARE(ResolveRegistryLink(makeCatalogue({low, noIds, high}), row),
             LinkOutcome::set(registryAddress(u"2222"_s)));
    QCOMPARE(ResolveRegistryLink(makeCatalogue({high, noIds, low}), row),
             LinkOutcome::set(registryAddress(u"1111"_s)));
}

QTEST_GUILESS_MAIN(TestRegistryLink)
#include "tst_registrylink.moc"
