#pragma once

#include "ui/Twips.h"

class QWidget;
struct TwipsRect;

// The twips scale of the screen a widget is on, from its logical DPI.
TwipsScale screenTwipsScale(const QWidget &widget);

// Places a widget at a rectangle given in twips of its parent's client area.
void setGeometryTwips(QWidget &widget, const TwipsRect &rect);
