#include "tests/fuzz/FuzzText.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace fuzztext {

namespace {

constexpr std::array<char16_t, 72> specialUnits = {
    // halves: Deseret 𐐀/𐐨, Adlam 𞤀/𞤢, a math letter, an emoji
    0xD801, 0xDC00, 0xDC28, 0xDC01, 0xDC29, 0xD83A, 0xDD00, 0xDD22,
    0xD835, 0xDC00, 0xD83D, 0xDE00,
    // letters whose folding is not the plain lower case
    0x212A, 0x212B, 0x017F, 0x00DF, 0x1E9E, 0x0130, 0x0131, 0x03A3,
    0x03C3, 0x03C2, 0x0345, 0x0399, 0x03B9, 0x1FBE, 0x00B5, 0x039C,
    0x03BC, 0xFB00, 0x01C4, 0x01C5, 0x01C6, 0x13A0, 0xAB70, 0x10A0,
    0x2D00, 0x0410, 0x0430, 0x00C4, 0x00E4, 0x00C5, 0x00E5, 0x1E9B,
    0xFF21, 0xFF41, 0x2160, 0x2170, 0x24B6, 0x24D0, 0x0149,
    // marks, direction and invisible characters, odd code points
    0x0301, 0x0300, 0x0332, 0x200F, 0x202E, 0x200B, 0x200D, 0xFEFF,
    0xFFFF, 0xFFFD, 0xE000, 0x00A0, 0x2028,
    // what the catalogue holds beyond ASCII, and digits of other scripts
    0x2122, 0x00AE, 0x0660, 0x0966, 0xFF10, 0x00B2, 0x2010, 0x2212,
};

} // namespace

QList<QString> split(const std::uint8_t *data, std::size_t size)
{
    QList<QString> texts(1);
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = data[i];
        if (b == 0xFF)
            texts.append(QString());
        else if (b < 0x80)
            texts.last().append(QChar(char16_t(b)));
        else
            texts.last().append(QChar(specialUnits[(b - 0x80u) % specialUnits.size()]));
    }
    return texts;
}

int unitAt(const QString &text, qsizetype index)
{
    return index < text.size() ? text[index].unicode() : 0;
}

void fail(const QString &message)
{
    std::fprintf(stderr, "check failed: %s\n", message.toUtf8().constData());
    std::abort();
}

} // namespace fuzztext
