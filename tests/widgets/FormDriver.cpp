#include "tests/widgets/FormDriver.h"

#include "catalogue/DeviceCatalogue.h"
#include "tests/support/ReferenceFilter.h"
#include "ui/DesignLayout.h"
#include "ui/Form1.h"
#include "ui/ResultsListView.h"
#include "ui/ScreenTwips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QRect>
#include <QTest>

namespace FormDriver {

std::unique_ptr<Form1> openProgramWindow()
{
    auto form = std::make_unique<Form1>();
    form->Form_Load();
    if (!showAndActivate(*form))
        return nullptr;
    return form;
}

bool showAndActivate(QWidget &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void clickRow(ResultsListView &list, int row, Qt::MouseButton button)
{
    const QModelIndex index = list.model()->index(row, 0);
    list.scrollTo(index);
    const QPoint centre = list.visualRect(index).center();
    QTest::mouseClick(list.viewport(), button, Qt::NoModifier, centre);
}

QPoint pointBesideRows(const ResultsListView &list)
{
    const QPoint below(list.viewport()->width() / 3, list.viewport()->height() - 3);
    return list.indexAt(below).isValid() ? QPoint() : below;
}

namespace {

bool chooseEntryOnce(QComboBox &combo, int target)
{
    combo.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&combo, Qt::Key_F4);
    QAbstractItemView *popup = combo.view();
    if (!QTest::qWaitForWindowExposed(popup->window()))
        return false;
    // The popup highlights the current entry, or none.
    int at = popup->currentIndex().isValid() ? popup->currentIndex().row() : -1;
    if (at < 0) {
        QTest::keyClick(popup, Qt::Key_Home);
        at = 0;
    }
    for (; at < target; ++at)
        QTest::keyClick(popup, Qt::Key_Down);
    for (; at > target; --at)
        QTest::keyClick(popup, Qt::Key_Up);
    QTest::keyClick(popup, Qt::Key_Return);
    return !popup->isVisible() && combo.currentIndex() == target;
}

} // namespace

bool chooseEntry(QComboBox &combo, const QString &text)
{
    const int target = combo.findText(text, Qt::MatchExactly);
    if (target < 0)
        return false;
    if (chooseEntryOnce(combo, target))
        return true;
    // Under Wine 10 the first popup a test program opens can lose the
    // activation as it opens, which closes it again: once more, in the
    // window activated anew.
    qWarning("chooseEntry: the popup closed before \"%s\" was chosen; once more",
             qUtf8Printable(text));
    return showAndActivate(*combo.window()) && chooseEntryOnce(combo, target);
}

void typeInto(QLineEdit &edit, const QString &text)
{
    edit.setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(&edit, text);
}

void paste(QLineEdit &edit, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    edit.setFocus(Qt::MouseFocusReason);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
}

void eraseAll(QLineEdit &edit)
{
    edit.setFocus(Qt::MouseFocusReason);
    QTest::keyClick(&edit, Qt::Key_End);
    for (qsizetype n = edit.text().size(); n > 0; --n)
        QTest::keyClick(&edit, Qt::Key_Backspace);
}

void pressTab(bool backwards)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return;
    if (backwards)
        QTest::keyClick(focus, Qt::Key_Backtab, Qt::ShiftModifier);
    else
        QTest::keyClick(focus, Qt::Key_Tab);
}

QLineEdit &textBox(const Form1 &form, TextBox box)
{
    QLineEdit *const boxes[] = {form.TextModel, form.TextVendorID, form.TextModelID};
    return *boxes[int(box)];
}

SearchCriteria criteriaFor(TextBox box, const QString &text)
{
    SearchCriteria c;
    QString *const fields[] = {&c.ModelText, &c.VendorIDText, &c.ModelIDText};
    *fields[int(box)] = text;
    return c;
}

QRect pixelRect(const TwipsRect &rect, const QWidget &widget)
{
    const TwipsScale scale = screenTwipsScale(widget);
    return {scale.toPixelsX(rect.left), scale.toPixelsY(rect.top), scale.toPixelsX(rect.width),
            scale.toPixelsY(rect.height)};
}

QList<ResultRow> listedRows(const ResultsListView &list)
{
    // What the view shows, column by column.
    const QAbstractItemModel &model = *list.model();
    const auto text = [&](int row, int column) {
        return model.data(model.index(row, column)).toString();
    };
    QList<ResultRow> rows;
    for (int i = 0; i < model.rowCount(); ++i)
        rows.append({text(i, 0), text(i, 1), text(i, 2), text(i, 3), text(i, 4)});
    return rows;
}

const DeviceCatalogue &builtInCatalogue()
{
    static const DeviceCatalogue catalogue = [] {
        DeviceCatalogue c;
        LoadCatalogue(c);
        return c;
    }();
    return catalogue;
}

ResultRows selectedRows(const SearchCriteria &criteria)
{
    // The plain rendition of the rules, not the program's filter.
    return reference::selectDevices(builtInCatalogue(), criteria);
}

RefreshCounter::RefreshCounter(const ResultsListView &list)
    : m_spy(list.model(), &QAbstractItemModel::modelReset)
{
}

} // namespace FormDriver
