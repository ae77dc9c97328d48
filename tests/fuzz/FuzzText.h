#pragma once

// Turns fuzzer bytes into texts. The input is split at 0xFF bytes; bytes
// below 0x80 stand for themselves (ASCII with its control characters), bytes
// 0x80-0xFE pick code units that stress case folding and UTF-16: surrogate
// halves of cased letters, letters with odd foldings, combining marks,
// direction marks and the signs the catalogue holds.

#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzztext {

QList<QString> split(const std::uint8_t *data, std::size_t size);

// Unit `index` of the text, or 0 when the text is shorter.
int unitAt(const QString &text, qsizetype index);

// Writes the message and aborts, so the fuzzer keeps the input.
[[noreturn]] void fail(const QString &message);

} // namespace fuzztext
