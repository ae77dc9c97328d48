// Each filter through its own control, and Clear, on the built-in catalogue.
#include "catalogue/DeviceCatalogue.h"
#include "tests/widgets/FormDriver.h"
#include "ui/Form1.h"
#include "ui/ResultsListView.h"
#include "ui/SortedComboBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFormFilters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void vendorChoice_data();
    void vendorChoice();
    void typeChoice_data();
    void typeChoice();
    void vendorAndType();
    void textBox_data();
    void textBox();
    void everyKeystrokeRefreshes();
    void idTextDropsRecordsWithoutIds();
    void emptyEntryListsEverything();
    void clearResetsEveryFilter();
    void clearRefreshesInsideEachReset();
    void clearWhenAlreadyEmpty();

private:
    QList<ResultRow> listed() const { return FormDriver::listedRows(*m_form->ListView1); }
    ResultRows expected(const SearchCriteria &c) const
    {
        return FormDriver::selectedRows(c);
    }

    std::unique_ptr<Form1> m_form;
    QList<ResultRow> m_startRows;
};

void TestFormFilters::init()
{
    m_form = FormDriver::openProgramWindow();
    QVERIFY(m_form);
    m_startRows = listed();
    QCOMPARE(m_startRows.size(), 520);
}

void TestFormFilters::cleanup()
{
    m_form.reset();
}

void TestFormFilters::vendorChoice_data()
{
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<int>("count");
    QTest::addRow("Emerson") << u"Emerson Process Management"_s << 50;
    QTest::addRow("Rockwell") << u"Rockwell Automation"_s << 5;
    QTest::addRow("last entry") << u"Yokogawa Electric Corporation"_s << 21;
    // 19: ABB's 267CS took the place of Foxboro's doubtful IMT25.
    QTest::addRow("first name") << u"ABB Automation Products GmbH"_s << 19;
}

void TestFormFilters::vendorChoice()
{
    QFETCH(QString, vendor);
    QFETCH(int, count);
    FormDriver::RefreshCounter refreshes(*m_form->ListView1);

    QVERIFY(FormDriver::chooseEntry(*m_form->ComboVendor, vendor));
    QCOMPARE(refreshes.count(), 1);
    const QList<ResultRow> rows = listed();
    QCOMPARE(rows, expected({vendor, {}, {}, {}, {}}));
    QCOMPARE(rows.size(), count);
    // Every choice selects exactly that vendor's records.
    for (const ResultRow &r : rows)
        QCOMPARE(r.Vendor, vendor);
}

void TestFormFilters::typeChoice_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("count");
    QTest::addRow("Flow") << u"Flow"_s << 50;
    QTest::addRow("Other") << u"Other"_s << 54;
    QTest::addRow("Wiring Components") << u"Wiring Components"_s << 58;
}

void TestFormFilters::typeChoice()
{
    QFETCH(QString, type);
    QFETCH(int, count);
    QVERIFY(FormDriver::chooseEntry(*m_form->ComboType, type));
    const QList<ResultRow> rows = listed();
    QCOMPARE(rows, expected({{}, type, {}, {}, {}}));
    QCOMPARE(rows.size(), count);
    for (const ResultRow &r : rows)
        QVERIFY(r.Type.contains(type));
}

void TestFormFilters::vendorAndType()
{
    QVERIFY(FormDriver::chooseEntry(*m_form->ComboVendor, u"Emerson Process Management"_s));
    QVERIFY(FormDriver::chooseEntry(*m_form->ComboType, u"Flow"_s));
    const QList<ResultRow> rows = listed();
    QCOMPARE(rows.size(), 7);
    QCOMPARE(rows, expected({u"Emerson Process Management"_s, u"Flow"_s, {}, {}, {}}));
    // Choosing the other list again keeps the first restriction.
    QVERIFY(FormDriver::chooseEntry(*m_form->ComboType, u"Other"_s));
    QCOMPARE(listed(), expected({u"Emerson Process Management"_s, u"Other"_s, {}, {}, {}}));
}

void TestFormFilters::textBox_data()
{
    using Box = FormDriver::TextBox;
    QTest::addColumn<Box>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addRow("model ejx") << Box::Model << u"ejx"_s << 2;
    // Blanks reach the filter as typed: two models hold a run of two.
    QTest::addRow("model two blanks") << Box::Model << u"  "_s << 2;
    QTest::addRow("vendor id 452b48") << Box::VendorID << u"452b48"_s << 23;
    QTest::addRow("vendor id 0BE0EC") << Box::VendorID << u"0BE0EC"_s << 3;
    QTest::addRow("model id 0x1009") << Box::ModelID << u"0x1009"_s << 1;
    QTest::addRow("model id nothing") << Box::ModelID << u"zzzz"_s << 0;
}

void TestFormFilters::textBox()
{
    using Box = FormDriver::TextBox;
    QFETCH(Box, box);
    QFETCH(QString, text);
    QFETCH(int, count);
    QLineEdit &edit = FormDriver::textBox(*m_form, box);

    FormDriver::typeInto(edit, text);
    QCOMPARE(edit.text(), text);
    const QList<ResultRow> rows = listed();
    QCOMPARE(rows, expected(FormDriver::criteriaFor(box, text)));
    QCOMPARE(rows.size(), count);
    if (box == Box::Model && text == u"ejx"_s) {
        QCOMPARE(rows.at(0).Model, u"EJX"_s);
        QCOMPARE(rows.at(1).Model, u"EJX910"_s);
    }
    if (box == Box::VendorID && text == u"0BE0EC"_s)
        QVERIFY(std::any_of(rows.cbegin(), rows.cend(),
                            [](const ResultRow &r) { return r.VendorID == u"0BE0EC "_s; }));
    if (box == Box::VendorID && text == u"452b48"_s)
        QVERIFY(std::any_of(rows.cbegin(), rows.cend(),
                            [](const ResultRow &r) { return r.VendorID == u"0X452B48"_s; }));
}

void TestFormFilters::everyKeystrokeRefreshes()
{
    FormDriver::RefreshCounter refreshes(*m_form->ListView1);
    FormDriver::typeInto(*m_form->TextModel, u"ejx"_s);
    QCOMPARE(refreshes.count(), 3);
    QCOMPARE(listed().size(), 2);
    FormDriver::eraseAll(*m_form->TextModel);
    QCOMPARE(refreshes.count(), 6);
    QCOMPARE(listed(), m_startRows);
}

void TestFormFilters::idTextDropsRecordsWithoutIds()
{
    int withoutIds = 0;
    for (const ResultRow &r : std::as_const(m_startRows))
        withoutIds += r.VendorID.isEmpty() && r.ModelID.isEmpty();
    QCOMPARE(withoutIds, 205);

    FormDriver::typeInto(*m_form->TextVendorID, u"0"_s);
    const QList<ResultRow> rows = listed();
    QCOMPARE(rows, expected({{}, {}, {}, u"0"_s, {}}));
    for (const ResultRow &r : rows)
        QVERIFY(!r.VendorID.isEmpty());
    FormDriver::eraseAll(*m_form->TextVendorID);
    QCOMPARE(listed(), m_startRows);
}

void TestFormFilters::emptyEntryListsEverything()
{
    QVERIFY(FormDriver::chooseEntry(*m_form->ComboType, u"Host"_s));
    QCOMPARE(listed().size(), 7);
    QVERIFY(FormDriver::chooseEntry(*m_form->ComboType, QString()));
    QCOMPARE(m_form->ComboType->currentIndex(), 0);
    QCOMPARE(listed(), m_startRows);
}

void TestFormFilters::clearResetsEveryFilter()
{
    QVERIFY(FormDriver::chooseEntry(*m_form->ComboVendor, u"Emerson Process Management"_s));
    QVERIFY(FormDriver::chooseEntry(*m_form->ComboType, u"Flow"_s));
    FormDriver::typeInto(*m_form->TextModel, u"3"_s);
    FormDriver::typeInto(*m_form->TextVendorID, u"5"_s);
    FormDriver::typeInto(*m_form->TextModelID, u"0"_s);
    FormDriver::RefreshCounter refreshes(*m_form->ListView1);

    QTest::mouseClick(m_form->CommandClear, Qt::LeftButton);
    QCOMPARE(listed(), m_startRows);
    // Index 0 is the empty entry, not the first name.
    QCOMPARE(m_form->ComboVendor->currentIndex(), 0);
    QCOMPARE(m_form->ComboVendor->currentText(), QString());
    QCOMPARE(m_form->ComboType->currentIndex(), 0);
    QCOMPARE(m_form->ComboType->currentText(), QString());
    for (const QLineEdit *edit : {m_form->TextModel, m_form->TextVendorID, m_form->TextModelID})
        QCOMPARE(edit->text(), QString());
    QCOMPARE(refreshes.count(), 5); // all five changed, each refreshed at once
}

void TestFormFilters::clearRefreshesInsideEachReset()
{
    QVERIFY(FormDriver::chooseEntry(*m_form->ComboVendor, u"Emerson Process Management"_s));
    FormDriver::typeInto(*m_form->TextModelID, u"0"_s);

    // What each refresh saw: the filters reset so far, the others not yet.
    // The type list goes from no entry to the empty entry, which notifies.
    QStringList seen;
    QList<int> rowCounts;
    connect(m_form->ListView1->model(), &QAbstractItemModel::modelReset, m_form.get(), [&] {
        seen.append(m_form->ComboVendor->currentText() + u'|' + QString::number(m_form->ComboType->currentIndex())
                    + u'|' + m_form->TextModelID->text());
        rowCounts.append(m_form->ListView1->model()->rowCount());
    });
    QTest::mouseClick(m_form->CommandClear, Qt::LeftButton);

    QCOMPARE(seen, (QStringList{u"|-1|0"_s, u"|0|0"_s, u"|0|"_s}));
    const int withModelId = int(expected({{}, {}, {}, {}, u"0"_s}).size());
    QCOMPARE(rowCounts, (QList<int>{withModelId, withModelId, 520}));
}

void TestFormFilters::clearWhenAlreadyEmpty()
{
    QTest::mouseClick(m_form->CommandClear, Qt::LeftButton);
    QCOMPARE(listed(), m_startRows);
    QCOMPARE(m_form->ComboVendor->currentIndex(), 0);
    QCOMPARE(m_form->ComboType->currentIndex(), 0);
    FormDriver::RefreshCounter refreshes(*m_form->ListView1);
    QTest::mouseClick(m_form->CommandClear, Qt::LeftButton);
    QCOMPARE(listed(), m_startRows);
    QVERIFY(refreshes.count() <= 5);
}

QTEST_MAIN(TestFormFilters)
#include "tst_form_filters.moc"
