#pragma once
// Builds the word list from every coded text of the content.
//
// Words are grouped case-insensitively (ASCII); each group is one sorted word record whose
// stored letters are chosen so that every occurrence can be rendered exactly through its
// case bits: a word written in mixed case ("LORD") is stored as written and read with bit
// 0x2000; otherwise a word the scripture capitalises in mid-sentence is stored capitalised
// (a proper name), every other word in lower case. Occurrences then carry bit 0x1000 where
// the text capitalises the first letter. The scripture's words are the sorted words (use
// counts, first chapter, occurrences); words that only other texts use (questions) become
// extra words after them, as does a mixed-case spelling that differs from the stored one.
//
// A word has one category. Where the word groups list it both capitalised and in lower case
// ("Spirit" and "spirit"), the capitalised entry's category is taken when the scripture
// capitalises the word in mid-sentence more often than it writes it in lower case, else the
// lower-case entry's.
//
// Separator 1 is a single space; the others follow by frequency. The empty separator is
// code 0. Frequent words follow the word list's rebuild rule (TWords::RebuildFrequent).

#include "compiler/Sources.h"

#include "content/TextEncoder.h"
#include "content/Tokenizer.h"
#include "content/WordCode.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace sv {
class TWords;
}

namespace sv::content {

class TWordListBuilder {
public:
    TWordListBuilder() = default;
    // The encoder made by Finish looks words up in this builder.
    TWordListBuilder(const TWordListBuilder&) = delete;
    TWordListBuilder& operator=(const TWordListBuilder&) = delete;

    // A verse of scripture: tokens, its VerseNo and ChapterNo; where names it for errors.
    void AddScripture(const std::vector<TToken>& tokens, int verseNo, int chapterNo, const std::string& where);
    // Any other coded text (questions): registers its words and separators.
    void AddOther(const std::vector<TToken>& tokens, const TSourcePos& where);

    // Assigns word indexes and separator codes and fills words.Data (WordCount, TotalWords,
    // records, texts, occurrences, separators, Frequent). With groups, every word the
    // scripture capitalises in mid-sentence must have a capitalised entry there.
    void Finish(const TWordGroups* groups, TWords& words);

    TWordCode CodeOf(const std::string& word) const;
    TSeparatorCode SepOf(const std::string& sep) const;
    // Coded text of the tokens.
    std::vector<std::uint8_t> Encode(const std::vector<TToken>& tokens) const;

    int SortedCount() const { return m_sortedCount; }
    int ExtraCount() const { return m_totalCount - m_sortedCount; }
    int SepCount() const { return static_cast<int>(m_sepOrder.size()); }
    int UncategorisedCount() const { return m_uncategorised; }

private:
    struct TGroup {
        std::string Irregular; // a mixed-case spelling, if any
        std::string IrregularWhere;
        bool CapitalisedMid = false;
        std::string CapWhere;
        bool Scripture = false;
        int Uses = 0;
        int LowerUses = 0;          // scripture occurrences written in lower case
        int CapitalisedMidUses = 0; // ... capitalised in mid-sentence
        int FirstChapter = 0;
        std::vector<std::int16_t> Occurrences;
        std::vector<std::string> OtherIrregular; // mixed-case spellings of other texts
        std::string FirstOtherWhere;
        // Assigned by Finish:
        int Index = 0;
        std::string Stored;
    };
    void AddWord(const std::string& word, bool midSentence, bool scripture, int verseNo, int chapterNo,
                 const std::string& where);
    void AddSep(const std::string& sep);

    std::map<std::string, TGroup> m_groups; // by lower-cased key
    std::map<std::string, int> m_variants;  // extra mixed-case spellings -> index
    std::map<std::string, int> m_sepUses;
    std::map<std::string, int> m_sepCode;
    std::vector<std::string> m_sepOrder;
    std::unique_ptr<TTextEncoder> m_encoder; // made by Finish
    int m_sortedCount = 0;
    int m_totalCount = 0;
    int m_uncategorised = 0;
    bool m_finished = false;
};

// Case classes of a written word relative to its lower-cased form.
enum class TCaseForm { Lower, Capitalised, Mixed };
TCaseForm CaseFormOf(const std::string& word);
std::string CapitaliseAscii(const std::string& lower);

} // namespace sv::content
