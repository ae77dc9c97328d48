#include "catalogue/DeviceRecord.h"
#include "catalogue/ListOrder.h"
#include "catalogue/PickLists.h"
#include "tests/support/CatalogueRowOrder.h"

#include <QRandomGenerator>
#include <QStringList>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

class TestListOrder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void before_data();
    void before();
    void equalKeys_data();
    void equalKeys();
    void pickListsAreInListOrder();
    void sortingRestoresVendorOrder();
    void catalogueRowOrder_data();
    void catalogueRowOrder();
};

void TestListOrder::before_data()
{
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("higher");

    QTest::addRow("empty before everything") << QString() << u" "_s;
    QTest::addRow("empty before digit") << QString() << u"0"_s;
    QTest::addRow("empty before hyphen-only text") << QString() << u"-"_s;
    QTest::addRow("digit before hyphenated letter")
        << u"AT100, AT100S, AT200"_s << u"AT-FBUS Interface"_s;
    QTest::addRow("hyphens ignored, later letters decide")
        << u"Hawk FF Level Series - AWF-XXXX"_s << u"Hawk FF Level Series - AW-XXXX"_s;
    QTest::addRow("KOSO before K-Patents") << u"KOSO America Inc."_s << u"K-Patents Oy"_s;
    QTest::addRow("K-Patents before Krohne") << u"K-Patents Oy"_s << u"Krohne Messtechnik GmbH"_s;
    QTest::addRow("Krohne before K-TEK") << u"Krohne Messtechnik GmbH"_s << u"K-TEK"_s;
    QTest::addRow("case ignored") << u"ABB Automation Products GmbH"_s
                                  << u"Advanced Process Automation Technologies - APAT"_s;
    QTest::addRow("blank before letter") << u"Moore Industries-International, Inc."_s
                                         << u"MooreHawke"_s;
    QTest::addRow("blank before digit") << u"FF 2000"_s << u"FF2000"_s;
    QTest::addRow("punctuation before digit") << u"R. Stahl"_s << u"R2"_s;
    QTest::addRow("punctuation before letter") << u"Fieldbus Inc."_s << u"Fieldbus International"_s;
    QTest::addRow("digit before letter") << u"3051"_s << u"A"_s;
    QTest::addRow("digits by character, not value") << u"AT100"_s << u"AT20"_s;
    QTest::addRow("prefix first") << u"VEGA"_s << u"VEGABAR"_s;
    QTest::addRow("umlaut is a letter") << u"9"_s << u"Ä"_s;
    QTest::addRow("sign is punctuation") << u"DeltaV™"_s << u"DeltaV1"_s;
    QTest::addRow("tie broken by code units") << u"BUSwitch"_s << u"Buswitch"_s;
    QTest::addRow("tie with hyphen broken by code units") << u"A-B"_s << u"AB"_s;
}

void TestListOrder::before()
{
    QFETCH(QString, lower);
    QFETCH(QString, higher);

    QVERIFY(listOrderLess(lower, higher));
    QVERIFY(!listOrderLess(higher, lower));
    QVERIFY(compareListOrder(lower, higher) < 0);
    QVERIFY(compareListOrder(higher, lower) > 0);
    QVERIFY(compareListKeys(lower, higher) <= 0);
    QVERIFY(!listOrderLess(lower, lower));
}

void TestListOrder::equalKeys_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");

    QTest::addRow("case") << u"Buswitch"_s << u"BUSwitch"_s;
    QTest::addRow("hyphen") << u"K-TEK"_s << u"KTEK"_s;
    QTest::addRow("hyphens and case") << u"at-fbus"_s << u"ATFBUS"_s;
    QTest::addRow("only hyphens") << u"--"_s << QString();
}

void TestListOrder::equalKeys()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QCOMPARE(compareListKeys(a, b), 0);
    QCOMPARE(compareListKeys(b, a), 0);
    // The total order still tells them apart, one way only.
    QVERIFY(listOrderLess(a, b) != listOrderLess(b, a));
}

void TestListOrder::pickListsAreInListOrder()
{
    for (const auto list : {vendorPickList(), typePickList()}) {
        for (std::size_t i = 1; i < list.size(); ++i) {
            QVERIFY2(listOrderLess(list[i - 1], list[i]),
                     qPrintable(list[i - 1].toString() + u" / "_s + list[i].toString()));
        }
        QVERIFY(listOrderLess(QString(), list.front()));
    }
}

void TestListOrder::sortingRestoresVendorOrder()
{
    QStringList expected;
    for (QStringView name : vendorPickList())
        expected.append(name.toString());
    expected.prepend(QString());

    QStringList shuffled = expected;
    const quint32 seed = 20261209;
    qInfo("shuffled with seed %u", seed);
    QRandomGenerator random(seed);
    for (int round = 0; round < 20; ++round) {
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        std::sort(shuffled.begin(), shuffled.end(),
                  [](const QString &a, const QString &b) { return listOrderLess(a, b); });
        QCOMPARE(shuffled, expected);
    }
}

Q_DECLARE_METATYPE(DeviceRecord)

void TestListOrder::catalogueRowOrder_data()
{
    QTest::addColumn<DeviceRecord>("first");
    QTest::addColumn<DeviceRecord>("second");

    auto row = [](const QString &link, const QString &vendor, const QString &model) {
        return DeviceRecord{link, vendor, model, u"Other"_s, {}, {}};
    };
    QTest::addRow("model decides") << row(u"900"_s, u"Z"_s, u"AT100, AT100S, AT200"_s)
                                   << row(u"600"_s, u"A"_s, u"AT-FBUS Interface"_s);
    QTest::addRow("equal models: vendor decides")
        << row(u"1400"_s, u"Automax/Accord Controls"_s, u"Buswitch"_s)
        << row(u"700"_s, u"Flowserve Corporation"_s, u"BUSwitch"_s);
    QTest::addRow("same model and vendor: link id as number")
        << row(u"1275"_s, u"MTL Instruments"_s, u"F809F"_s)
        << row(u"1340"_s, u"MTL Instruments"_s, u"F809F"_s);
    QTest::addRow("link id as number, not text")
        << row(u"999"_s, u"MTL Instruments"_s, u"F809F"_s)
        << row(u"1000"_s, u"MTL Instruments"_s, u"F809F"_s);
}

void TestListOrder::catalogueRowOrder()
{
    QFETCH(DeviceRecord, first);
    QFETCH(DeviceRecord, second);
    QVERIFY(catalogueRowLess(first, second));
    QVERIFY(!catalogueRowLess(second, first));
    QVERIFY(!catalogueRowLess(first, first));
}

QTEST_GUILESS_MAIN(TestListOrder)
#include "tst_listorder.moc"
