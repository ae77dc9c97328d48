// The link label: set by a click on the list and nothing else, and opened
// by a click on the label.
#include "tests/support/RegistryAddress.h"
#include "tests/widgets/BrowserStandIn.h"
#include "tests/widgets/FormDriver.h"
#include "ui/Form1.h"
#include "ui/LinkLabel.h"
#include "ui/ResultsListView.h"
#include "ui/SortedComboBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ResultRow)

class TestFormLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void clickOnRowSetsAddress_data();
    void clickOnRowSetsAddress();
    void keyboardMovesLeaveLabel();
    void filterChangeAndClearLeaveLabel();
    void clickBesideRowsFollowsSelection();
    void rightClickLeavesLabel();
    void labelClickOpensAddress();
    void emptyLabelOpensNothing();
    void unlistedDeviceStillOpens();
    void labelClickNeedsReleaseInside();

private:
    int rowOf(const ResultRow &row) const;

    std::unique_ptr<Form1> m_form;
    BrowserStandIn m_browser;
};

void TestFormLink::init()
{
    m_browser.opened.clear();
    m_form = FormDriver::openProgramWindow();
    QVERIFY(m_form);
}

void TestFormLink::cleanup()
{
    m_form.reset();
}

int TestFormLink::rowOf(const ResultRow &row) const
{
    return int(FormDriver::listedRows(*m_form->ListView1).indexOf(row));
}

void TestFormLink::clickOnRowSetsAddress_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<ResultRow>("row");
    QTest::addColumn<QString>("linkId");

    QTest::addRow("1757-FFLD") << u"1757-FFLD"_s
        << ResultRow{u"Rockwell Automation"_s, u"1757-FFLD"_s, u"Linking Device"_s, u"00014D"_s, u"0008"_s}
        << u"902"_s;
    QTest::addRow("F809F, plain id") << u"F809F"_s
        << ResultRow{u"MTL Instruments"_s, u"F809F"_s, {}, u"0BE0EC"_s, {}} << u"1275"_s;
    QTest::addRow("F809F, trailing blank") << u"F809F"_s
        << ResultRow{u"MTL Instruments"_s, u"F809F"_s, {}, u"0BE0EC "_s, {}} << u"1340"_s;
    QTest::addRow("Deltabar S, 0X ids") << u"Deltabar S"_s
        << ResultRow{{}, u"Deltabar S"_s, {}, u"0X452B48"_s, u"0X1009"_s} << u"676"_s;
    QTest::addRow("Deltabar S, plain ids") << u"Deltabar S"_s
        << ResultRow{{}, u"Deltabar S"_s, {}, u"452B48"_s, u"1009"_s} << u"1069"_s;
}

void TestFormLink::clickOnRowSetsAddress()
{
    QFETCH(QString, model);
    QFETCH(ResultRow, row);
    QFETCH(QString, linkId);

    FormDriver::typeInto(*m_form->TextModel, model);
    // Rows given only by some of their texts: find the one that agrees.
    const QList<ResultRow> rows = FormDriver::listedRows(*m_form->ListView1);
    int at = -1;
    for (int i = 0; i < rows.size(); ++i) {
        const ResultRow &r = rows.at(i);
        const auto agrees = [](const QString &want, const QString &have) {
            return want.isEmpty() || want == have;
        };
        if (r.Model == row.Model && agrees(row.Vendor, r.Vendor) && agrees(row.Type, r.Type)
            && r.VendorID == row.VendorID && agrees(row.ModelID, r.ModelID))
            at = i;
    }
    QVERIFY2(at >= 0, "row not listed");

    FormDriver::clickRow(*m_form->ListView1, at);
    QCOMPARE(m_form->LabelUrl->text(), registryAddress(linkId));
}

void TestFormLink::keyboardMovesLeaveLabel()
{
    ResultsListView &list = *m_form->ListView1;
    FormDriver::clickRow(list, 5);
    const QString first = m_form->LabelUrl->text();
    QCOMPARE(first, registryAddress(linkIdOf(FormDriver::builtInCatalogue(),
                                             FormDriver::listedRows(list).at(5))));

    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(*list.selectedItem(), FormDriver::listedRows(list).at(7));
    QCOMPARE(m_form->LabelUrl->text(), first);

    // The next click on the list picks the moved selection up.
    FormDriver::clickRow(list, 7);
    const QString seventh = linkIdOf(FormDriver::builtInCatalogue(), FormDriver::listedRows(list).at(7));
    QCOMPARE(m_form->LabelUrl->text(), registryAddress(seventh));
    QVERIFY(m_form->LabelUrl->text() != first);
}

void TestFormLink::filterChangeAndClearLeaveLabel()
{
    FormDriver::clickRow(*m_form->ListView1, 0);
    const QString shown = m_form->LabelUrl->text();
    QVERIFY(!shown.isEmpty());

    FormDriver::typeInto(*m_form->TextModel, u"ejx"_s);
    QCOMPARE(m_form->LabelUrl->text(), shown);
    QVERIFY(FormDriver::chooseEntry(*m_form->ComboType, u"Pressure"_s));
    QCOMPARE(m_form->LabelUrl->text(), shown);
    QTest::mouseClick(m_form->CommandClear, Qt::LeftButton);
    QCOMPARE(m_form->LabelUrl->text(), shown);
    QCOMPARE(m_form->ListView1->model()->rowCount(), 520);
}

void TestFormLink::clickBesideRowsFollowsSelection()
{
    ResultsListView &list = *m_form->ListView1;
    FormDriver::typeInto(*m_form->TextModel, u"ejx"_s);
    QCOMPARE(list.model()->rowCount(), 2);
    FormDriver::clickRow(list, 1);
    const QString second = m_form->LabelUrl->text();
    QVERIFY(!second.isEmpty());

    const QPoint beside = FormDriver::pointBesideRows(list);
    QVERIFY(!beside.isNull());
    // The label follows whatever the list reports as selected.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, beside);
    const std::optional<ResultRow> selected = list.selectedItem();
    QCOMPARE(m_form->LabelUrl->text(),
             selected ? registryAddress(linkIdOf(FormDriver::builtInCatalogue(), *selected)) : QString());

    // A refresh leaves no row selected: a click beside the rows empties it.
    FormDriver::clickRow(list, 1);
    QCOMPARE(m_form->LabelUrl->text(), second);
    FormDriver::typeInto(*m_form->TextModel, u"9"_s);
    QVERIFY(list.model()->rowCount() >= 1);
    QVERIFY(!list.selectedItem());
    QCOMPARE(m_form->LabelUrl->text(), second);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                      FormDriver::pointBesideRows(list));
    QCOMPARE(m_form->LabelUrl->text(), QString());
}

void TestFormLink::rightClickLeavesLabel()
{
    FormDriver::clickRow(*m_form->ListView1, 3);
    const QString shown = m_form->LabelUrl->text();
    FormDriver::clickRow(*m_form->ListView1, 9, Qt::RightButton);
    QCOMPARE(m_form->LabelUrl->text(), shown);
}

void TestFormLink::labelClickOpensAddress()
{
    FormDriver::typeInto(*m_form->TextModel, u"1757-FFLD"_s);
    const int at = rowOf({u"Rockwell Automation"_s, u"1757-FFLD"_s, u"Linking Device"_s,
                          u"00014D"_s, u"0008"_s});
    QVERIFY(at >= 0);
    FormDriver::clickRow(*m_form->ListView1, at);
    QTest::mouseClick(m_form->LabelUrl, Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));

    QCOMPARE(m_browser.opened.size(), 1);
    const QUrl &url = m_browser.opened.constFirst();
    QCOMPARE(QString::fromLatin1(url.toEncoded()), registryAddress(u"902"_s));
    QCOMPARE(url.query(), u"option=com_mtree&task=viewlink&link_id=902&ffbstatus=Registered&Itemid=324"_s);
    QCOMPARE(url.scheme(), u"http"_s);
}

void TestFormLink::emptyLabelOpensNothing()
{
    // Nothing is selected after start-up, so the label is empty.
    QVERIFY(!m_form->ListView1->selectedItem());
    QCOMPARE(m_form->LabelUrl->text(), QString());
    QTest::mouseClick(m_form->LabelUrl, Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
    m_form->LabelUrl_Click();
    QCOMPARE(m_browser.opened.size(), 0);
}

void TestFormLink::unlistedDeviceStillOpens()
{
    FormDriver::clickRow(*m_form->ListView1, 0);
    const QString shown = m_form->LabelUrl->text();
    FormDriver::typeInto(*m_form->TextModelID, u"no such id"_s);
    QCOMPARE(m_form->ListView1->model()->rowCount(), 0);
    QTest::mouseClick(m_form->LabelUrl, Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
    QCOMPARE(m_browser.opened.size(), 1);
    QCOMPARE(QString::fromLatin1(m_browser.opened.constFirst().toEncoded()), shown);
}

void TestFormLink::labelClickNeedsReleaseInside()
{
    FormDriver::clickRow(*m_form->ListView1, 0);
    LinkLabel *label = m_form->LabelUrl;
    QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
    QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, QPoint(20, label->height() + 30));
    QTest::mouseClick(label, Qt::RightButton, Qt::NoModifier, QPoint(20, 8));
    QCOMPARE(m_browser.opened.size(), 0);
}

QTEST_MAIN(TestFormLink)
#include "tst_form_link.moc"
