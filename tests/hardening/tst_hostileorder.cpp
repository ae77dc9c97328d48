// The list order on hostile texts: antisymmetric, transitive, in line with
// the plain key rendition, and sorting independent of the input order.
#include "catalogue/DeviceRecord.h"
#include "catalogue/PickLists.h"
#include "tests/support/HostileTexts.h"
#include "tests/support/OrderChecks.h"

#include <QTest>

#include <vector>

using namespace Qt::StringLiterals;

class TestHostileOrder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pair_data();
    void pair();
    void triples();
    void sorting();
    void rowOrder();

private:
    static QList<hostile::Sample> texts();
};

QList<hostile::Sample> TestHostileOrder::texts()
{
    QList<hostile::Sample> t = hostile::shortSamples();
    t.append({"empty", QString()});
    t.append({"hyphens only", u"--"_s});
    t.append({"hyphenated vendor", u"K-Patents Oy"_s});
    t.append({"vendor", u"KOSO America Inc."_s});
    t.append({"digits", u"3051"_s});
    t.append({"pair then hyphen", u"𐐀-"_s});
    t.append({"hyphen between pair halves", QString(QChar(0xD801)) + u"-"_s + QChar(0xDC00)});
    return t;
}

void TestHostileOrder::pair_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    const QList<hostile::Sample> t = texts();
    for (const hostile::Sample &a : t) {
        for (const hostile::Sample &b : t)
            QTest::addRow("%s vs %s", a.name, b.name) << a.text << b.text;
    }
}

void TestHostileOrder::pair()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    const QString broken = orderchecks::checkPair(a, b);
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

void TestHostileOrder::triples()
{
    const QList<hostile::Sample> t = texts();
    for (const hostile::Sample &a : t) {
        for (const hostile::Sample &b : t) {
            for (const hostile::Sample &c : t) {
                const QString broken = orderchecks::checkTriple(a.text, b.text, c.text);
                QVERIFY2(broken.isEmpty(), qPrintable(broken));
            }
        }
    }
}

void TestHostileOrder::sorting()
{
    QList<QString> all;
    for (const hostile::Sample &s : texts())
        all.append(s.text);
    for (const QStringView name : vendorPickList())
        all.append(name.toString());
    all.append(hostile::megabytePaste());
    const QString broken = orderchecks::checkSorting(all);
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

void TestHostileOrder::rowOrder()
{
    std::vector<DeviceRecord> records;
    const QList<hostile::Sample> t = texts();
    for (qsizetype i = 0; i < t.size(); ++i) {
        DeviceRecord r;
        r.Model = t[i].text;
        r.Vendor = t[(i * 7) % t.size()].text;
        r.LinkID = i % 3 == 0 ? u"x"_s : QString::number(i % 5);
        records.push_back(r);
    }
    const QString broken = orderchecks::checkRowOrder(records);
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

QTEST_GUILESS_MAIN(TestHostileOrder)
#include "tst_hostileorder.moc"
