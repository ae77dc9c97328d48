#pragma once

#include <QtGlobal>

#include <span>

// One square size of the window icon: size x size pixels, row by row, each
// 0xAARRGGBB (not premultiplied), as QImage::Format_ARGB32 holds them.
struct IconPixels
{
    int size;
    const quint32 *argb;
};

// The sizes title bars and task switchers ask for, smallest first.
std::span<const IconPixels> windowIconPixels();
