#pragma once

class QFont;

// The window's font: "MS Sans Serif" 8.25 pt where installed, otherwise the
// desktop's default sans face at the same size.
QFont formFont();

// The link label's font: the window's font, underlined, normal weight.
QFont linkFont(const QFont &formFont);
