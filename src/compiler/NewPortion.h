#pragma once
// A new portion's source folder drafted from the installed Bible module: portion.yaml with the
// verse counts the module has, wordgroups.tsv with every word of the text (the categories of
// a known table where it lists the word, else a guess from the capitals, marked "# review"),
// sections.yaml with one section per chapter to rename, an empty memory.yaml and an empty
// questions/ folder with its FORMAT.md.

#include "compiler/Compiler.h"

#include <string>
#include <vector>

namespace sv::content {

// A book of the Bible as the drafts name it.
struct TBibleBook {
    const char* Name;   // at most 13 characters
    const char* Key;    // diatheke (OSIS) key
    const char* Abbrev; // at most 3 characters
};
const std::vector<TBibleBook>& BibleBooks();

// One book of the request "1 Peter, 2 Peter" or "Matthew 1-7": the chapters it keeps.
struct TBookRequest {
    TBibleBook Book;
    int LastChapter = 0; // 0: every chapter of the book
};
// Throws ESourceError naming the part that is not understood.
std::vector<TBookRequest> ParseBookRequest(const std::string& text);

struct TNewPortionOptions {
    std::string Books; // "1 Peter, 2 Peter"
    std::string Module = "engWEB2015eb";
    std::string OutDir;
    std::string KnownGroupsText; // the text of a word group table whose categories are taken over (may be empty)
    std::string FormatText;      // the text of questions/FORMAT.md
};

struct TNewPortionReport {
    int Verses = 0, Chapters = 0, Words = 0, Known = 0, ToReview = 0;
};

// Writes the source folder (which must not hold a portion.yaml yet).
TNewPortionReport WriteNewPortion(const TNewPortionOptions& options, const TScriptureSource& scripture);

} // namespace sv::content
