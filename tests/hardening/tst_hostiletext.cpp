// Hostile text in the filter boxes: the real filter must give exactly the
// rows that a plain rendition of the rules gives, without crashing.
#include "catalogue/DeviceCatalogue.h"
#include "search/DeviceFilter.h"
#include "search/FindText.h"
#include "tests/support/HostileTexts.h"
#include "tests/support/ReferenceFilter.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CompareMode)

namespace {

enum class Box { Vendor, Type, Model, VendorID, ModelID };

const char *boxName(Box box)
{
    switch (box) {
    case Box::Vendor: return "vendor choice";
    case Box::Type: return "type choice";
    case Box::Model: return "model text";
    case Box::VendorID: return "vendor id text";
    case Box::ModelID: return "model id text";
    }
    return "?";
}

SearchCriteria criteriaWith(Box box, const QString &text)
{
    SearchCriteria c;
    switch (box) {
    case Box::Vendor: c.VendorChoice = text; break;
    case Box::Type: c.TypeChoice = text; break;
    case Box::Model: c.ModelText = text; break;
    case Box::VendorID: c.VendorIDText = text; break;
    case Box::ModelID: c.ModelIDText = text; break;
    }
    return c;
}

QString unit(char16_t u)
{
    return QString(QChar(u));
}

} // namespace

Q_DECLARE_METATYPE(Box)

class TestHostileText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void referenceKnownAnswers_data();
    void referenceKnownAnswers();

    void findText_data();
    void findText();

    void hostileCatalogue_data();
    void hostileCatalogue();

    void builtInCatalogue_data();
    void builtInCatalogue();

private:
    void addBoxRows();

    std::unique_ptr<DeviceCatalogue> m_hostile;
    std::unique_ptr<DeviceCatalogue> m_builtIn;
};

void TestHostileText::initTestCase()
{
    m_hostile = hostile::hostileCatalogue();
    m_builtIn = std::make_unique<DeviceCatalogue>();
    LoadCatalogue(*m_builtIn);
}

// The reference must itself tell right from wrong, or comparing against it
// proves nothing.
void TestHostileText::referenceKnownAnswers_data()
{
    QTest::addColumn<QString>("searched");
    QTest::addColumn<QString>("sought");
    QTest::addColumn<CompareMode>("mode");
    QTest::addColumn<qsizetype>("position");
    QTest::addColumn<qsizetype>("alsoSound"); // another sound answer, or -1

    const auto exact = CompareMode::Exact;
    const auto nocase = CompareMode::CaseInsensitive;
    const QString pair = u"𐐀"_s;

    QTest::addRow("empty searched") << QString() << QString() << nocase << qsizetype(0) << qsizetype(-1);
    QTest::addRow("empty sought") << u"x"_s << QString() << exact << qsizetype(1) << qsizetype(-1);
    QTest::addRow("ascii case") << u"EJX910"_s << u"ejx"_s << nocase << qsizetype(1) << qsizetype(-1);
    QTest::addRow("ascii case, exact") << u"EJX910"_s << u"ejx"_s << exact << qsizetype(0) << qsizetype(-1);
    QTest::addRow("kelvin sign folds to k") << u"ZLK"_s << u"\u212A"_s << nocase << qsizetype(3) << qsizetype(-1);
    QTest::addRow("deseret pair folds") << u"a"_s + pair << u"𐐨"_s << nocase << qsizetype(2) << qsizetype(-1);
    QTest::addRow("deseret pair, exact") << u"a"_s + pair << u"𐐨"_s << exact << qsizetype(0) << qsizetype(-1);
    QTest::addRow("nul counts") << u"Delta\0bar"_s << u"\0b"_s << exact << qsizetype(6) << qsizetype(-1);
    QTest::addRow("low half, exact") << pair + u"a"_s << unit(0xDC00) + u"a"_s << exact << qsizetype(2) << qsizetype(-1);
    QTest::addRow("low half alone") << pair << unit(0xDC00) << nocase << qsizetype(0) << qsizetype(2);
    QTest::addRow("high half") << pair << unit(0xD801) << nocase << qsizetype(1) << qsizetype(-1);
    QTest::addRow("combining mark is its own unit") << u"Cafe\u0301"_s << u"e"_s << nocase << qsizetype(4) << qsizetype(-1);
    QTest::addRow("no full folding") << u"STRASSE"_s << u"ß"_s << nocase << qsizetype(0) << qsizetype(-1);
}

void TestHostileText::referenceKnownAnswers()
{
    QFETCH(QString, searched);
    QFETCH(QString, sought);
    QFETCH(CompareMode, mode);
    QFETCH(qsizetype, position);
    QFETCH(qsizetype, alsoSound);

    QCOMPARE(reference::findText(searched, sought, mode), position);
    QVERIFY(reference::acceptableFind(searched, sought, mode, position));
    for (qsizetype other = 0; other <= searched.size() + 1; ++other) {
        if (other != position)
            QCOMPARE(reference::acceptableFind(searched, sought, mode, other),
                     other == alsoSound);
    }
}

void TestHostileText::findText_data()
{
    QTest::addColumn<QString>("searched");
    QTest::addColumn<QString>("sought");
    QTest::addColumn<CompareMode>("mode");

    const QList<hostile::Sample> partners = {
        {"empty", QString()},
        {"a", u"a"_s},
        {"model", u"Deltabar S"_s},
        {"emoji", u"😀"_s},
        {"lone high", unit(0xD83D)},
        {"lone low", unit(0xDE00)},
        {"deseret small", u"𐐨"_s},
        {"K", u"K"_s},
        {"e", u"e"_s},
        {"nul", u"\0"_s},
        {"line break", u"\r\n"_s},
    };
    const std::pair<CompareMode, const char *> modes[] = {
        {CompareMode::Exact, "exact"}, {CompareMode::CaseInsensitive, "nocase"}};
    for (const auto &[mode, modeName] : modes) {
        for (const hostile::Sample &s : hostile::allSamples()) {
            for (const hostile::Sample &p : partners) {
                QTest::addRow("%s: %s in %s", modeName, p.name, s.name) << s.text << p.text << mode;
                QTest::addRow("%s: %s in %s", modeName, s.name, p.name) << p.text << s.text << mode;
            }
            QTest::addRow("%s: %s in itself", modeName, s.name) << s.text << s.text << mode;
            QTest::addRow("%s: upper %s in %s", modeName, s.name, s.name)
                << s.text << s.text.toUpper() << mode;
            QTest::addRow("%s: %s in padded %s", modeName, s.name, s.name)
                << QString(600, u'.') + s.text + u"tail"_s << s.text + u"tail"_s << mode;
        }
    }
}

void TestHostileText::findText()
{
    QFETCH(QString, searched);
    QFETCH(QString, sought);
    QFETCH(CompareMode, mode);

    const qsizetype found = FindText(searched, sought, mode);
    QVERIFY2(reference::acceptableFind(searched, sought, mode, found),
             qPrintable(u"FindText gave %1, reference %2"_s.arg(found).arg(
                 reference::findText(searched, sought, mode))));
}

void TestHostileText::addBoxRows()
{
    QTest::addColumn<Box>("box");
    QTest::addColumn<QString>("text");

    const Box boxes[] = {Box::Vendor, Box::Type, Box::Model, Box::VendorID, Box::ModelID};
    for (const hostile::Sample &s : hostile::allSamples()) {
        for (const Box box : boxes)
            QTest::addRow("%s: %s", boxName(box), s.name) << box << s.text;
    }
    // The paste as the only content of a field that holds it.
    QTest::addRow("model text: line of the paste")
        << Box::Model << hostile::megabytePaste().left(60);
}

void TestHostileText::hostileCatalogue_data()
{
    addBoxRows();
}

void TestHostileText::hostileCatalogue()
{
    QFETCH(Box, box);
    QFETCH(QString, text);

    const SearchCriteria criteria = criteriaWith(box, text);
    const ResultRows rows = SelectDevices(*m_hostile, criteria);
    const QString wrong = reference::checkSelection(*m_hostile, criteria, rows);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestHostileText::builtInCatalogue_data()
{
    addBoxRows();
}

void TestHostileText::builtInCatalogue()
{
    QFETCH(Box, box);
    QFETCH(QString, text);

    // The built-in texts hold no surrogates, so the answer is unique.
    const SearchCriteria criteria = criteriaWith(box, text);
    QCOMPARE(SelectDevices(*m_builtIn, criteria),
             reference::selectDevices(*m_builtIn, criteria));
}

QTEST_GUILESS_MAIN(TestHostileText)
#include "tst_hostiletext.moc"
