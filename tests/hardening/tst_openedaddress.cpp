// Whatever the user does with filters, rows, Clear and the link label, a
// click on the label hands the opener either nothing or an address made of
// the registry prefix, decimal digits and the registry suffix.
#include "catalogue/DeviceCatalogue.h"
#include "tests/support/HostileTexts.h"
#include "tests/support/RegistryAddress.h"
#include "tests/widgets/BrowserStandIn.h"
#include "tests/widgets/FormDriver.h"
#include "ui/Form1.h"
#include "ui/LinkLabel.h"
#include "ui/ResultsListView.h"
#include "ui/SortedComboBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QUrl>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Key clicks can only spell printable ASCII; anything else is pasted.
bool typeable(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x7f;
    });
}

} // namespace

class TestOpenedAddress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void randomUse_data();
    void randomUse();

private:
    enum class Action { Type, Erase, EmptyBox, ChooseVendor, ChooseType, ClickRow,
                        ClickBesideRows, KeyMove, Clear, ClickLabel };

    void perform(Action action, QRandomGenerator &random, QString &log);
    QString somePiece(QRandomGenerator &random) const;
    QLineEdit *someBox(QRandomGenerator &random) const;
    bool isRegistryAddress(const QString &text) const;

    // Any scheme at all would be caught, not only web addresses.
    BrowserStandIn m_opener{{u"http"_s, u"https"_s, u"file"_s, u"ftp"_s, u"mailto"_s}};
    QRegularExpression m_address;
    QSet<QString> m_linkIds;
    std::unique_ptr<Form1> m_form;
};

void TestOpenedAddress::initTestCase()
{
    // Any link id in the place of the written-out address's own.
    const QStringList around = registryAddress(u"0"_s).split(u"link_id=0"_s);
    QCOMPARE(around.size(), 2);
    m_address = QRegularExpression(u"^"_s + QRegularExpression::escape(around.at(0))
                                   + u"link_id=(\\d+)"_s
                                   + QRegularExpression::escape(around.at(1)) + u"$"_s);
    QVERIFY(m_address.isValid());
}

void TestOpenedAddress::init()
{
    m_opener.opened.clear();
    m_form = FormDriver::openProgramWindow();
    QVERIFY(m_form);
    m_linkIds.clear();
    for (qsizetype i = 0; i < FormDriver::builtInCatalogue().size(); ++i)
        m_linkIds.insert(FormDriver::builtInCatalogue().at(i).LinkID);
}

void TestOpenedAddress::cleanup()
{
    m_form.reset();
}

bool TestOpenedAddress::isRegistryAddress(const QString &text) const
{
    const QRegularExpressionMatch match = m_address.match(text);
    return match.hasMatch() && m_linkIds.contains(match.captured(1));
}

QString TestOpenedAddress::somePiece(QRandomGenerator &random) const
{
    const DeviceCatalogue &catalogue = FormDriver::builtInCatalogue();
    switch (random.bounded(4)) {
    case 0: {
        const DeviceRecord &r = catalogue.at(random.bounded(int(catalogue.size())));
        const QString &field = random.bounded(2) ? r.Model : r.VendorID;
        const int start = random.bounded(int(field.size()) + 1);
        const QString piece = field.mid(start, 1 + random.bounded(4));
        return random.bounded(2) ? piece.toLower() : piece;
    }
    case 1: {
        const QList<hostile::Sample> samples = hostile::shortSamples();
        return samples[random.bounded(int(samples.size()))].text;
    }
    case 2:
        return QString(QChar(u'a' + random.bounded(26)));
    default:
        return QString::number(random.bounded(100));
    }
}

QLineEdit *TestOpenedAddress::someBox(QRandomGenerator &random) const
{
    return &FormDriver::textBox(*m_form, FormDriver::TextBox(random.bounded(3)));
}

void TestOpenedAddress::perform(Action action, QRandomGenerator &random, QString &log)
{
    ResultsListView &list = *m_form->ListView1;
    switch (action) {
    case Action::Type: {
        QLineEdit *box = someBox(random);
        const QString piece = somePiece(random);
        if (typeable(piece)) {
            FormDriver::typeInto(*box, piece);
            log += u"type into "_s + box->objectName();
        } else {
            FormDriver::paste(*box, piece);
            log += u"paste into "_s + box->objectName();
        }
        break;
    }
    case Action::Erase: {
        QLineEdit *box = someBox(random);
        box->setFocus(Qt::MouseFocusReason);
        for (int n = random.bounded(1, 4); n > 0; --n)
            QTest::keyClick(box, Qt::Key_Backspace);
        log += u"erase in "_s + box->objectName();
        break;
    }
    case Action::EmptyBox: {
        QLineEdit *box = someBox(random);
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        log += u"empty "_s + box->objectName();
        break;
    }
    case Action::ChooseVendor:
    case Action::ChooseType: {
        SortedComboBox *combo = action == Action::ChooseVendor ? m_form->ComboVendor
                                                               : m_form->ComboType;
        const QString entry = combo->itemText(random.bounded(combo->count()));
        QVERIFY(FormDriver::chooseEntry(*combo, entry));
        log += u"choose \""_s + entry + u"\""_s;
        break;
    }
    case Action::ClickRow:
        if (list.model()->rowCount() > 0) {
            const int row = random.bounded(list.model()->rowCount());
            FormDriver::clickRow(list, row);
            log += u"click row %1"_s.arg(row);
        }
        break;
    case Action::ClickBesideRows: {
        const QPoint beside = FormDriver::pointBesideRows(list);
        if (!beside.isNull()) {
            QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, beside);
            log += u"click beside rows"_s;
        }
        break;
    }
    case Action::KeyMove:
        list.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&list, random.bounded(2) ? Qt::Key_Down : Qt::Key_Up);
        log += u"move selection by key"_s;
        break;
    case Action::Clear:
        QTest::mouseClick(m_form->CommandClear, Qt::LeftButton);
        log += u"Clear"_s;
        break;
    case Action::ClickLabel: {
        const QString shown = m_form->LabelUrl->text();
        const qsizetype before = m_opener.opened.size();
        QTest::mouseClick(m_form->LabelUrl, Qt::LeftButton, Qt::NoModifier,
                          m_form->LabelUrl->rect().center());
        log += u"click label"_s;
        if (shown.isEmpty()) {
            QVERIFY2(m_opener.opened.size() == before, qPrintable(log));
        } else {
            QVERIFY2(m_opener.opened.size() == before + 1, qPrintable(log));
            QCOMPARE(m_opener.opened.last().toString(), shown);
        }
        break;
    }
    }
}

void TestOpenedAddress::randomUse_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 8; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void TestOpenedAddress::randomUse()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    QString log;
    int labelClicks = 0;
    for (int step = 0; step < 80; ++step) {
        // Label clicks and row clicks come often, so that addresses get opened.
        const int pick = random.bounded(14);
        const Action action = pick >= 10 ? (pick >= 12 ? Action::ClickLabel : Action::ClickRow)
                                         : Action(pick);
        labelClicks += action == Action::ClickLabel;
        log += u"; "_s;
        perform(action, random, log);
        if (QTest::currentTestFailed())
            return;
        const QString shown = m_form->LabelUrl->text();
        QVERIFY2(shown.isEmpty() || isRegistryAddress(shown),
                 qPrintable(u"label shows \""_s + shown + u"\" after "_s + log));
    }
    QVERIFY(labelClicks > 0);
    for (const QUrl &url : std::as_const(m_opener.opened))
        QVERIFY2(isRegistryAddress(url.toString()), qPrintable(url.toString()));
    qInfo("%lld addresses opened in %d label clicks", qlonglong(m_opener.opened.size()),
          labelClicks);
}

QTEST_MAIN(TestOpenedAddress)
#include "tst_openedaddress.moc"
