// The window's own controls on their own: the sorted drop-down, the results
// list and the link label.
#include "catalogue/PickLists.h"
#include "tests/widgets/FormDriver.h"
#include "ui/LinkLabel.h"
#include "ui/ResultsListView.h"
#include "ui/ResultsModel.h"
#include "ui/ScreenTwips.h"
#include "ui/SortedComboBox.h"

#include <QAccessible>
#include <QHeaderView>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QStandardItemModel>
#include <QTest>
#include <QTreeView>

#include <algorithm>

using namespace Qt::StringLiterals;

class TestControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void comboKeepsListOrderWhateverTheInsertOrder();
    void comboIgnoresHyphensAndCase();
    void comboLoadChoosesNothingAndIsSilent();
    void comboOffersNoFreeText();
    void listClickOnRowNotifiesAfterSelecting();
    void listClickBesideRowsNotifies();
    void listKeyMovesDoNotNotify();
    void listOtherButtonsAndDoubleClicks();
    void listColumnsAreTheResultColumns();
    void listLooksLikeAReport();
    void listNeverEdits();
    void listSelectionVisibleWithoutFocus();
    void listColumnWidthsInTwips();
    void listReplaceIsOneReset();
    void labelClickInsideOnly();
    void labelLooksLikeALink();
};

namespace {

ResultRow row(int i)
{
    return {u"Vendor %1"_s.arg(i), u"Model %1"_s.arg(i), u"Flow"_s,
            u"%1"_s.arg(i, 6, 16, QChar(u'0')), QString()};
}

// A list with `rows` items under the five columns.
void fill(ResultsListView &list, int rows)
{
    for (int c = 0; c < 5; ++c)
        list.setColumnWidthTwips(c, 1500);
    ResultRows items;
    for (int i = 0; i < rows; ++i)
        items.append(row(i));
    list.rows().replaceRows(items);
}

QStringList entries(const QComboBox &combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts.append(combo.itemText(i));
    return texts;
}

} // namespace

void TestControls::comboKeepsListOrderWhateverTheInsertOrder()
{
    QStringList names;
    for (QStringView name : vendorPickList())
        names.append(name.toString());
    QStringList expected = names;
    expected.prepend(QString());

    const quint32 seed = 20261209;
    qInfo("shuffled with seed %u", seed);
    QRandomGenerator random(seed);
    for (int round = 0; round < 5; ++round) {
        QStringList shuffled = names;
        shuffled.append(QString());
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        SortedComboBox combo;
        for (const QString &name : std::as_const(shuffled))
            combo.addSortedItem(name);
        QCOMPARE(entries(combo), expected);
    }
}

void TestControls::comboIgnoresHyphensAndCase()
{
    SortedComboBox combo;
    for (auto name : {u"K-TEK"_s, u"Krohne Messtechnik GmbH"_s, u"K-Patents Oy"_s,
                      u"KOSO America Inc."_s, QString()})
        combo.addSortedItem(name);
    QCOMPARE(entries(combo), (QStringList{QString(), u"KOSO America Inc."_s, u"K-Patents Oy"_s,
                                          u"Krohne Messtechnik GmbH"_s, u"K-TEK"_s}));
}

void TestControls::comboLoadChoosesNothingAndIsSilent()
{
    SortedComboBox combo;
    combo.addSortedItem(u"left over"_s);
    combo.setCurrentIndex(0);
    QSignalSpy index(&combo, &QComboBox::currentIndexChanged);
    QSignalSpy text(&combo, &QComboBox::currentTextChanged);

    combo.loadPickList(typePickList());
    QCOMPARE(combo.count(), 16);
    QCOMPARE(combo.itemText(0), QString());
    QCOMPARE(combo.itemText(1), u"Analytical"_s);
    QCOMPARE(combo.itemText(15), u"Wiring Components"_s);
    QCOMPARE(combo.currentIndex(), -1);
    QCOMPARE(combo.currentText(), QString());
    QCOMPARE(index.count(), 0);
    QCOMPARE(text.count(), 0);
    // Choosing the empty entry afterwards is a real change and notifies.
    combo.setCurrentIndex(0);
    QCOMPARE(index.count(), 1);
}

void TestControls::comboOffersNoFreeText()
{
    SortedComboBox combo;
    combo.loadPickList(typePickList());
    QVERIFY(FormDriver::showAndActivate(combo));
    QVERIFY(!combo.isEditable());
    QVERIFY(!combo.lineEdit());
    QTest::keyClicks(&combo, u"zq9 free text"_s);
    QVERIFY(combo.currentText().isEmpty() || combo.findText(combo.currentText()) >= 0);
    QVERIFY(combo.findText(u"zq9 free text"_s) < 0);
    QCOMPARE(combo.count(), 16);
}

void TestControls::listClickOnRowNotifiesAfterSelecting()
{
    ResultsListView list;
    fill(list, 10);
    QVERIFY(FormDriver::showAndActivate(list));
    std::optional<ResultRow> seen;
    connect(&list, &ResultsListView::listClicked, &list, [&] { seen = list.selectedItem(); });
    QSignalSpy clicks(&list, &ResultsListView::listClicked);

    FormDriver::clickRow(list, 3);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(seen);
    QCOMPARE(*seen, row(3));
    FormDriver::clickRow(list, 7);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(*seen, row(7));
}

void TestControls::listClickBesideRowsNotifies()
{
    ResultsListView list;
    fill(list, 2);
    list.resize(700, 300);
    QVERIFY(FormDriver::showAndActivate(list));
    QSignalSpy clicks(&list, &ResultsListView::listClicked);

    FormDriver::clickRow(list, 1);
    const QPoint beside = FormDriver::pointBesideRows(list);
    QVERIFY(!beside.isNull());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, beside);
    QCOMPARE(clicks.count(), 2);
    // Right of the last column is beside the rows too.
    const int right = list.horizontalHeader()->length() + 5;
    QVERIFY(right < list.viewport()->width());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(right, list.visualRect(list.model()->index(0, 0)).center().y()));
    QCOMPARE(clicks.count(), 3);
    // The header is not part of the list's item area.
    QTest::mouseClick(list.horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    QCOMPARE(clicks.count(), 3);
}

void TestControls::listKeyMovesDoNotNotify()
{
    ResultsListView list;
    fill(list, 10);
    QVERIFY(FormDriver::showAndActivate(list));
    FormDriver::clickRow(list, 2);
    QSignalSpy clicks(&list, &ResultsListView::listClicked);

    QTest::keyClick(list.viewport(), Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_End);
    QTest::keyClick(&list, Qt::Key_Space);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(*list.selectedItem(), row(9)); // the keys did move the selection
}

void TestControls::listOtherButtonsAndDoubleClicks()
{
    ResultsListView list;
    fill(list, 10);
    QVERIFY(FormDriver::showAndActivate(list));
    QSignalSpy clicks(&list, &ResultsListView::listClicked);

    FormDriver::clickRow(list, 4, Qt::RightButton);
    FormDriver::clickRow(list, 4, Qt::MiddleButton);
    QCOMPARE(clicks.count(), 0);

    // A double click is one click, not two. The window system delivers
    // press, release, press, double click, release.
    const QPoint at = list.visualRect(list.model()->index(5, 0)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(*list.selectedItem(), row(5));

    // Pressed in the list, released outside its item area: no click.
    QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                        QPoint(-5, list.viewport()->height() + 20));
    QCOMPARE(clicks.count(), 1);
}

void TestControls::listColumnsAreTheResultColumns()
{
    ResultsListView list;
    fill(list, 4);
    FormDriver::clickRow(list, 2);
    const QAbstractItemModel &model = *list.model();
    QCOMPARE(model.columnCount(), 5);
    const QStringList captions{u"Vendor"_s, u"Model"_s, u"Type"_s, u"Vendor ID"_s, u"Model ID"_s};
    for (int c = 0; c < 5; ++c) {
        QCOMPARE(model.headerData(c, Qt::Horizontal).toString(), captions.at(c));
        const auto align = model.headerData(c, Qt::Horizontal, Qt::TextAlignmentRole)
                               .value<Qt::Alignment>();
        QCOMPARE(align & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    }
    // New widths leave every row and the selection as they were.
    for (int c = 0; c < 5; ++c)
        list.setColumnWidthTwips(c, 900 + 100 * c);
    const QList<ResultRow> rows = FormDriver::listedRows(list);
    QCOMPARE(rows.size(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(rows.at(i), row(i));
    QCOMPARE(list.selectedItem(), row(2));
}

// A report view, row for row as tall as a plain tree list in the same font,
// without a grid, row numbers or a header that selects.
void TestControls::listLooksLikeAReport()
{
    ResultsListView list;
    fill(list, 5);
    list.horizontalHeader()->show();
    list.resize(700, 300);
    QVERIFY(FormDriver::showAndActivate(list));
    QTreeView plain;
    plain.setFont(list.font());
    QStandardItemModel plainRows(5, 5);
    for (int i = 0; i < 5; ++i)
        plainRows.setItem(i, 0, new QStandardItem(row(i).Vendor));
    plain.setModel(&plainRows);
    plain.setUniformRowHeights(true);
    plain.resize(700, 300);
    QVERIFY(FormDriver::showAndActivate(plain));
    QCOMPARE(list.rowHeight(3), plain.visualRect(plainRows.index(3, 0)).height());

    QVERIFY(!list.showGrid());
    QVERIFY(!list.verticalHeader()->isVisible());
    QVERIFY(!list.tabKeyNavigation());
    FormDriver::clickRow(list, 1);
    QTest::mouseClick(list.horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(20, list.horizontalHeader()->height() / 2));
    QCOMPARE(list.selectedItem(), row(1));
    QCOMPARE(list.selectionModel()->selectedRows().size(), 1);
}

void TestControls::listNeverEdits()
{
    ResultsListView list;
    fill(list, 3);
    QVERIFY(FormDriver::showAndActivate(list));
    const QPoint at = list.visualRect(list.model()->index(1, 0)).center();
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::keyClick(&list, Qt::Key_F2);
    QTest::keyClicks(&list, u"xyz"_s);
    QTest::keyClick(&list, Qt::Key_Return);
    QVERIFY(list.findChildren<QLineEdit *>().isEmpty()); // no editor opened
    QCOMPARE(FormDriver::listedRows(list).at(1), row(1));
    for (int c = 0; c < 5; ++c)
        QVERIFY(!(list.model()->flags(list.model()->index(1, c)) & Qt::ItemIsEditable));
}

void TestControls::listSelectionVisibleWithoutFocus()
{
    ResultsListView list;
    const QPalette p = list.palette();
    QCOMPARE(p.color(QPalette::Inactive, QPalette::Highlight),
             p.color(QPalette::Active, QPalette::Highlight));
    QCOMPARE(p.color(QPalette::Inactive, QPalette::HighlightedText),
             p.color(QPalette::Active, QPalette::HighlightedText));
    QCOMPARE(list.selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(list.selectionBehavior(), QAbstractItemView::SelectRows);
}

void TestControls::listColumnWidthsInTwips()
{
    ResultsListView list;
    list.setColumnWidthTwips(0, 2022.7272);
    list.setColumnWidthTwips(1, 1500);
    // 15 twips per pixel at 96 dpi: 134.8 rounds to 135.
    const TwipsScale scale = screenTwipsScale(list);
    QCOMPARE(list.horizontalHeader()->sectionSize(0), scale.toPixelsX(2022.7272));
    QCOMPARE(list.horizontalHeader()->sectionSize(1), scale.toPixelsX(1500));
    list.setColumnWidthTwips(1, 3000);
    QCOMPARE(list.horizontalHeader()->sectionSize(1), scale.toPixelsX(3000));
    QVERIFY(!list.horizontalHeader()->stretchLastSection());
}

void TestControls::listReplaceIsOneReset()
{
    ResultsListView list;
    fill(list, 3);
    FormDriver::RefreshCounter resets(list);
    QSignalSpy inserts(list.model(), &QAbstractItemModel::rowsInserted);
    ResultRows rows;
    for (int i = 0; i < 50; ++i)
        rows.append(row(i));
    list.rows().replaceRows(rows);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(inserts.count(), 0);
    QCOMPARE(list.model()->rowCount(), 50);
    QCOMPARE(FormDriver::listedRows(list).at(49), row(49));
}

void TestControls::labelClickInsideOnly()
{
    LinkLabel label;
    label.setLinkText(u"http://example.invalid/x?a=1&b=2"_s);
    label.resize(300, 20);
    QVERIFY(FormDriver::showAndActivate(label));
    QSignalSpy clicks(&label, &LinkLabel::clicked);

    QTest::mouseClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(clicks.count(), 1);
    QTest::mouseClick(&label, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(clicks.count(), 1);
    QTest::mousePress(&label, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseRelease(&label, Qt::LeftButton, Qt::NoModifier, QPoint(400, 10));
    QCOMPARE(clicks.count(), 1);
    // Assistive tools read the address as it is.
    QCOMPARE(QAccessible::queryAccessibleInterface(&label)->text(QAccessible::Description),
             u"http://example.invalid/x?a=1&b=2"_s);
}

void TestControls::labelLooksLikeALink()
{
    LinkLabel label;
    QCOMPARE(label.palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(label.palette().color(QPalette::Inactive, QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(label.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(label.textFormat(), Qt::PlainText);
    QCOMPARE(label.focusPolicy(), Qt::NoFocus);
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
