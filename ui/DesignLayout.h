#pragma once

#include <QString>

#include <array>

// The window's design geometry in twips (1/1440 inch), relative to the
// client area. The resize pass adds the window's size difference to these.
struct TwipsRect
{
    int left;
    int top;
    int width;
    int height;
};

namespace DesignLayout {

inline constexpr int ClientWidth = 9420;
inline constexpr int ClientHeight = 6915;
// The outer size (frame and caption bar included) every resize is measured
// against.
inline constexpr int OuterWidth = 9540;
inline constexpr int OuterHeight = 7320;

inline constexpr TwipsRect LabelVendor{120, 240, 975, 255};
inline constexpr TwipsRect ComboVendor{1560, 240, 6735, 315};
inline constexpr TwipsRect CommandClear{8520, 240, 735, 2295};
inline constexpr TwipsRect LabelModel{120, 720, 975, 255};
inline constexpr TwipsRect TextModel{1560, 720, 6735, 285};
inline constexpr TwipsRect LabelType{120, 1200, 975, 255};
inline constexpr TwipsRect ComboType{1560, 1200, 6735, 315};
inline constexpr TwipsRect LabelVendorID{120, 1680, 975, 255};
inline constexpr TwipsRect TextVendorID{1560, 1680, 6735, 285};
inline constexpr TwipsRect LabelModelID{120, 2160, 975, 255};
inline constexpr TwipsRect TextModelID{1560, 2160, 6735, 285};
inline constexpr TwipsRect Label1{120, 2640, 1095, 255};
inline constexpr TwipsRect LabelUrl{1560, 2640, 7695, 255};
inline constexpr TwipsRect ListView1{120, 3120, 9135, 3615};

// The result columns: caption and base width. The base widths sum to 8800,
// 335 less than the list, which leaves room for its border and scroll bar.
struct ColumnSpec
{
    const char16_t *caption;
    int baseWidth;
};

inline constexpr int ColumnCount = 5;
inline constexpr int ColumnBaseSum = 8800;
inline constexpr std::array<ColumnSpec, ColumnCount> Columns{{
    {u"Vendor", 2000},
    {u"Model", 2800},
    {u"Type", 2000},
    {u"Vendor ID", 1000},
    {u"Model ID", 1000},
}};

inline QString columnCaption(int position)
{
    return QString::fromUtf16(Columns.at(position).caption);
}

} // namespace DesignLayout
