#include "catalogue/DeviceCatalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

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
    // The six-digit form: no "0X", no trailing blanks, leading zeros as many as make six
    // ("01167", "302", "0002000" are 001167, 000302, 002000); nothing else reads as an ID.
    static const QRegularExpression form(u"^(0X)?0*([0-9A-F]{1,6}) *$"_s);
    // Listed by the product registry but in no registered list; the header
    // of CatalogueData.cpp names both with their source.
    static const QSet<QString> namedInDataHeader{u"000104"_s, u"0BDE31"_s};
    QFETCH(QString, vendorId);
    const QRegularExpressionMatch match = form.match(vendorId);
    const QString six = match.hasMatch() ? match.captured(2).rightJustified(6, u'0') : QString();
    QVERIFY2(m_registered.contains(six) || namedInDataHeader.contains(six),
             qPrintable(u'"' + vendorId + u"\" read as \"" + six + u"\" is not registered"));
}

QTEST_GUILESS_MAIN(TestCatalogueVendorIds)
#include "tst_cataloguevendorids.moc"
