#include "catalogue/DeviceCatalogue.h"

#include <QFile>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

// Every vendor ID of the catalogue, read as the six hex digits a device
// reports in MANUFAC_ID, is a manufacturer ID registered with the Fieldbus
// Foundation (data/ff-manufacturer-ids.tsv, whose header names its source).
class TestCatalogueVendorIds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void vendorIdIsRegistered_data();
    void vendorIdIsRegistered();

private:
    QSet<QString> m_registered;
};

namespace {

// "0X452B48", "454E4F ", "01167", "0002000" read as "452B48", "454E4F",
// "001167", "002000"; empty for anything else than one upper-case hex
// number of at most six significant digits.
QString sixDigitForm(QString id)
{
    while (id.endsWith(u' '))
        id.chop(1);
    if (id.startsWith(u"0X"))
        id.remove(0, 2);
    const bool hex = !id.isEmpty() && std::all_of(id.cbegin(), id.cend(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
    });
    while (id.size() > 6 && id.startsWith(u'0'))
        id.remove(0, 1);
    return hex && id.size() <= 6 ? id.rightJustified(6, u'0') : QString();
}

} // namespace

void TestCatalogueVendorIds::initTestCase()
{
    QFile file(QStringLiteral(MANUFACTURER_IDS_FILE));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine());
        if (!line.startsWith(u'#'))
            m_registered.insert(line.section(u'\t', 0, 0));
    }
    QCOMPARE(m_registered.size(), 116); // the dictionary's count of registered makers
}

void TestCatalogueVendorIds::vendorIdIsRegistered_data()
{
    QTest::addColumn<QString>("vendorId");
    DeviceCatalogue catalogue;
    LoadCatalogue(catalogue);
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        const DeviceRecord &r = catalogue.at(i);
        if (!r.VendorID.isEmpty())
            QTest::addRow("slot %lld %s, %s", qlonglong(i), qPrintable(r.Vendor), qPrintable(r.Model))
                << r.VendorID;
    }
}

void TestCatalogueVendorIds::vendorIdIsRegistered()
{
    // Listed by the product registry but in no registered list; the header
    // of CatalogueData.cpp names both with their source.
    static const QSet<QString> namedInDataHeader{u"000104"_s, u"0BDE31"_s};
    QFETCH(QString, vendorId);
    const QString six = sixDigitForm(vendorId);
    QVERIFY2(m_registered.contains(six) || namedInDataHeader.contains(six),
             qPrintable(u'"' + vendorId + u"\" read as \"" + six + u"\" is not registered"));
}

QTEST_GUILESS_MAIN(TestCatalogueVendorIds)
#include "tst_cataloguevendorids.moc"
