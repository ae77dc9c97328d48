#include "catalogue/DeviceCatalogue.h"
#include "catalogue/ListOrder.h"
#include "catalogue/PickLists.h"
#include "search/DeviceFilter.h"
#include "tests/catalogue/CatalogueTexts.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace CatalogueTexts;

// The two pick lists against each other and against the catalogue.
class TestPickLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void listSizes();
    void listsHaveNoEmptyOrRepeatedEntry();
    void noVendorNameBeginsAnother();
    void noTypeNameInsideAnother();
    void listsAreInListOrder_data();
    void listsAreInListOrder();
    void hyphensIgnoredInVendorOrder();
    void vendorChoiceSelectsExactlyItsRows_data();
    void vendorChoiceSelectsExactlyItsRows();
    void typeChoiceSelectsExactlyItsRows_data();
    void typeChoiceSelectsExactlyItsRows();
    void everyRowUsesListedNames();

private:
    DeviceCatalogue m_catalogue;
};

namespace {

QStringList namesOf(std::span<const QStringView> list)
{
    QStringList names;
    for (QStringView name : list)
        names << name.toString();
    return names;
}

} // namespace

void TestPickLists::initTestCase()
{
    LoadCatalogue(m_catalogue);
}

void TestPickLists::listSizes()
{
    QCOMPARE(vendorPickList().size(), std::size_t(93));
    QCOMPARE(typePickList().size(), std::size_t(15));
}

void TestPickLists::listsHaveNoEmptyOrRepeatedEntry()
{
    for (const QStringList &names : {namesOf(vendorPickList()), namesOf(typePickList())}) {
        QVERIFY(!names.contains(QString()));
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    }
}

void TestPickLists::noVendorNameBeginsAnother()
{
    const QStringList names = namesOf(vendorPickList());
    for (const QString &a : names) {
        for (const QString &b : names) {
            if (a != b)
                QVERIFY2(!b.startsWith(a, Qt::CaseInsensitive), qPrintable(a + u" / " + b));
        }
    }
}

void TestPickLists::noTypeNameInsideAnother()
{
    const QStringList names = namesOf(typePickList());
    for (const QString &a : names) {
        for (const QString &b : names) {
            if (a != b)
                QVERIFY2(!b.contains(a), qPrintable(a + u" / " + b));
        }
    }
}

void TestPickLists::listsAreInListOrder_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addRow("vendors") << namesOf(vendorPickList());
    QTest::addRow("types") << namesOf(typePickList());
}

void TestPickLists::listsAreInListOrder()
{
    QFETCH(QStringList, names);
    for (qsizetype i = 0; i + 1 < names.size(); ++i) {
        QVERIFY2(listOrderLess(names.at(i), names.at(i + 1)),
                 qPrintable(names.at(i) + u" before " + names.at(i + 1)));
        QVERIFY2(!listOrderLess(names.at(i + 1), names.at(i)),
                 qPrintable(names.at(i + 1) + u" not before " + names.at(i)));
    }
}

void TestPickLists::hyphensIgnoredInVendorOrder()
{
    const QStringList names = namesOf(vendorPickList());
    const qsizetype at = names.indexOf(u"KOSO America Inc."_s);
    QVERIFY(at >= 0);
    QCOMPARE(names.mid(at, 4), (QStringList{u"KOSO America Inc."_s, u"K-Patents Oy"_s,
                                            u"Krohne Messtechnik GmbH"_s, u"K-TEK"_s}));
}

void TestPickLists::vendorChoiceSelectsExactlyItsRows_data()
{
    QTest::addColumn<QString>("vendor");
    for (QStringView name : vendorPickList())
        QTest::newRow(qUtf8Printable(name.toString())) << name.toString();
}

void TestPickLists::vendorChoiceSelectsExactlyItsRows()
{
    QFETCH(QString, vendor);
    qsizetype own = 0;
    for (qsizetype i = 0; i < m_catalogue.size(); ++i)
        own += m_catalogue.at(i).Vendor == vendor;

    const ResultRows rows = SelectDevices(m_catalogue, {vendor, {}, {}, {}, {}});
    QVERIFY2(!rows.isEmpty(), "the entry admits no row");
    QCOMPARE(rows.size(), own);
    for (const ResultRow &row : rows)
        QCOMPARE(row.Vendor, vendor);
}

void TestPickLists::typeChoiceSelectsExactlyItsRows_data()
{
    QTest::addColumn<QString>("type");
    for (QStringView name : typePickList())
        QTest::newRow(qUtf8Printable(name.toString())) << name.toString();
}

void TestPickLists::typeChoiceSelectsExactlyItsRows()
{
    QFETCH(QString, type);
    qsizetype own = 0;
    for (qsizetype i = 0; i < m_catalogue.size(); ++i)
        own += typeNames(m_catalogue.at(i)).contains(type);

    const ResultRows rows = SelectDevices(m_catalogue, {{}, type, {}, {}, {}});
    QVERIFY2(!rows.isEmpty(), "the entry admits no row");
    QCOMPARE(rows.size(), own);
}

void TestPickLists::everyRowUsesListedNames()
{
    const QStringList vendors = namesOf(vendorPickList());
    const QStringList types = namesOf(typePickList());
    for (qsizetype i = 0; i < m_catalogue.size(); ++i) {
        const DeviceRecord &r = m_catalogue.at(i);
        QVERIFY2(vendors.contains(r.Vendor), qPrintable(r.Vendor));
        for (const QString &name : typeNames(r))
            QVERIFY2(types.contains(name), qPrintable(r.Type));
    }
}

QTEST_GUILESS_MAIN(TestPickLists)
#include "tst_picklists.moc"
