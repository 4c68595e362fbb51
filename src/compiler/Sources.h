#pragma once
// The readable content sources of a portion, read from a sources folder:
//   portion.yaml        module, books (name, abbreviation, diatheke key, verses per chapter),
//                       the eight collections (name, requires)
//   sections.yaml       section titles by first verse
//   memory.yaml         memory passages by chapter
//   wordgroups.tsv      word -> word group category
//   questions/*.yaml    authored questions (questions/FORMAT.md)
// Texts are converted to Windows-1252 here; every error names the file and line.

#include "compiler/SourceError.h"

#include "common/Win1252.h"
#include "content/VerseRef.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sv::content {

// The highest id (and next-id) a question file may give.
inline constexpr int MaxQuestionIdValue = 999999999;

struct TBookDef {
    std::string Name;   // Windows-1252
    std::string Abbrev; // Windows-1252, at most 3 characters
    std::string Key;    // diatheke key, also used in references
    std::vector<int> VersesPerChapter;
    TSourcePos Pos;
};

struct TCollectionDef {
    std::string Name; // Windows-1252, at most 20 characters
    std::vector<int> Requires;
};

struct TPortion {
    std::string Name; // "name": how the program lists the portion (UTF-8); empty when not given
    std::string Module;
    std::vector<TBookDef> Books;
    std::array<TCollectionDef, 8> Collections;
    // "next-id": the id "sv-content ids" gives the next authored question without one; it
    // only grows, so an id is never handed out twice. 0 when the file does not say.
    int NextId = 0;

    // "Gal 1:4", "Galatians 1:4": book by key, name or abbreviation (case-insensitive).
    // Checks that the chapter and verse exist. Errors at pos.
    TVerseRef ParseRef(const std::string& text, const TSourcePos& pos) const;
    // "Gal 1" (a chapter).
    TVerseRef ParseChapter(const std::string& text, const TSourcePos& pos) const;
    int VersesIn(int book, int chapter) const;
};

struct TSectionDef {
    TVerseRef Ref;
    std::string Title; // Windows-1252
    TSourcePos Pos;
};

struct TMemoryDef {
    TVerseRef Ref;
    int Count = 1;
    TSourcePos Pos;
};

// Word groups: lookup by the text as written first, then lower-cased, then with a capital
// first letter.
class TWordGroups {
public:
    void Add(const std::string& word, int category, const TSourcePos& pos);
    std::optional<int> Find(const std::string& word) const;
    // The entry for exactly this text (no lower-casing).
    std::optional<int> FindExact(const std::string& word) const;
    bool Empty() const { return m_map.empty(); }
    std::string File;

private:
    std::map<std::string, int> m_map;
};

struct TAnswerPart {
    TVerseRef Ref;
    std::string Text; // Windows-1252
    TSourcePos Pos;   // where the part is written (empty for generated parts)
};

struct TAuthoredQuestion {
    // "id": the question's identity, given once and kept through every change of the
    // question; 0 while it has none.
    int Id = 0;
    int Collection = 0;
    std::vector<int> Also;
    int Type = 0;
    std::string Prefix;   // Windows-1252
    std::string Question; // Windows-1252
    std::vector<TAnswerPart> Parts;
    // Answer words that rightly are not in the cited verses (Windows-1252), see AnswerCheck.h.
    std::vector<std::string> Allow;
    // Verses a reviewer checked against this question: "unique: {reviewed: [Eph 2:13]}"
    // resolves the audit's hits naming them (ContentAudit.h).
    std::vector<TVerseRef> Reviewed;
    // Words of the question a reviewer checked against its answer and its context:
    // "wording: {reviewed: [what, these]}" resolves the wording hits naming them
    // (WordingAudit.h). ASCII lower case.
    std::vector<std::string> WordingReviewed;
    TSourcePos Pos, AllowPos, ReviewedPos, WordingPos, IdPos;
};

// Each reader throws every error of its file at once (ESourceProblems). The forms taking a
// TProblems keep the errors there instead and return the entries that were read right.
TPortion ReadPortion(const std::string& path);
std::vector<TSectionDef> ReadSections(const std::string& path, const TPortion& portion, TProblems& problems);
std::vector<TMemoryDef> ReadMemory(const std::string& path, const TPortion& portion, TProblems& problems);
TWordGroups ReadWordGroups(const std::string& path, TProblems& problems);
std::vector<TAuthoredQuestion> ReadQuestions(const std::string& folder, const TPortion& portion, TProblems& problems);
std::vector<TAuthoredQuestion> ReadQuestionFile(const std::string& path, const TPortion& portion, TProblems& problems);
std::vector<TSectionDef> ReadSections(const std::string& path, const TPortion& portion);
std::vector<TMemoryDef> ReadMemory(const std::string& path, const TPortion& portion);
TWordGroups ReadWordGroups(const std::string& path);
// A word group table given as its text (name: how its errors name it).
TWordGroups ReadWordGroupsText(const std::string& text, const std::string& name);
// Every *.yaml of the folder in name order.
std::vector<TAuthoredQuestion> ReadQuestions(const std::string& folder, const TPortion& portion);
std::vector<TAuthoredQuestion> ReadQuestionFile(const std::string& path, const TPortion& portion);

// Type names of the authored-question format ("who", "according-to", ...) or a code.
std::optional<int> AuthoredTypeCode(const std::string& name);

} // namespace sv::content
