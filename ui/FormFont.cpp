#include "ui/FormFont.h"

#include <QFont>
#include <QFontDatabase>

using namespace Qt::StringLiterals;

QFont formFont()
{
    const QString designFace = u"MS Sans Serif"_s;
    QFont font = QFontDatabase::hasFamily(designFace)
        ? QFont(designFace)
        : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

QFont linkFont(const QFont &formFont)
{
    QFont font = formFont;
    font.setUnderline(true);
    return font;
}
