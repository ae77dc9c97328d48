#include "ui/SortedComboBox.h"

#include "catalogue/ListOrder.h"

#include <QSignalBlocker>

SortedComboBox::SortedComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
}

void SortedComboBox::addSortedItem(const QString &text)
{
    // Binary search for the first entry that sorts after the new text.
    int low = 0;
    int high = count();
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (listOrderLess(text, itemText(mid)))
            high = mid;
        else
            low = mid + 1;
    }
    insertItem(low, text);
}

void SortedComboBox::loadPickList(std::span<const QStringView> names)
{
    // A combo box chooses its first entry by itself when entries arrive;
    // loading must neither choose one nor notify.
    const QSignalBlocker quiet(this);
    clear();
    for (QStringView name : names)
        addSortedItem(name.toString());
    addSortedItem(QString());
    setCurrentIndex(-1);
}
