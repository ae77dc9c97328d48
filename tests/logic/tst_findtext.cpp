#include "search/FindText.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CompareMode)

class TestFindText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findText_data();
    void findText();
};

void TestFindText::findText_data()
{
    QTest::addColumn<QString>("searched");
    QTest::addColumn<QString>("sought");
    QTest::addColumn<CompareMode>("mode");
    QTest::addColumn<qsizetype>("position");

    const auto exact = CompareMode::Exact;
    const auto nocase = CompareMode::CaseInsensitive;

    // Rule 1 comes before rule 2: an empty searched text never matches.
    QTest::addRow("both empty, exact") << QString() << QString() << exact << qsizetype(0);
    QTest::addRow("both empty, nocase") << QString() << QString() << nocase << qsizetype(0);
    QTest::addRow("empty searched") << QString() << u"a"_s << exact << qsizetype(0);
    QTest::addRow("empty sought, exact") << u"abc"_s << QString() << exact << qsizetype(1);
    QTest::addRow("empty sought, nocase") << u"abc"_s << QString() << nocase << qsizetype(1);
    QTest::addRow("at start") << u"Emerson Process"_s << u"Emerson"_s << exact << qsizetype(1);
    QTest::addRow("1-based middle") << u"Fieldbus Inc."_s << u"bus"_s << exact << qsizetype(6);
    QTest::addRow("first of two") << u"abcabc"_s << u"bc"_s << exact << qsizetype(2);
    QTest::addRow("at end") << u"Flow,Level"_s << u"Level"_s << exact << qsizetype(6);
    QTest::addRow("absent") << u"Pressure"_s << u"Flow"_s << exact << qsizetype(0);
    QTest::addRow("longer than searched") << u"EJX"_s << u"EJX910"_s << nocase << qsizetype(0);
    QTest::addRow("case differs, exact") << u"Flow"_s << u"flow"_s << exact << qsizetype(0);
    QTest::addRow("case differs, nocase") << u"Flow"_s << u"fLOW"_s << nocase << qsizetype(1);
    QTest::addRow("hex id, nocase") << u"0X452B48"_s << u"452b48"_s << nocase << qsizetype(3);
    QTest::addRow("blank counts, exact") << u"0BE0EC"_s << u"0BE0EC "_s << exact << qsizetype(0);
    QTest::addRow("trailing blank found") << u"0BE0EC "_s << u"EC "_s << exact << qsizetype(5);
    QTest::addRow("umlaut, nocase") << u"Messgeräte"_s << u"RÄTE"_s << nocase << qsizetype(7);
    QTest::addRow("umlaut, exact") << u"Messgeräte"_s << u"RÄTE"_s << exact << qsizetype(0);
    QTest::addRow("greek, nocase") << u"ΣΙΓΜΑ"_s << u"σιγμα"_s << nocase << qsizetype(1);
    QTest::addRow("trade mark sign") << u"DeltaV™ SIS"_s << u"™"_s << exact << qsizetype(7);
    QTest::addRow("registered sign, nocase") << u"Rosemount® 3051"_s << u"T® 3"_s
                                             << nocase << qsizetype(9);
    QTest::addRow("emoji counts two units") << u"a😀b"_s << u"b"_s << exact << qsizetype(4);
    QTest::addRow("single blank") << u"Deltabar S"_s << u" "_s << nocase << qsizetype(9);
    // Long searched texts, where a library search may take another path.
    const QString xs(600, u'x');
    QTest::addRow("emoji after 600 letters, nocase") << xs + u"😀😀😀"_s << u"😀😀😀"_s
                                                     << nocase << qsizetype(601);
    QTest::addRow("deseret case after 600 letters") << xs + u"y\U00010400"_s << u"Y\U00010428"_s
                                                    << nocase << qsizetype(601);
}

void TestFindText::findText()
{
    QFETCH(QString, searched);
    QFETCH(QString, sought);
    QFETCH(CompareMode, mode);
    QFETCH(qsizetype, position);

    QCOMPARE(FindText(searched, sought, mode), position);
}

QTEST_GUILESS_MAIN(TestFindText)
#include "tst_findtext.moc"
