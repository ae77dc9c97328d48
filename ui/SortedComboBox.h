#pragma once

#include <QComboBox>

#include <span>

// A selection-only drop-down that keeps its entries in list order whatever
// order they are added in.
class SortedComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit SortedComboBox(QWidget *parent = nullptr);

    // Adds an entry at its sorted place; equal texts go after existing ones.
    void addSortedItem(const QString &text);

    // Replaces every entry by the names and one empty entry, leaving no entry
    // chosen. Raises no notification.
    void loadPickList(std::span<const QStringView> names);
};
