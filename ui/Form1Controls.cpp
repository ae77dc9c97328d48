#include "ui/Form1.h"

#include "ui/DesignLayout.h"
#include "ui/FormFont.h"
#include "ui/LinkLabel.h"
#include "ui/ResultsListView.h"
#include "ui/ScreenTwips.h"
#include "ui/SortedComboBox.h"

#include <QAccessibleWidget>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

template<typename Control>
Control *named(Control *control, const QString &name)
{
    control->setObjectName(name);
    return control;
}

QLabel *caption(const QString &text, const QString &name, QWidget *parent)
{
    return named(new QLabel(text, parent), name);
}

} // namespace

void Form1::createControls()
{
    LabelVendor = caption(u"Vendor:"_s, u"LabelVendor"_s, this);
    ComboVendor = named(new SortedComboBox(this), u"ComboVendor"_s);
    CommandClear = named(new QPushButton(u"Clear"_s, this), u"CommandClear"_s);
    LabelModel = caption(u"Model:"_s, u"LabelModel"_s, this);
    TextModel = named(new QLineEdit(this), u"TextModel"_s);
    LabelType = caption(u"Type:"_s, u"LabelType"_s, this);
    ComboType = named(new SortedComboBox(this), u"ComboType"_s);
    LabelVendorID = caption(u"Vendor ID:"_s, u"LabelVendorID"_s, this);
    TextVendorID = named(new QLineEdit(this), u"TextVendorID"_s);
    LabelModelID = caption(u"Model ID:"_s, u"LabelModelID"_s, this);
    TextModelID = named(new QLineEdit(this), u"TextModelID"_s);
    Label1 = caption(u"Website:"_s, u"Label1"_s, this);
    LabelUrl = named(new LinkLabel(this), u"LabelUrl"_s);
    ListView1 = named(new ResultsListView(this), u"ListView1"_s);

    // Start-up replaces this before the window is ever shown.
    LabelUrl->setLinkText(u"http://registry.invalid/link_id=0"_s);
    // The text boxes take text of any length, not just Qt's default 32767.
    for (QLineEdit *box : {TextModel, TextVendorID, TextModelID})
        box->setMaxLength(std::numeric_limits<int>::max());
    // Enter and Escape must not press "Clear".
    CommandClear->setAutoDefault(false);
    CommandClear->setDefault(false);
}

void Form1::applyFonts(const QFont &font)
{
    // Set on each control rather than inherited, so a style's own font for
    // a kind of widget cannot win.
    for (QWidget *control : findChildren<QWidget *>())
        control->setFont(font);
    LabelUrl->setFont(linkFont(font));
}

void Form1::applyDesignGeometry()
{
    const TwipsScale scale = screenTwipsScale(*this);
    resize(scale.toPixelsX(DesignLayout::ClientWidth), scale.toPixelsY(DesignLayout::ClientHeight));
    setGeometryTwips(*LabelVendor, DesignLayout::LabelVendor);
    setGeometryTwips(*ComboVendor, DesignLayout::ComboVendor);
    setGeometryTwips(*CommandClear, DesignLayout::CommandClear);
    setGeometryTwips(*LabelModel, DesignLayout::LabelModel);
    setGeometryTwips(*TextModel, DesignLayout::TextModel);
    setGeometryTwips(*LabelType, DesignLayout::LabelType);
    setGeometryTwips(*ComboType, DesignLayout::ComboType);
    setGeometryTwips(*LabelVendorID, DesignLayout::LabelVendorID);
    setGeometryTwips(*TextVendorID, DesignLayout::TextVendorID);
    setGeometryTwips(*LabelModelID, DesignLayout::LabelModelID);
    setGeometryTwips(*TextModelID, DesignLayout::TextModelID);
    setGeometryTwips(*Label1, DesignLayout::Label1);
    setGeometryTwips(*LabelUrl, DesignLayout::LabelUrl);
    setGeometryTwips(*ListView1, DesignLayout::ListView1);
}

void Form1::setUpFocusOrder()
{
    // The model box stands second on screen but comes after the list.
    QWidget *const chain[] = {ComboVendor, ComboType, TextVendorID, TextModelID,
                              ListView1, TextModel, CommandClear};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    for (QLabel *label : findChildren<QLabel *>())
        label->setFocusPolicy(Qt::NoFocus);
    ComboVendor->setFocus(Qt::OtherFocusReason);
}

namespace {

// Assistive tools meet the program's top-level widget as its window, named
// by its caption, not as an unnamed panel.
QAccessibleInterface *windowAccessible(const QString &className, QObject *object)
{
    if (className == u"Form1"_s)
        return new QAccessibleWidget(qobject_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void Form1::installWindowAccessible()
{
    static const bool installed = (QAccessible::installFactory(windowAccessible), true);
    Q_UNUSED(installed);
}

void Form1::setUpAccessibility()
{
    // Each input is announced by its caption; the caption labels point to it.
    const std::pair<QLabel *, QWidget *> captioned[] = {
        {LabelVendor, ComboVendor}, {LabelModel, TextModel}, {LabelType, ComboType},
        {LabelVendorID, TextVendorID}, {LabelModelID, TextModelID}};
    for (const auto &[label, input] : captioned) {
        label->setBuddy(input);
        input->setAccessibleName(label->text());
    }
    LabelUrl->setAccessibleName(u"Registry page address"_s);
    ListView1->setAccessibleName(u"Found devices"_s);
    CommandClear->setAccessibleDescription(u"Resets all five filters"_s);
}
