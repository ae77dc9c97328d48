#pragma once

// Texts a user might paste into a filter box, and a catalogue whose records
// carry the same kinds of text.

#include <QList>
#include <QString>

#include <memory>

class DeviceCatalogue;

namespace hostile {

struct Sample
{
    const char *name;
    QString text;
};

// About one megabyte of pasted text (2^19 UTF-16 code units): lines of
// model-like words with blanks, punctuation and line breaks.
QString megabytePaste();

// The short hostile samples: surrogate pairs, combining marks, right-to-left
// text, NUL and control characters, line breaks, lone surrogates, case
// folding oddities.
QList<Sample> shortSamples();

// The short samples plus the megabyte paste and its upper-case form.
QList<Sample> allSamples();

// A catalogue with plain records taken from the real data and records whose
// fields hold the hostile samples (one of them a megabyte long), including
// records with an empty vendor, model or type.
std::unique_ptr<DeviceCatalogue> hostileCatalogue();

} // namespace hostile
