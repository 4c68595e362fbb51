#pragma once
// Test fixtures for the content files: describe a small scripture portion, its word list and
// question collections in plain text, and BuildFixture writes the three files ("wf.wl",
// "wf.bk", "wf.qs") exactly in the program's formats, so that tests do not depend on the
// shipped content.
//
//   sv::test::TFixtureDesc d = sv::test::SmallFixture();  // or fill one yourself
//   sv::test::TFixtureFiles f = sv::test::BuildFixture(d);
//   sv::test::TLoadedContent c;  c.Load(f);               // TWords, TBooks, TQuestions
//   f.WriteTo(dir);                                       // dir/wf.wl, wf.bk, wf.qs
//
// Text encoding. Texts are Windows-1252 bytes, split into words and separators and coded by
// the content's own tokenizer and encoder (content/Tokenizer.h, content/TextEncoder.h), as the
// content compiler codes the shipped files: an apostrophe or hyphen between letters stays
// inside a word, and in answer texts "{\ul " is underline markup, not a word (a separator of
// exactly one space is the default separator 1). Words used in verses become the sorted
// words, with use counts, first chapters and occurrences from the verses; words found only in
// questions or ExtraWords become extra words after them (section titles are plain text). A
// word written with a capital first letter is coded with the capitalise bit, an all-capitals
// word (two letters or more) with the as-stored bit; the stored text is lower case unless the
// word is only ever seen capitalised.
// The most frequent verse words fill the Frequent table (use count descending, index order),
// so the compact one- and two-byte code forms occur naturally.
//
// Question texts: "Question" and "Prefix" are plain text; an answer is one part per reference.
// A placeholder (HomeCollection >= 0) gets type 44 and no text; the builder links the home
// record's DupLink chain through its placeholders in collection order and sets the home
// record's DupCount to 1 + the number of placeholders. Questions are written in the order
// given: keep each collection ordered by primary reference.

#include "content/Books.h"
#include "content/Questions.h"
#include "content/Tokenizer.h"
#include "content/VerseRef.h"
#include "content/Words.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace sv::test {

struct TFixtureBook {
    std::string Name;                               // at most 13 characters
    std::string Abbrev;                             // at most 3 characters, e.g. "Ph " (followed directly by a chapter)
    std::vector<std::vector<std::string>> Chapters; // Chapters[c-1][v-1] = verse text
};

struct TFixtureSection {
    int Book = 1, Chapter = 1, Verse = 1;
    std::string Title;
};

struct TFixtureMemVerse {
    int Book = 1, Chapter = 1, Verse = 1;
    int PromptWords = 0;
    int VerseCount = 1;
};

struct TFixtureAnswerPart {
    TVerseRef Ref;
    std::string Text;
};

struct TFixtureQuestion {
    int Type = 3;
    std::string Prefix;
    std::string Question;
    std::vector<TFixtureAnswerPart> Answer; // at least one part (the primary reference)
    int PrejumpWords = 0;                   // stored in Info bits 3..7 (ComputePrejumpWords may overwrite)
    std::uint16_t SortKey = 0;
    std::int16_t QuestionLength = 0, AnswerLength = 0;
    // Placeholder: the home record's collection and index (type 44, no text; Answer gives
    // the references it is listed under, normally the home's primary reference).
    int HomeCollection = -1;
    int HomeIndex = 0;
};

struct TFixtureCollection {
    std::string Name; // at most 20 characters
    std::array<std::uint8_t, 8> Requires{};
    std::vector<TFixtureQuestion> Questions;
};

struct TFixtureDesc {
    std::vector<TFixtureBook> Books;
    std::vector<TFixtureSection> Sections;
    std::vector<TFixtureMemVerse> MemoryVerses; // grouped by book and chapter in order
    std::vector<std::string> ExtraWords;
    std::map<std::string, int> Categories;       // lower-case word -> category (default 16: none)
    std::vector<TFixtureCollection> Collections; // up to 8; missing ones are empty
    std::uint8_t HasSortKeys = 0;
    bool ComputePrejump = true; // run ComputePrejumpWords before writing "wf.qs"
};

struct TFixtureFiles {
    std::vector<std::uint8_t> Wl, Bk, Qs;
    // Writes dir + "/wf.wl", "/wf.bk", "/wf.qs".
    void WriteTo(const std::string& dir) const;
};

// Two books ("Galatians" 3 chapters, "Philemon" 1 chapter), sections, memory verses (one of
// three verses), extra words and three collections (0 "Main", 1 "Extra", 2 "Bonus") with a
// placeholder chain: the home question in collection 0 has placeholders in 1 and 2.
TFixtureDesc SmallFixture();
// A generated portion of 5 books and 1200 verses with `collections` collections of
// `questionsPerCollection` questions each, ordered by primary reference, with placeholders.
TFixtureDesc LargeFixture(int collections = 8, int questionsPerCollection = 8000);

TFixtureFiles BuildFixture(const TFixtureDesc& desc);

// Encodes text as a code stream through a loaded or built word list, as BuildFixture does
// (handy for tests that need code bytes). Throws when a word or separator is not in the list.
std::vector<std::uint8_t> EncodeText(const TWords& words, const std::string& text,
                                     TTextMarkup markup = TTextMarkup::Plain);

// The three stores, loaded from fixture files in the program's order.
struct TLoadedContent {
    TWords Words;
    TBooks Books{Words};
    TQuestions Questions{Words, Books};
    void Load(const TFixtureFiles& files);
};

// The three stores loaded from a description's files.
std::unique_ptr<TLoadedContent> LoadFixture(const TFixtureDesc& desc);
// SmallFixture() built and loaded once for the whole test program.
const TLoadedContent& SmallContent();

} // namespace sv::test
