// The program's window right after start-up: list, headers, drop-downs,
// text boxes, link label, focus, fonts, geometry and accessible names.
#include "catalogue/DeviceCatalogue.h"
#include "catalogue/PickLists.h"
#include "tests/support/RegistryAddress.h"
#include "tests/support/ShownRow.h"
#include "tests/widgets/FormDriver.h"
#include "ui/DesignLayout.h"
#include "ui/Form1.h"
#include "ui/LinkLabel.h"
#include "ui/ResultsListView.h"
#include "ui/SortedComboBox.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestFormStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void listsEveryDeviceInSlotOrder();
    void fiveHeadersInOrder();
    void pickListsLoadedWithNothingChosen();
    void textBoxesEmpty();
    void linkLabelReplacesPlaceholder();
    void focusOnComboVendor();
    void startUpRefreshesOnceAndNotifiesNothing();
    void captionAndDesignClientSize();
    void fourteenNamedControls();
    void captionLabelsAtDesignPlaces();
    void fontEverywhere();
    void linkLabelStyle();
    void windowsStyleOnWindows();
    void clearIsNeitherDefaultNorCancel();
    void accessibleNames();
    void focusOrder_data();
    void focusOrder();

private:
    std::unique_ptr<Form1> m_form;
};

void TestFormStartup::init()
{
    m_form = FormDriver::openProgramWindow();
    QVERIFY(m_form);
}

void TestFormStartup::cleanup()
{
    m_form.reset();
}

void TestFormStartup::listsEveryDeviceInSlotOrder()
{
    const QList<ResultRow> rows = FormDriver::listedRows(*m_form->ListView1);
    QCOMPARE(rows.size(), 520);
    const DeviceCatalogue &catalogue = FormDriver::builtInCatalogue();
    for (qsizetype i = 0; i < catalogue.size(); ++i)
        QCOMPARE(rows.at(i), shownRow(catalogue.at(i)));
}

void TestFormStartup::fiveHeadersInOrder()
{
    const ResultsListView &list = *m_form->ListView1;
    QVERIFY(list.horizontalHeader()->isVisible());
    QCOMPARE(list.horizontalHeader()->count(), 5);
    const QStringList expected{u"Vendor"_s, u"Model"_s, u"Type"_s, u"Vendor ID"_s, u"Model ID"_s};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(list.model()->headerData(i, Qt::Horizontal).toString(), expected.at(i));
        QCOMPARE(list.horizontalHeader()->visualIndex(i), i);
    }
}

void TestFormStartup::pickListsLoadedWithNothingChosen()
{
    const struct {
        const SortedComboBox *combo;
        std::span<const QStringView> names;
        int count;
    } lists[] = {{m_form->ComboVendor, vendorPickList(), 94}, {m_form->ComboType, typePickList(), 16}};
    for (const auto &l : lists) {
        QCOMPARE(l.combo->count(), l.count);
        QCOMPARE(l.combo->itemText(0), QString());
        for (int i = 1; i < l.count; ++i)
            QCOMPARE(l.combo->itemText(i), l.names[std::size_t(i - 1)].toString());
        QCOMPARE(l.combo->currentIndex(), -1);
        QCOMPARE(l.combo->currentText(), QString());
        QVERIFY(!l.combo->isEditable());
    }
    // Hyphens and case are ignored in the order.
    const QComboBox &v = *m_form->ComboVendor;
    QVERIFY(v.findText(u"KOSO America Inc."_s) < v.findText(u"K-Patents Oy"_s));
    QVERIFY(v.findText(u"K-Patents Oy"_s) < v.findText(u"Krohne Messtechnik GmbH"_s));
    QVERIFY(v.findText(u"Krohne Messtechnik GmbH"_s) < v.findText(u"K-TEK"_s));
}

void TestFormStartup::textBoxesEmpty()
{
    for (const QLineEdit *edit : {m_form->TextModel, m_form->TextVendorID, m_form->TextModelID}) {
        QCOMPARE(edit->text(), QString());
        QCOMPARE(edit->maxLength(), std::numeric_limits<int>::max()); // no length limit
        QVERIFY(!edit->isReadOnly());
    }
}

void TestFormStartup::linkLabelReplacesPlaceholder()
{
    const std::optional<ResultRow> selected = m_form->ListView1->selectedItem();
    const QString text = m_form->LabelUrl->text();
    QVERIFY(!text.contains(u"invalid"_s));
    if (selected)
        QCOMPARE(text, registryAddress(linkIdOf(FormDriver::builtInCatalogue(), *selected)));
    else
        QCOMPARE(text, QString());
}

void TestFormStartup::focusOnComboVendor()
{
    QCOMPARE(QApplication::focusWidget(), m_form->ComboVendor);
}

void TestFormStartup::startUpRefreshesOnceAndNotifiesNothing()
{
    Form1 form;
    FormDriver::RefreshCounter refreshes(*form.ListView1);
    QSignalSpy vendorIndex(form.ComboVendor, &QComboBox::currentIndexChanged);
    QSignalSpy vendorText(form.ComboVendor, &QComboBox::currentTextChanged);
    QSignalSpy typeIndex(form.ComboType, &QComboBox::currentIndexChanged);
    QSignalSpy typeText(form.ComboType, &QComboBox::currentTextChanged);
    QSignalSpy listClicks(form.ListView1, &ResultsListView::listClicked);
    QSignalSpy label(form.LabelUrl, &LinkLabel::clicked);

    form.Form_Load();
    QCOMPARE(refreshes.count(), 1);
    QCOMPARE(vendorIndex.count() + vendorText.count() + typeIndex.count() + typeText.count(), 0);
    QCOMPARE(listClicks.count() + label.count(), 0);
    QVERIFY(!form.isVisible()); // loading comes before showing
    QCOMPARE(form.ListView1->model()->rowCount(), 520);
}

void TestFormStartup::captionAndDesignClientSize()
{
    Form1 form;
    QCOMPARE(form.windowTitle(), u"Velmorra - by Quindrel"_s);
    const QRect design = FormDriver::pixelRect({0, 0, DesignLayout::ClientWidth, DesignLayout::ClientHeight}, form);
    QCOMPARE(form.size(), design.size());
    // At 96 dpi that is 628 x 461 pixels.
    if (form.screen()->logicalDotsPerInchX() == 96 && form.screen()->logicalDotsPerInchY() == 96)
        QCOMPARE(form.size(), QSize(628, 461));
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(form.windowFlags() & Qt::WindowMaximizeButtonHint);
}

void TestFormStartup::fourteenNamedControls()
{
    const std::pair<const char16_t *, QWidget *> controls[] = {
        {u"LabelVendor", m_form->LabelVendor}, {u"ComboVendor", m_form->ComboVendor},
        {u"CommandClear", m_form->CommandClear}, {u"LabelModel", m_form->LabelModel},
        {u"TextModel", m_form->TextModel}, {u"LabelType", m_form->LabelType},
        {u"ComboType", m_form->ComboType}, {u"LabelVendorID", m_form->LabelVendorID},
        {u"TextVendorID", m_form->TextVendorID}, {u"LabelModelID", m_form->LabelModelID},
        {u"TextModelID", m_form->TextModelID}, {u"Label1", m_form->Label1},
        {u"LabelUrl", m_form->LabelUrl}, {u"ListView1", m_form->ListView1}};
    for (const auto &[name, widget] : controls) {
        QVERIFY(widget);
        QCOMPARE(m_form->findChild<QWidget *>(QString::fromUtf16(name)), widget);
        QCOMPARE(widget->parentWidget(), m_form.get());
        QVERIFY(widget->isVisible());
    }
    QCOMPARE(m_form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size(), 14);
    QCOMPARE(m_form->objectName(), u"Form1"_s);

    const std::pair<QLabel *, QString> captions[] = {
        {m_form->LabelVendor, u"Vendor:"_s}, {m_form->LabelModel, u"Model:"_s},
        {m_form->LabelType, u"Type:"_s}, {m_form->LabelVendorID, u"Vendor ID:"_s},
        {m_form->LabelModelID, u"Model ID:"_s}, {m_form->Label1, u"Website:"_s}};
    for (const auto &[label, text] : captions)
        QCOMPARE(label->text(), text);
    QCOMPARE(m_form->CommandClear->text(), u"Clear"_s);
}

void TestFormStartup::captionLabelsAtDesignPlaces()
{
    const std::pair<QWidget *, TwipsRect> fixed[] = {
        {m_form->LabelVendor, DesignLayout::LabelVendor}, {m_form->LabelModel, DesignLayout::LabelModel},
        {m_form->LabelType, DesignLayout::LabelType}, {m_form->LabelVendorID, DesignLayout::LabelVendorID},
        {m_form->LabelModelID, DesignLayout::LabelModelID}, {m_form->Label1, DesignLayout::Label1}};
    for (const auto &[widget, rect] : fixed)
        QCOMPARE(widget->geometry(), FormDriver::pixelRect(rect, *widget));
    // Rows start 480 twips apart: 32 pixels at 96 dpi.
    if (m_form->screen()->logicalDotsPerInchY() == 96) {
        QCOMPARE(m_form->ComboVendor->y(), 16);
        QCOMPARE(m_form->TextModel->y(), 48);
        QCOMPARE(m_form->ComboType->y(), 80);
        QCOMPARE(m_form->TextVendorID->y(), 112);
        QCOMPARE(m_form->TextModelID->y(), 144);
        QCOMPARE(m_form->LabelUrl->y(), 176);
        QCOMPARE(m_form->ListView1->y(), 208);
        QCOMPARE(m_form->CommandClear->geometry().top(), 16);
        QCOMPARE(m_form->CommandClear->height(), 153);
    }
}

void TestFormStartup::fontEverywhere()
{
    const QString designFace = u"MS Sans Serif"_s;
    const QString family = QFontDatabase::hasFamily(designFace)
        ? designFace
        : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    qInfo("window font: %s, drawn with %s", qUtf8Printable(family),
          qUtf8Printable(QFontInfo(m_form->TextModel->font()).family()));
    QList<QWidget *> controls = m_form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    controls.append(m_form->ListView1->horizontalHeader());
    for (const QWidget *w : std::as_const(controls)) {
        QCOMPARE(w->font().family(), family);
        QCOMPARE(w->font().pointSizeF(), 8.25);
        QCOMPARE(w->font().weight(), QFont::Normal);
        QCOMPARE(w->font().underline(), w == m_form->LabelUrl);
    }
}

void TestFormStartup::linkLabelStyle()
{
    const LinkLabel &label = *m_form->LabelUrl;
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(label.font().underline());
    QCOMPARE(label.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(label.font().family(), m_form->Label1->font().family());
    QCOMPARE(label.font().pointSizeF(), m_form->Label1->font().pointSizeF());
    // The caption labels keep the ordinary text colour.
    QVERIFY(m_form->Label1->palette().color(QPalette::WindowText) != QColor(0, 0, 255));
}

// Qt's Windows styles come as a plugin: without it a Windows build falls
// back to the plain Windows 95 look.
void TestFormStartup::windowsStyleOnWindows()
{
    if (QGuiApplication::platformName() != u"windows"_s)
        QSKIP("Qt's Windows styles serve its windows platform only");
    const QString style = QApplication::style()->name();
    qInfo("style: %s", qUtf8Printable(style));
    QVERIFY2(style == u"windowsvista"_s || style == u"windows11"_s, qPrintable(style));
}

void TestFormStartup::clearIsNeitherDefaultNorCancel()
{
    QVERIFY(!m_form->CommandClear->isDefault());
    QVERIFY(!m_form->CommandClear->autoDefault());
    QSignalSpy pressed(m_form->CommandClear, &QPushButton::clicked);
    FormDriver::typeInto(*m_form->TextModel, u"ejx"_s);
    for (auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(m_form->TextModel, key);
        QTest::keyClick(m_form->ComboVendor, key);
    }
    QCOMPARE(pressed.count(), 0);
    QCOMPARE(m_form->TextModel->text(), u"ejx"_s);
}

void TestFormStartup::accessibleNames()
{
    const std::pair<QWidget *, QString> inputs[] = {
        {m_form->ComboVendor, u"Vendor:"_s}, {m_form->TextModel, u"Model:"_s},
        {m_form->ComboType, u"Type:"_s}, {m_form->TextVendorID, u"Vendor ID:"_s},
        {m_form->TextModelID, u"Model ID:"_s}, {m_form->CommandClear, u"Clear"_s}};
    for (const auto &[widget, name] : inputs) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(a);
        QCOMPARE(a->text(QAccessible::Name), name);
    }
    for (QWidget *widget : std::initializer_list<QWidget *>{m_form->ListView1, m_form->LabelUrl}) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(a);
        QVERIFY(!a->text(QAccessible::Name).isEmpty());
    }
    // The link is announced as what it is, not as whatever address it shows.
    FormDriver::clickRow(*m_form->ListView1, 0);
    QVERIFY(!m_form->LabelUrl->text().isEmpty());
    const QString linkName = QAccessible::queryAccessibleInterface(m_form->LabelUrl)->text(QAccessible::Name);
    QVERIFY(linkName != m_form->LabelUrl->text());
    QCOMPARE(QAccessible::queryAccessibleInterface(m_form->LabelUrl)->text(QAccessible::Description),
             m_form->LabelUrl->text());
}

void TestFormStartup::focusOrder_data()
{
    QTest::addColumn<bool>("backwards");
    QTest::addRow("Tab") << false;
    QTest::addRow("Shift+Tab") << true;
}

void TestFormStartup::focusOrder()
{
    QFETCH(bool, backwards);
    QList<QWidget *> cycle{m_form->ComboVendor, m_form->ComboType, m_form->TextVendorID,
                           m_form->TextModelID, m_form->ListView1, m_form->TextModel,
                           m_form->CommandClear, m_form->ComboVendor};
    if (backwards)
        std::reverse(cycle.begin(), cycle.end());
    QCOMPARE(QApplication::focusWidget(), cycle.first());
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        FormDriver::pressTab(backwards);
        QCOMPARE(QApplication::focusWidget(), cycle.at(i));
    }
    for (const QLabel *label : m_form->findChildren<QLabel *>())
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

QTEST_MAIN(TestFormStartup)
#include "tst_form_startup.moc"
