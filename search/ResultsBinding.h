#pragma once

class DeviceCatalogue;
class LinkLabel;
class QComboBox;
class QLabel;
class QLineEdit;
class ResultsListView;
struct SearchCriteria;

// The five filter controls a refresh reads.
struct FilterControls
{
    const QComboBox &vendor;
    const QComboBox &type;
    const QLineEdit &model;
    const QLineEdit &vendorId;
    const QLineEdit &modelId;
};

// The controls' current texts; a drop-down with no entry chosen reads empty.
SearchCriteria ReadCriteria(const FilterControls &controls);

// Empties the list and adds one item per accepted record, in slot order.
// Selects nothing and leaves the link label alone.
void RefreshResults(const DeviceCatalogue &catalogue, const FilterControls &controls,
                    ResultsListView &list);

// Sets the label from the list's selected item: its record's address, the
// empty text when nothing is selected, unchanged when no record matches.
void UpdateRegistryLink(const DeviceCatalogue &catalogue, const ResultsListView &list,
                        LinkLabel &label);

// Opens the label's address with the desktop's handler for web addresses.
// An empty label opens nothing; whether opening works is not examined.
void OpenLabelAddress(const QLabel &label);
