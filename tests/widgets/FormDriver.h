#pragma once

// Real input for the widget tests: mouse clicks on the list's viewport and
// the link label, keys into the text boxes and the drop-down popups.
#include "search/DeviceFilter.h"

#include <QPoint>
#include <QSignalSpy>

#include <memory>

class DeviceCatalogue;
class Form1;
class QComboBox;
class QLineEdit;
class QRect;
class QWidget;
class ResultsListView;
struct TwipsRect;

namespace FormDriver {

// The program's window as the entry makes it: built-in catalogue, start-up,
// shown and active.
std::unique_ptr<Form1> openProgramWindow();

// Shows a window (or a control on its own) and waits until it is exposed
// and active.
bool showAndActivate(QWidget &window);

// Left click (or another button) at the middle of a row, scrolled into view.
void clickRow(ResultsListView &list, int row, Qt::MouseButton button = Qt::LeftButton);

// A viewport point below the last row, or a null point when the rows fill
// the viewport.
QPoint pointBesideRows(const ResultsListView &list);

// Picks an entry through the open popup with the keyboard: F4, arrow keys
// up to the entry, Return. Returns false when the entry is not offered.
bool chooseEntry(QComboBox &combo, const QString &text);

void typeInto(QLineEdit &edit, const QString &text);
// Through the clipboard and Ctrl+V, as a user pastes.
void paste(QLineEdit &edit, const QString &text);
// One Backspace per character, from the end.
void eraseAll(QLineEdit &edit);

// Presses Tab (or Shift+Tab) in the widget that has the focus.
void pressTab(bool backwards = false);

// The three filter text boxes, and the criteria a text in one of them
// stands for when the other filters are empty.
enum class TextBox { Model, VendorID, ModelID };
QLineEdit &textBox(const Form1 &form, TextBox box);
SearchCriteria criteriaFor(TextBox box, const QString &text);

// A design rectangle in twips as pixels on the widget's screen.
QRect pixelRect(const TwipsRect &rect, const QWidget &widget);

QList<ResultRow> listedRows(const ResultsListView &list);

// The built-in catalogue as the tests load it for themselves.
const DeviceCatalogue &builtInCatalogue();
// The rows the filter must list for these criteria, by the tests' own
// rendition of the rules.
ResultRows selectedRows(const SearchCriteria &criteria);

// Counts list refreshes: each one announces exactly one reset of the rows.
class RefreshCounter
{
public:
    explicit RefreshCounter(const ResultsListView &list);
    int count() const { return int(m_spy.count()); }
    void reset() { m_spy.clear(); }

private:
    QSignalSpy m_spy;
};

} // namespace FormDriver

Q_DECLARE_METATYPE(FormDriver::TextBox)
