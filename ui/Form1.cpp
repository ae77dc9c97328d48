#include "ui/Form1.h"

#include "catalogue/PickLists.h"
#include "search/ResultsBinding.h"
#include "ui/FormFont.h"
#include "ui/LinkLabel.h"
#include "ui/ResultsListView.h"
#include "ui/SortedComboBox.h"

#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QResource>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Only the sizes a title bar or task switcher shows: X11 copies every size
// into the window's icon property, and desktops take the large ones from
// the installed SVG. The pixels lie uncompressed in the resources, so the
// images use them in place and nothing is decoded. The build says which
// sizes there are; each is square, four bytes a pixel.
QIcon programIcon()
{
    QIcon icon;
    for (QDirIterator it(u":/velmorra/icons"_s); it.hasNext();) {
        const QResource pixels(it.next());
        const int size = int(std::sqrt(pixels.size() / 4));
        icon.addPixmap(QPixmap::fromImage(
            QImage(pixels.data(), size, size, QImage::Format_RGBA8888)));
    }
    return icon;
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    installWindowAccessible();
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Velmorra - by Quindrel"_s);
    setWindowIcon(programIcon());
    // The controls are built in the window's font, so none is laid out in
    // the default font first and then again in this one.
    const QFont font = formFont();
    setFont(font);
    createControls();
    m_search = std::make_unique<const ResultsBinding>(
        m_catalogue, ResultsBinding::Controls{*ComboVendor, *ComboType, *TextModel, *TextVendorID,
                                              *TextModelID, *ListView1, *LabelUrl});
    applyFonts(font);
    applyDesignGeometry();
    setUpFocusOrder();
    setUpAccessibility();
    wireEvents();
}

Form1::~Form1() = default;

void Form1::Form_Load() noexcept
{
    LoadCatalogue(m_catalogue);
    setUpResultsList();
    ComboVendor->loadPickList(vendorPickList());
    ComboType->loadPickList(typePickList());
    RefreshResults();
    UpdateRegistryLink();
}

void Form1::RefreshResults()
{
    m_search->refreshResults();
}

void Form1::UpdateRegistryLink()
{
    m_search->updateRegistryLink();
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
    m_search->openLinkAddress();
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
