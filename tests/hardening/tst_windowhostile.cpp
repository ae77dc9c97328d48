// Hostile text pasted into each of the three text boxes of the real window:
// the list must show exactly the rows the filter rules give for what the
// box then holds, and emptying the box must bring every row back.
#include "catalogue/DeviceCatalogue.h"
#include "tests/support/HostileTexts.h"
#include "tests/support/ReferenceFilter.h"
#include "tests/widgets/FormDriver.h"
#include "ui/Form1.h"
#include "ui/LinkLabel.h"
#include "ui/ResultsListView.h"
#include "ui/SortedComboBox.h"

#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWindowHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void paste_data();
    void paste();

private:
    QLineEdit *box(int index) const;
    SearchCriteria shownCriteria() const;

    std::unique_ptr<Form1> m_form;
};

void TestWindowHostile::initTestCase()
{
    m_form = FormDriver::openProgramWindow();
    QVERIFY(m_form);
}

void TestWindowHostile::cleanupTestCase()
{
    m_form.reset();
}

QLineEdit *TestWindowHostile::box(int index) const
{
    QLineEdit *const boxes[] = {m_form->TextModel, m_form->TextVendorID, m_form->TextModelID};
    return boxes[index];
}

SearchCriteria TestWindowHostile::shownCriteria() const
{
    return {m_form->ComboVendor->currentText(), m_form->ComboType->currentText(),
            m_form->TextModel->text(), m_form->TextVendorID->text(),
            m_form->TextModelID->text()};
}

void TestWindowHostile::paste_data()
{
    QTest::addColumn<int>("boxIndex");
    QTest::addColumn<QString>("text");
    const char *const names[] = {"model", "vendor id", "model id"};
    for (const hostile::Sample &s : hostile::allSamples()) {
        for (int b = 0; b < 3; ++b)
            QTest::addRow("%s: %s", names[b], s.name) << b << s.text;
    }
}

void TestWindowHostile::paste()
{
    QFETCH(int, boxIndex);
    QFETCH(QString, text);
    QLineEdit &edit = *box(boxIndex);
    const DeviceCatalogue &catalogue = FormDriver::builtInCatalogue();
    const QString link = m_form->LabelUrl->text();

    FormDriver::paste(edit, text);
    // The box has no length limit, so it holds the whole paste; the list
    // must match whatever it holds.
    QVERIFY(text.startsWith(edit.text()));
    QCOMPARE(edit.text().size(), qMin(text.size(), qsizetype(edit.maxLength())));
    const SearchCriteria criteria = shownCriteria();
    const QString wrong = reference::checkSelection(
        catalogue, criteria, FormDriver::listedRows(*m_form->ListView1));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QCOMPARE(m_form->LabelUrl->text(), link);

    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QVERIFY(edit.text().isEmpty());
    QCOMPARE(FormDriver::listedRows(*m_form->ListView1), reference::selectDevices(catalogue, {}));
}

QTEST_MAIN(TestWindowHostile)
#include "tst_windowhostile.moc"
