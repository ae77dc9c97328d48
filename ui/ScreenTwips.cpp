#include "ui/ScreenTwips.h"

#include "ui/DesignLayout.h"

#include <QScreen>
#include <QWidget>

TwipsScale screenTwipsScale(const QWidget &widget)
{
    const QScreen *screen = widget.screen();
    if (!screen)
        return {};
    return {screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
}

void setGeometryTwips(QWidget &widget, const TwipsRect &rect)
{
    const TwipsScale scale = screenTwipsScale(widget);
    widget.setGeometry(scale.toPixelsX(rect.left), scale.toPixelsY(rect.top),
                       scale.toPixelsX(rect.width), scale.toPixelsY(rect.height));
}
