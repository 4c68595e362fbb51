#pragma once
// TWords: the vocabulary of the content. Words 1..WordCount are sorted case-insensitively,
// extra words WordCount+1..TotalWords follow in no particular order; each has a use count, the
// chapter of its first use, a word group and a run of occurrences (verse numbers). Also the
// table of 63 frequent words and the separator texts. Every coded text of the content files is
// turned into characters here. Read once from "wf.wl"; read-only afterwards.
//
// The file fields live in the public member Data so that the content compiler can fill a
// store and write it with SaveToStream.

#include "common/BoundedArray.h"
#include "common/LeStream.h"
#include "content/WordCode.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace sv {

// One word record, 10 bytes in the file.
struct TWordRec {
    std::uint8_t UseCount = 0;  // 1..255
    std::uint8_t Reserved1 = 0; // carried unchanged
    std::uint8_t Reserved2 = 0;
    std::uint8_t FirstChapter = 0; // ChapterNo of the first use
    std::uint8_t Category = 0;     // word group 0..15; higher values belong to no group
    std::uint8_t Reserved5 = 0;
    std::uint16_t TextStart = 0; // position of the NUL-terminated text in WordChars
    std::uint16_t FirstOcc = 0;  // index of the first entry in Occurrences
    bool operator==(const TWordRec&) const = default;

    template <class Self, class Io>
    static void Fields(Self& s, Io& io)
    {
        io(s.UseCount), io(s.Reserved1), io(s.Reserved2), io(s.FirstChapter), io(s.Category);
        io(s.Reserved5), io(s.TextStart), io(s.FirstOcc);
    }
};

// The word list file's fields, in file order.
struct TWordsData {
    std::uint16_t WordCount = 0;  // sorted words
    std::uint16_t Reserved = 0;   // carried unchanged
    std::uint16_t TotalWords = 0; // sorted plus extra words
    std::uint16_t TextSize = 0;
    std::uint8_t SepCount = 0;
    std::uint16_t SepTextSize = 0;
    std::int32_t OccCount = 0; // last index of Occurrences
    TFixedArray<std::uint16_t, 1, 63> Frequent{"Frequent"};
    TDynArray<std::int16_t> Occurrences{"Occurrences"}; // entries 0..OccCount (VerseNo each)
    TDynArray<TWordRec> WordRecs{"WordRecs"};           // entries 1..TotalWords
    TDynArray<std::uint8_t> WordChars{"WordChars"};     // positions 1..TextSize
    TDynArray<std::uint16_t> SepStart{"SepStart"};      // entries 1..SepCount
    TDynArray<std::uint8_t> SepText{"SepText"};         // positions 1..SepTextSize

    // The file's field list with the reader's checks (Words.cpp).
    template <class Self, class Io>
    static void Fields(Self& s, Io& io);
};

// Word group sets: bit c set means category c belongs to the set; 0 means no filter.
using TCategorySet = std::uint16_t;

struct TWordGroup {
    const char* Name;
    TCategorySet Categories;
};
// The word study's group menu, in menu order ("All words" first, no filter).
inline constexpr TWordGroup WordGroups[] = {
    {"All words", 0},           {"People", 1u << 5},        {"Places", 1u << 6},         {"Nouns", 0x01FE},
    {"Pronouns", 1u << 9},      {"Adjectives", 1u << 10},   {"Verbs", 1u << 11},         {"Adverbs", 1u << 12},
    {"Prepositions", 1u << 13}, {"Conjunctions", 1u << 14}, {"Interjections", 1u << 15},
};

class TWords {
public:
    // A new list: empty except separators 1 (" ") and 2 ("[").
    TWords();

    TWordsData Data;

    // Reading and writing the word list file. LoadFromFile throws EFileError
    // "Cannot open file " + path; a truncated or inconsistent file is an ERangeError.
    void LoadFromFile(const std::string& path);
    void LoadFromStream(TStreamReader& r);
    // A list that was never loaded first fits its arrays to the counts and, when marked
    // stale, rebuilds Frequent from the use counts.
    void SaveToStream(TStreamWriter& w);
    bool Loaded() const { return m_loaded; }
    void MarkFrequentStale() { m_frequentStale = true; }
    // Scanning use counts 255 down to 1, takes sorted words in index order until 63 entries.
    void RebuildFrequent();

    int WordCount() const; // sorted words; 32768 or more is an error
    int TotalWords() const { return Data.TotalWords; }

    std::string WordText(TWordCode code) const;
    std::string RawWordText(TWordCode code) const;
    std::string SeparatorText(TSeparatorCode code) const;

    // Decodes one pair at pos and advances pos by 1, 2 or 3.
    TWordPair DecodePair(const TCodeStream& code, long long& pos) const;
    // DecodePair then the texts; the separator of the two forms without an explicit
    // separator byte is a single space.
    void DecodePairText(const TCodeStream& code, long long& pos, std::string& word, std::string& separator) const;

    std::uint8_t UseCountOf(TWordCode code) const;
    std::uint8_t FirstChapterOf(TWordCode code) const;
    std::uint8_t CategoryOf(int index) const;

    // Binary search over the sorted words, then a linear search over the extra words;
    // 0 when not found. Adds 0x1000 or 0x2000 by the case of the text (see Words.cpp).
    TWordCode FindWord(std::string_view text) const;

    int FirstOccurrence(int index) const;
    int LastOccurrence(int index) const;
    std::int16_t Occurrence(int entry) const; // the VerseNo stored at entry

    // Filters over the sorted words: UseCount <= useLimit, groups empty or Category <= 15 and
    // in groups, FirstChapter <= throughChapter.
    int CountFiltered(int useLimit, TCategorySet groups, int throughChapter) const;
    int NthFiltered(int n, int useLimit, TCategorySet groups, int throughChapter) const;
    int SkipFiltered(int start, int n, int useLimit, TCategorySet groups, int throughChapter) const;
    int LocateFiltered(std::string_view text, int useLimit, TCategorySet groups, int throughChapter) const;
    bool PassesFilter(int index, int useLimit, TCategorySet groups, int throughChapter) const;

    const TWordRec& Rec(int index) const { return Data.WordRecs[index]; }

private:
    void FitArrays();
    // Case-insensitive (ASCII) comparison of text with word i: <0, 0, >0.
    int CompareWith(std::string_view text, int index) const;
    bool m_loaded = false;
    bool m_frequentStale = false;
};

} // namespace sv
