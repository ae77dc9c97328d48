#include "ui/Form1.h"

#include "catalogue/PickLists.h"
#include "search/ResultsBinding.h"
#include "ui/LinkLabel.h"
#include "ui/ResultsListView.h"
#include "ui/SortedComboBox.h"

#include <QIcon>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(u":/velmorra/icons/velmorra-%1.png"_s.arg(size), QSize(size, size));
    return icon;
}

} // namespace

Form1::Form1(QWidget *parent)
    : Form1(DeviceCatalogue::BuiltInSlotCount, LoadCatalogue, parent)
{
}

Form1::Form1(qsizetype slotCount, CatalogueFill fill, QWidget *parent)
    : QWidget(parent)
    , m_catalogue(slotCount)
    , m_fillCatalogue(std::move(fill))
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Velmorra - by Quindrel"_s);
    setWindowIcon(programIcon());
    createControls();
    applyFonts();
    applyDesignGeometry();
    setUpFocusOrder();
    setUpAccessibility();
    wireEvents();
}

Form1::~Form1() = default;

void Form1::Form_Load() noexcept
{
    m_fillCatalogue(m_catalogue);
    setUpResultsList();
    ComboVendor->loadPickList(vendorPickList());
    ComboType->loadPickList(typePickList());
    RefreshResults();
    UpdateRegistryLink();
}

FilterControls Form1::filterControls() const
{
    return {*ComboVendor, *ComboType, *TextModel, *TextVendorID, *TextModelID};
}

void Form1::RefreshResults()
{
    ::RefreshResults(m_catalogue, filterControls(), *ListView1);
}

void Form1::UpdateRegistryLink()
{
    ::UpdateRegistryLink(m_catalogue, *ListView1, *LabelUrl);
}

void Form1::ComboVendor_Click() noexcept
{
    RefreshResults();
}

// A selection-only drop-down changes its shown text only together with its
// entry, so this one never actually arrives; it is wired all the same.
void Form1::ComboVendor_Change() noexcept
{
    RefreshResults();
}

void Form1::ComboType_Click() noexcept
{
    RefreshResults();
}

void Form1::ComboType_Change() noexcept
{
    RefreshResults();
}

void Form1::TextModel_Change() noexcept
{
    RefreshResults();
}

void Form1::TextVendorID_Change() noexcept
{
    RefreshResults();
}

void Form1::TextModelID_Change() noexcept
{
    RefreshResults();
}

void Form1::ListView1_Click() noexcept
{
    UpdateRegistryLink();
}

void Form1::LabelUrl_Click() noexcept
{
    OpenLabelAddress(*LabelUrl);
}

// Each reset notifies its own control's handler, which refreshes the list
// before the next reset; the link label keeps its address.
void Form1::CommandClear_Click() noexcept
{
    ComboVendor->setCurrentIndex(0);
    ComboType->setCurrentIndex(0);
    TextModel->setText(QString());
    TextVendorID->setText(QString());
    TextModelID->setText(QString());
}
