#pragma once
// The scripture portion document: the text of the material from its first chapter through a
// chosen chapter, landscape in three columns, with book and section headings, a dropped
// chapter number at each chapter start, superscript verse numbers, memory passages and
// keywords highlighted, and the footnotes of "footnotes.txt" at their places. Always RTF.

#include "print/DocFile.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace sv {

class TBooks;
class TUser;

struct TPortionChoices {
    int ThroughChapter = 1; // ChapterNo of the last chapter printed
    bool HighlightMemory = true;
    bool HighlightKeywords = true;
    int KeywordLimit = 3; // 1..9
    bool UseColor = true; // "Color memory && keywords"
    bool IncludeFootnotes = true;
};

// The remembered choices (the chapter is not remembered: it starts at the first chapter).
TPortionChoices PortionChoicesOf(const TUser& user);
void StorePortionChoices(TUser& user, const TPortionChoices& c);

// One line of "footnotes.txt": book, chapter, verse, the number of characters of the verse's
// text before the footnote, and its text.
struct TFootnote {
    int Book = 0, Chapter = 0, Verse = 0;
    long Position = 0;
    std::string Text;
};

struct TFootnotes {
    static constexpr int Capacity = 500;
    std::vector<TFootnote> Items; // in document order
    int LeftOut = 0;              // lines beyond the capacity
};

// A footnote line that does not start with four whole numbers.
class EFootnoteError : public std::runtime_error {
public:
    explicit EFootnoteError(const std::string& what) : std::runtime_error(what) { }
};

// Reads a footnote file; a missing file gives no footnotes. Lines are sorted into document
// order; the first Capacity lines are kept. Throws EFootnoteError on a line without its four
// numbers (blank lines are skipped).
TFootnotes ReadFootnotes(const std::string& path);

void WriteScripturePortion(TDocFile& file, const TBooks& books, const TPortionChoices& choices,
                           const std::vector<TFootnote>& footnotes);

} // namespace sv
