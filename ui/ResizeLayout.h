#pragma once

#include "ui/DesignLayout.h"

#include <array>
#include <cstdint>

// Every geometry value one resize pass sets, in twips. Everything not listed
// keeps its design value.
struct ResizeGeometry
{
    std::int32_t inputWidth = 0; // the five inputs and LabelUrl
    std::int32_t listWidth = 0;
    std::int32_t listHeight = 0;
    std::int32_t clearLeft = 0;
    // Unrounded: converted to pixels only when the columns are created.
    std::array<double, DesignLayout::ColumnCount> columnWidths{};

    friend bool operator==(const ResizeGeometry &, const ResizeGeometry &) = default;
};

// Rounds to the nearest integer, halves to the even neighbour, saturating
// at the limits of a 32-bit integer.
std::int32_t roundHalfEven32(double value);

// The layout for a window whose outer size (frame and caption bar included)
// is outerWidth x outerHeight twips, as the window system reports it.
//
// The differences to the design outer size are rounded half-to-even; each
// column gets base + (dW * base) / 8800 with the product formed in 32 bits
// (saturating rather than wrapping) and the rest in double precision.
//
// A window smaller than the layout allows would give negative sizes; every
// computed value is clamped at zero instead, so the window itself keeps no
// minimum size and controls simply vanish when it is dragged that small.
ResizeGeometry resizeLayout(float outerWidth, float outerHeight);
