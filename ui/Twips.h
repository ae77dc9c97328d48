#pragma once

// Converts between twips (1440 per inch) and device-independent pixels at a
// screen's logical resolution: 15 twips per pixel at 96 dots per inch.
struct TwipsScale
{
    static constexpr double TwipsPerInch = 1440.0;

    double dpiX = 96.0;
    double dpiY = 96.0;

    int toPixelsX(double twips) const;
    int toPixelsY(double twips) const;
    double toTwipsX(int pixels) const;
    double toTwipsY(int pixels) const;
};
