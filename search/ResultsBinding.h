#pragma once

class DeviceCatalogue;
class LinkLabel;
class QComboBox;
class QLineEdit;
class ResultsListView;

// The search bound to the window's controls. The window makes one over the
// catalogue and the controls it owns, for its whole life.
class ResultsBinding
{
public:
    struct Controls
    {
        const QComboBox &vendor;
        const QComboBox &type;
        const QLineEdit &model;
        const QLineEdit &vendorId;
        const QLineEdit &modelId;
        ResultsListView &list;
        LinkLabel &label;
    };

    ResultsBinding(const DeviceCatalogue &catalogue, Controls controls);

    // Reads the five filter controls and replaces every row of the list by
    // the accepted records, in slot order. Selects nothing and leaves the
    // link label alone.
    void refreshResults() const;

    // Sets the label from the list's selected row: its record's address,
    // the empty text when nothing is selected, unchanged when no record
    // matches.
    void updateRegistryLink() const;

    // Opens the label's address with the desktop's handler for web
    // addresses. An empty label opens nothing; whether opening works is not
    // examined.
    void openLinkAddress() const;

private:
    const DeviceCatalogue &m_catalogue;
    Controls m_controls;
};
