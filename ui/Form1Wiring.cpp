#include "ui/Form1.h"

#include "ui/LinkLabel.h"
#include "ui/ResultsListView.h"
#include "ui/SortedComboBox.h"

#include <QLineEdit>
#include <QPushButton>

// Every notification is a direct connection: a change the program makes
// itself (Clear's resets) runs its handler before the change returns.
void Form1::wireEvents()
{
    // A chosen entry, by the user or by Clear.
    connect(ComboVendor, &QComboBox::currentIndexChanged, this, &Form1::ComboVendor_Click);
    connect(ComboVendor, &QComboBox::editTextChanged, this, &Form1::ComboVendor_Change);
    connect(ComboType, &QComboBox::currentIndexChanged, this, &Form1::ComboType_Click);
    connect(ComboType, &QComboBox::editTextChanged, this, &Form1::ComboType_Change);
    // Every edit, typed or made by the program.
    connect(TextModel, &QLineEdit::textChanged, this, &Form1::TextModel_Change);
    connect(TextVendorID, &QLineEdit::textChanged, this, &Form1::TextVendorID_Change);
    connect(TextModelID, &QLineEdit::textChanged, this, &Form1::TextModelID_Change);
    connect(ListView1, &ResultsListView::listClicked, this, &Form1::ListView1_Click);
    connect(LabelUrl, &LinkLabel::clicked, this, &Form1::LabelUrl_Click);
    connect(CommandClear, &QPushButton::clicked, this, &Form1::CommandClear_Click);
}
