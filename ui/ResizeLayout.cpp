#include "ui/ResizeLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using Limits32 = std::numeric_limits<std::int32_t>;

std::int32_t saturate32(std::int64_t value)
{
    return std::int32_t(std::clamp<std::int64_t>(value, Limits32::min(), Limits32::max()));
}

std::int32_t atLeastZero(std::int64_t value)
{
    return saturate32(std::max<std::int64_t>(value, 0));
}

// The 32-bit product of the width difference and a column's base width.
// Out-of-range products saturate: no real screen is wide enough to get
// there, and saturating keeps the width finite and clamped.
std::int32_t product32(std::int32_t dW, std::int32_t base)
{
    return saturate32(std::int64_t(dW) * base);
}

} // namespace

std::int32_t roundHalfEven32(double value)
{
    if (std::isnan(value))
        return 0;
    // The default rounding mode takes halves to the even neighbour.
    return saturate32(std::int64_t(std::nearbyint(
        std::clamp(value, double(Limits32::min()), double(Limits32::max())))));
}

ResizeGeometry resizeLayout(float outerWidth, float outerHeight)
{
    using namespace DesignLayout;
    const std::int32_t dH = roundHalfEven32(double(outerHeight) - OuterHeight);
    const std::int32_t dW = roundHalfEven32(double(outerWidth) - OuterWidth);

    ResizeGeometry g;
    g.inputWidth = atLeastZero(std::int64_t(ComboVendor.width) + dW);
    g.listWidth = atLeastZero(std::int64_t(ListView1.width) + dW);
    g.listHeight = atLeastZero(std::int64_t(ListView1.height) + dH);
    g.clearLeft = atLeastZero(std::int64_t(CommandClear.left) + dW);
    for (int i = 0; i < ColumnCount; ++i) {
        const std::int32_t base = Columns.at(i).baseWidth;
        const double width = base + double(product32(dW, base)) / double(ColumnBaseSum);
        g.columnWidths.at(i) = std::max(width, 0.0);
    }
    return g;
}
