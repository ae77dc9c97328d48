// A whole session with the window: start-up, a few filters, a row click, a
// label click, Clear and closing it. Every object the window made must go
// with it. Under the sanitizer build LeakSanitizer checks the heap at exit
// and fails the run on any leak.
#include "tests/widgets/BrowserStandIn.h"
#include "tests/widgets/FormDriver.h"
#include "ui/Form1.h"
#include "ui/LinkLabel.h"
#include "ui/ResultsListView.h"
#include "ui/SortedComboBox.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWindowLeaks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void session_data();
    void session();

private:
    BrowserStandIn m_browser;
};

void TestWindowLeaks::session_data()
{
    QTest::addColumn<bool>("closeFirst");
    QTest::addRow("closed, then deleted") << true;
    QTest::addRow("deleted while shown") << false;
}

void TestWindowLeaks::session()
{
    QFETCH(bool, closeFirst);
    std::unique_ptr<Form1> form = FormDriver::openProgramWindow();
    QVERIFY(form);

    FormDriver::typeInto(*form->TextModel, u"s"_s);
    FormDriver::typeInto(*form->TextVendorID, u"0"_s);
    QVERIFY(FormDriver::chooseEntry(*form->ComboType, form->ComboType->itemText(1)));
    QVERIFY(FormDriver::chooseEntry(*form->ComboType, QString()));
    FormDriver::eraseAll(*form->TextVendorID);
    QVERIFY(form->ListView1->model()->rowCount() > 0);
    FormDriver::clickRow(*form->ListView1, 0);
    QVERIFY(!form->LabelUrl->text().isEmpty());
    const qsizetype opened = m_browser.opened.size();
    QTest::mouseClick(form->LabelUrl, Qt::LeftButton, Qt::NoModifier,
                      form->LabelUrl->rect().center());
    QCOMPARE(m_browser.opened.size(), opened + 1);
    QTest::mouseClick(form->CommandClear, Qt::LeftButton);
    QVERIFY(form->TextModel->text().isEmpty());

    QList<QPointer<QObject>> made;
    for (QObject *o : form->findChildren<QObject *>())
        made.append(o);
    QVERIFY(made.size() > 14);
    if (closeFirst) {
        QVERIFY(form->close());
        QTest::qWait(1);
    }
    form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<QObject> &o : std::as_const(made))
        QVERIFY2(o.isNull(), qPrintable(o ? o->objectName() + u" outlived the window"_s : QString()));
}

QTEST_MAIN(TestWindowLeaks)
#include "tst_windowleaks.moc"
