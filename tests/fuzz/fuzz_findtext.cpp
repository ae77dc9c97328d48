// FindText against the plain rendition of the search rules, in both modes,
// on short texts and on texts long enough for the library's skip-table
// search.
#include "search/FindText.h"
#include "tests/fuzz/FuzzText.h"
#include "tests/support/ReferenceFilter.h"

using namespace Qt::StringLiterals;

namespace {

void check(const QString &searched, const QString &sought)
{
    for (const CompareMode mode : {CompareMode::Exact, CompareMode::CaseInsensitive}) {
        const qsizetype found = FindText(searched, sought, mode);
        if (!reference::acceptableFind(searched, sought, mode, found))
            fuzztext::fail(u"FindText gave %1, reference %2 (mode %3, %4 in %5 units)"_s
                               .arg(found)
                               .arg(reference::findText(searched, sought, mode))
                               .arg(int(mode))
                               .arg(sought.size())
                               .arg(searched.size()));
    }
}

// The sought text as a piece of the searched one, with its case changed:
// random bytes alone rarely produce a match.
QString pieceOf(const QString &searched, const QString &control)
{
    const qsizetype start = fuzztext::unitAt(control, 0) % (searched.size() + 1);
    const qsizetype length = fuzztext::unitAt(control, 1) % (searched.size() - start + 1);
    QString piece = searched.sliced(start, length);
    switch (fuzztext::unitAt(control, 2) % 3) {
    case 1: return piece.toUpper();
    case 2: return piece.toLower();
    default: return piece;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QList<QString> texts = fuzztext::split(data, size);
    const QString searched = texts.value(0);
    const QString sought = texts.size() > 2 ? pieceOf(searched, texts[2]) : texts.value(1);

    check(searched, sought);
    check(sought, searched);
    const QString padding(600, QChar(u'.'));
    check(padding + searched, sought);
    check(padding + searched + u"tail"_s, sought + u"tail"_s);
    return 0;
}
