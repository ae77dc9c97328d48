#include "ui/Twips.h"

#include <cmath>

namespace {

int toPixels(double twips, double dpi)
{
    return int(std::lround(twips * dpi / TwipsScale::TwipsPerInch));
}

} // namespace

int TwipsScale::toPixelsX(double twips) const
{
    return toPixels(twips, dpiX);
}

int TwipsScale::toPixelsY(double twips) const
{
    return toPixels(twips, dpiY);
}

double TwipsScale::toTwipsX(int pixels) const
{
    return pixels * TwipsPerInch / dpiX;
}

double TwipsScale::toTwipsY(int pixels) const
{
    return pixels * TwipsPerInch / dpiY;
}
