#pragma once

#include "catalogue/DeviceCatalogue.h"

#include <QWidget>

#include <array>
#include <memory>

class LinkLabel;
class QLabel;
class QLineEdit;
class QPushButton;
class ResultsBinding;
class ResultsListView;
class SortedComboBox;

// The program's single window. It owns the catalogue and every control for
// the whole run; the current filter lives only in the five filter controls
// and the current address only in LabelUrl.
//
// Failures: the handlers are noexcept. Nothing in them is expected to throw
// with the built-in data; should anything throw anyway (an out-of-range
// slot, a failing browser hand-over), the program ends at once through
// std::terminate, which reports the exception, instead of letting it unwind
// through the event loop.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // Start-up sequence; runs once, before the window is first shown.
    void Form_Load() noexcept;

    void RefreshResults();
    void UpdateRegistryLink();

    void ComboVendor_Click() noexcept;
    void ComboVendor_Change() noexcept;
    void ComboType_Click() noexcept;
    void ComboType_Change() noexcept;
    void TextModel_Change() noexcept;
    void TextVendorID_Change() noexcept;
    void TextModelID_Change() noexcept;
    void ListView1_Click() noexcept;
    void LabelUrl_Click() noexcept;
    void CommandClear_Click() noexcept;
    void Form_Resize() noexcept;

    // The controls, from top to bottom.
    QLabel *LabelVendor = nullptr;
    SortedComboBox *ComboVendor = nullptr;
    QPushButton *CommandClear = nullptr;
    QLabel *LabelModel = nullptr;
    QLineEdit *TextModel = nullptr;
    QLabel *LabelType = nullptr;
    SortedComboBox *ComboType = nullptr;
    QLabel *LabelVendorID = nullptr;
    QLineEdit *TextVendorID = nullptr;
    QLabel *LabelModelID = nullptr;
    QLineEdit *TextModelID = nullptr;
    QLabel *Label1 = nullptr;
    LinkLabel *LabelUrl = nullptr;
    ResultsListView *ListView1 = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Form1Controls.cpp
    void createControls();
    void applyFonts(const QFont &font);
    void applyDesignGeometry();
    void setUpFocusOrder();
    // Before anything of the window's is announced: the window's accessible
    // object is made once, at the first announcement, and kept.
    static void installWindowAccessible();
    void setUpAccessibility();
    // Form1Wiring.cpp
    void wireEvents();
    // Form1Layout.cpp
    void setUpResultsList();
    void setColumns(const std::array<double, 5> &widthsTwips);

    DeviceCatalogue m_catalogue;
    std::unique_ptr<const ResultsBinding> m_search;
    // The outer size the last layout pass measured: the frame that arrives
    // after the first showing changes it.
    QSize m_outerSizeLastPass;
};
