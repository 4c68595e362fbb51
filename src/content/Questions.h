#pragma once
// TQuestions: the question database, eight collections (0..7) of fixed 24-byte records with
// three coded text streams (prefix, question, answer) and a reference table with answer
// positions. Read once from "wf.qs"; read-only afterwards. Question wording (leads, composed
// question and answer, word lists, prejump points) is implemented in QuestionWording.cpp.
//
// A question held by several collections is stored once in its home collection and as a
// placeholder record (type 44) in each other one; the home record's DupLink chain runs through
// the placeholders. Wherever a question is shown, counted or recorded, a placeholder stands
// for its home record.
//
// The file fields live in public records (Data) so that the content compiler can fill a store
// and write it with SaveToStream. Every accessor range-checks the collection (0..7) and the
// question index (1..QuestionCount).

#include "common/BoundedArray.h"
#include "common/LeStream.h"
#include "common/ShortString.h"
#include "content/MarkedText.h"
#include "content/QuestionId.h"
#include "content/QuestionTypes.h"
#include "content/VerseRef.h"
#include "content/VerseSelection.h"
#include "content/WordCode.h"

#include <array>
#include <cstdint>
#include <string>

namespace sv {

class TWords;
class TBooks;

// A question record, 24 bytes in the file.
struct TQuestionRec {
    std::uint8_t QType = 0;
    // Ordinary records: bits 0..2 DupCount, bits 3..7 PrejumpWords. Placeholders: home collection.
    std::uint8_t Info = 0;
    std::uint8_t Byte2 = 0; // carried unchanged
    std::uint8_t Byte3 = 0;
    std::uint32_t PrefixStart = 0;   // position in PrefixText; ends at the next record's
    std::uint32_t QuestionStart = 0; // position in QuestionText; ends at the next record's
    std::uint16_t RefStart = 0;      // first TQuestionRef of the question
    std::int16_t HomeIndex = 0;      // placeholders: index of the home record
    TQuestionId DupLink = 0;         // next copy of the question, 0 ends the chain
    std::uint16_t SortKey = 0;
    std::int16_t QuestionLength = 0;
    std::int16_t AnswerLength = 0;

    int DupCount() const { return Info & 0x07; }
    int PrejumpWords() const { return Info >> 3; }
    void SetPrejumpWords(int n) { Info = static_cast<std::uint8_t>((Info & 0x07) | ((n & 0x1F) << 3)); }
    bool operator==(const TQuestionRec&) const = default;

    template <class Self, class Io>
    static void Fields(Self& s, Io& io)
    {
        io(s.QType), io(s.Info), io(s.Byte2), io(s.Byte3), io(s.PrefixStart), io(s.QuestionStart);
        io(s.RefStart), io(s.HomeIndex), io(s.DupLink), io(s.SortKey), io(s.QuestionLength);
        io(s.AnswerLength);
    }
};

// A question reference, 8 bytes in the file.
struct TQuestionRef {
    std::uint8_t BookChapter = 0; // book in bits 5..7, chapter in bits 0..4
    std::uint8_t Verse = 0;
    std::uint8_t Reserved2 = 0; // carried unchanged
    std::uint8_t Reserved3 = 0;
    std::uint32_t AnswerStart = 0; // position in AnswerText of this reference's answer part

    int Book() const { return BookChapter >> 5; }
    int Chapter() const { return BookChapter & 0x1F; }
    void SetBookChapter(int book, int chapter)
    {
        BookChapter = static_cast<std::uint8_t>(((book & 0x07) << 5) | (chapter & 0x1F));
    }
    bool operator==(const TQuestionRef&) const = default;

    template <class Self, class Io>
    static void Fields(Self& s, Io& io)
    {
        io(s.BookChapter), io(s.Verse), io(s.Reserved2), io(s.Reserved3), io(s.AnswerStart);
    }
};

struct TCollection {
    std::uint8_t Available = 0; // computed at load: QuestionCount >= 1
    std::uint8_t Spare = 0;
    TShortString<20> Name;
    TFixedArray<std::uint8_t, 0, 7> Requires{"Requires"};
    std::array<std::uint8_t, 17> Reserved{};
    std::int16_t QuestionCount = 0;
    std::int32_t PrefixSize = 0;
    std::int32_t QuestionTextSize = 0;
    std::int32_t AnswerTextSize = 0;
    std::uint16_t RefCount = 0;
    TDynArray<TQuestionRec> Records{"question records"};         // 1..QuestionCount+1 (closing record)
    TDynArray<std::uint8_t> PrefixText{"PrefixText"};            // 1..PrefixSize+1
    TDynArray<std::uint8_t> QuestionText{"QuestionText"};        // 1..QuestionTextSize+1
    TDynArray<std::uint8_t> AnswerText{"AnswerText"};            // 1..AnswerTextSize+1
    TDynArray<TQuestionRef> QuestionRefs{"question references"}; // 1..RefCount+1 (closing entry)

    // The arrays exist (QuestionCount > 0 when loaded).
    bool HasQuestions() const { return !Records.empty(); }

    // The collection's field list with the reader's checks (Questions.cpp); Available is
    // not stored.
    template <class Self, class Io>
    static void Fields(Self& s, Io& io);
};

struct TQuestionsData {
    std::uint8_t HasSortKeys = 0;
    TFixedArray<TCollection, 0, 7> Collections{"collections"};

    template <class Self, class Io>
    static void Fields(Self& s, Io& io);
};

inline constexpr int CollectionHeadSize = 63;

// Flags indexed by collection 0..7 and by type code 0..44.
using TCollectionFlags = TFixedArray<std::uint8_t, 0, 7>;
using TTypeFlags = TFixedArray<std::uint8_t, 0, MaxChoosableType>;

// What MarkMaterialQuestions reports for one collection.
struct TCollectionMaterial {
    int QuestionCount = 0;
    int InMaterial = 0;
    TFixedArray<std::uint8_t, 1, MaxQuestionsPerCollection> Flags{"material flags"};
};
using TMaterialQuestions = TFixedArray<TCollectionMaterial, 0, 7>;

// Result of QuestionsOfVerse: first index on the verse (0 when none) and the first index
// after it whose primary verse differs.
struct TQuestionRange {
    int First = 0;
    int After = 0;
};

// How ComposeQuestion words a question.
struct TComposeOptions {
    // Each answer part ends with its reference.
    bool WithReferences = true;
    // Keyword colours from the use count of each word (otherwise no word is coloured).
    bool MarkUniques = false;
    // Bars ("||") after the prejump point, and the automatic reveal stops WordsPastKeyword
    // words past it (otherwise it runs to the end of the question).
    bool KeywordTargeting = false;
    std::int16_t WordsPastKeyword = 0;
};

class TQuestions {
public:
    TQuestions(const TWords& words, const TBooks& books);
    virtual ~TQuestions() = default;

    TQuestionsData Data;
    const TWords& Words() const { return m_words; }
    const TBooks& Books() const { return m_books; }

    // Question file. LoadFromFile also sets UsesSituation. A missing file is an EFileError
    // "Cannot open file " + path; a truncated file or a count beyond the data model is an
    // ERangeError.
    void LoadFromFile(const std::string& path);
    void LoadFromStream(TStreamReader& r);
    void SaveToStream(TStreamWriter& w) const;
    // Sets Available of every collection and UsesSituation (done by the loaders).
    void UpdateDerived();

    const TCollection& Collection(int collection) const;
    TCollection& Collection(int collection);
    // The record of a question, index 1..QuestionCount.
    const TQuestionRec& Record(TQuestionAddr q) const;

    bool HasQuestions(int collection) const;
    int QuestionCount(int collection) const;
    std::uint8_t QuestionType(TQuestionAddr q) const;
    std::uint8_t ListType(TQuestionAddr q) const;
    std::uint8_t PrejumpClass(TQuestionAddr q) const;
    int RefCountOf(TQuestionAddr q) const;
    TVerseRef RefOf(TQuestionAddr q, int k) const;
    TVerseRef PrimaryRef(TQuestionAddr q) const;
    int PrimaryVerseNo(TQuestionAddr q) const;
    std::uint32_t AnswerStartOf(TQuestionAddr q, int k) const;
    int DupCount(TQuestionAddr q) const;
    std::uint8_t InfoByte(TQuestionAddr q) const;
    int HomeIndex(TQuestionAddr q) const;
    std::uint8_t HomeType(TQuestionAddr q) const;
    // The stored link to the next copy of the question, 0 at the end of the chain.
    TQuestionId DupLink(TQuestionAddr q) const;
    std::uint16_t SortKey(TQuestionAddr q) const;
    std::int16_t QuestionLength(TQuestionAddr q) const;
    std::int16_t AnswerLength(TQuestionAddr q) const;
    bool IsPlaceholder(TQuestionAddr q) const;
    // The home record for a placeholder, else the question itself.
    TQuestionAddr HomeOf(TQuestionAddr q) const;

    TQuestionRange QuestionsOfVerse(int collection, int verseNo) const;
    void MarkMaterialQuestions(const TVerseSelection& material, TMaterialQuestions& out) const;
    bool AnyQuestionInMaterial(const TVerseSelection& material, const TCollectionFlags& chosen) const;
    bool AnyChosenTypeInMaterial(const TVerseSelection& material, const TCollectionFlags& chosen,
                                 const TTypeFlags& types) const;
    bool IsTypeChosen(TQuestionAddr q, const TCollectionFlags& chosen, const TTypeFlags& types) const;
    bool UsesSituation() const { return m_usesSituation; }

    // ---- Question wording ----
    virtual std::string QuestionLead(TQuestionAddr q) const;
    static std::string TypeLead(int type);
    static std::string PreannounceCode(int type);
    static char CollectionMark(int collection);
    std::string PrefixTextOf(TQuestionAddr q) const;
    std::uint8_t PrejumpPoint(TQuestionAddr q, bool countLeadWords) const;
    std::string QuestionPlainText(TQuestionAddr q) const;
    // Which words QuestionWords decodes.
    enum class TWordsOf {
        Question,            // the question's words
        QuestionWithoutLead, // the same without a leading pair whose word is none (punctuation)
        Answer,              // the answer's words
        QuestionAndAnswer,   // both
    };
    // Decodes the chosen words into question and answer (the other one is left empty).
    // Returns the answer's pair count, 0 when the answer was not asked for.
    int QuestionWords(TQuestionAddr q, TWordsOf which, TWordPairs& question, TWordPairs& answer) const;
    // Words question and answer of a question into the two marked texts.
    void ComposeQuestion(TQuestionAddr q, const TKeywordTags& tags, const TComposeOptions& options, TMarkedText& answer,
                         TMarkedText& question) const;

private:
    // Decodes [from, to) of a stream into pairs.
    void DecodeRange(const TCodeStream& stream, long long from, long long to, TWordPairs& out) const;
    // Answer range of reference k: from its AnswerStart to the next reference's.
    std::uint32_t AnswerEndOf(TQuestionAddr q, int k) const;
    std::int32_t KeywordTagOf(TWordCode code, const TKeywordTags& tags, bool markUniques) const;

    const TWords& m_words;
    const TBooks& m_books;
    bool m_usesSituation = false;
};

} // namespace sv
