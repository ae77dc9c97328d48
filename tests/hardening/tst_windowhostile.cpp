// Hostile text pasted into each of the three text boxes of the real window:
// the list must show exactly the rows the filter rules give for what the
// box then holds, and emptying the box must bring every row back.
#include "tests/support/HostileTexts.h"
#include "tests/support/ReferenceFilter.h"
#include "tests/widgets/FormDriver.h"
#include "ui/Form1.h"
#include "ui/LinkLabel.h"
#include "ui/ResultsListView.h"

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

void TestWindowHostile::paste_data()
{
    QTest::addColumn<FormDriver::TextBox>("box");
    QTest::addColumn<QString>("text");
    const char *const names[] = {"model", "vendor id", "model id"};
    for (const hostile::Sample &s : hostile::allSamples()) {
        for (int b = 0; b < 3; ++b)
            QTest::addRow("%s: %s", names[b], s.name) << FormDriver::TextBox(b) << s.text;
    }
}

void TestWindowHostile::paste()
{
    QFETCH(FormDriver::TextBox, box);
    QFETCH(QString, text);
    QLineEdit &edit = FormDriver::textBox(*m_form, box);
    const QString link = m_form->LabelUrl->text();

    FormDriver::paste(edit, text);
    // The box has no length limit and changes nothing: it holds the whole
    // paste, megabyte and line breaks included.
    QCOMPARE(edit.text(), text);
    const QString wrong = reference::checkSelection(FormDriver::builtInCatalogue(),
                                                    FormDriver::criteriaFor(box, text),
                                                    FormDriver::listedRows(*m_form->ListView1));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QCOMPARE(m_form->LabelUrl->text(), link);

    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QVERIFY(edit.text().isEmpty());
    QCOMPARE(FormDriver::listedRows(*m_form->ListView1), FormDriver::selectedRows({}));
}

QTEST_MAIN(TestWindowHostile)
#include "tst_windowhostile.moc"
