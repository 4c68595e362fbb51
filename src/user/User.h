#pragma once
// TUser: everything the program keeps about the current person, and the user file
// ("Users/" + FileName + ".219", 75352 bytes) that holds it. The fields are listed once,
// in file order, and that list drives both reading and writing; reserved and unused
// values are kept as read so a file round-trips byte for byte.
//
// The study results (knowledge bytes) and their answer rules are in Knowledge.h; the
// operations that record answers are here because they change this record.

#include "common/BoundedArray.h"
#include "common/LeStream.h"
#include "common/ShortString.h"
#include "content/QuestionId.h"
#include "content/VerseRef.h"
#include "user/SelectionKind.h"
#include "user/UserOptions.h"
#include "user/WallOfFame.h"

#include <cstdint>
#include <span>
#include <string>

namespace sv {

class TQuestions;
class TBooks;

class TUser {
public:
    static constexpr std::size_t FileSize = 75352;
    static constexpr int QuestionsPerCollection = 8191;

    TUser(); // the defaults, as Reset(false, false)
    virtual ~TUser() = default;
    TUser(const TUser&) = default;
    TUser& operator=(const TUser&) = default;

    // Writes every field in file order.
    virtual void SaveToStream(TStreamWriter& w) const;
    // Reads every field in file order; a short stream (TShortReads::Keep) leaves the fields
    // it does not reach as they were.
    virtual void LoadFromStream(TStreamReader& r);

    // Writes the whole record to a temporary file beside path and replaces path only once
    // all of it is written; on failure throws EFileError "Cannot create file " + path and
    // the old file stays as it was.
    void SaveToFile(const std::string& path) const;
    // Throws EFileError "Cannot open file " + path when the file cannot be read.
    void LoadFromFile(const std::string& path);

    // Every field to its default. usesSituation is the question store's UsesSituation (it
    // picks three unused defaults), assistantAvailable whether an assistant character is
    // installed (the default of UseAssistant).
    void Reset(bool usesSituation, bool assistantAvailable);

    bool AddHighScore(std::int32_t score, std::string_view name) { return WallOfFame.AddHighScore(score, name); }

    // A user with an empty FullName counts as no user chosen.
    bool IsChosen() const { return FullName.length() > 0; }

    // --- Study results ---
    // The knowledge byte of a question (collection 0..7, number 1..8191); range error outside.
    std::uint8_t& QuestionByte(TQuestionAddr q);
    std::uint8_t QuestionByte(TQuestionAddr q) const;

    // Applies the answer rule to the question and to every copy along its DupLink chain.
    void RecordQuestion(TQuestionAddr q, bool right, const TQuestions& questions);
    // Applies the answer rule to the memory verse of ref (MemoryVerseNoOf; 1 when none).
    void RecordMemoryVerse(const TVerseRef& ref, bool right, const TBooks& books);
    // Applies the reference answer rule to verse verseNo (1..1200).
    void RecordReference(int verseNo, bool right);

    bool IsTried(TQuestionAddr q) const;
    bool IsUnmastered(TQuestionAddr q) const;
    bool IsMastered(TQuestionAddr q) const;
    bool IsMemoryVerseTried(int m) const;
    bool IsMemoryVerseUnmastered(int m) const;
    bool IsMemoryVerseMastered(int m) const;
    bool IsReferenceTried(int verseNo) const;
    bool IsReferenceUnmastered(int verseNo) const;
    bool IsReferenceMastered(int verseNo) const;

    // --- Material selection ---
    // The mode kept in the four flags ByChapters, BySections, ByVerses, ByMemory.
    TSelectionKind SelectionMode() const;
    void SetSelectionMode(TSelectionKind kind);
    // The selection array of a kind (ChapterSel, VerseSel, SectionSel or MemorySel).
    std::span<std::uint8_t> SelectionFlags(TSelectionKind kind);
    std::span<const std::uint8_t> SelectionFlags(TSelectionKind kind) const;

    // --- The record, in file order ---
    // The layout version every saved file carries.
    static constexpr std::int32_t FileVersion = 219;
    std::int32_t Version = FileVersion;
    std::uint8_t Reserved4 = 0;
    TShortString<100> FullName;
    TShortString<100> FileName;
    TShortString<8> Reserved207;
    std::int32_t Reserved216 = 0;
    std::int32_t Reserved220 = 0;
    std::int32_t Reserved224 = 0;
    std::uint8_t LimitNumber = 1;
    std::uint8_t AllAvailable = 0;
    std::uint16_t Padding230 = 0;
    std::int32_t MaxQuestions = 30;
    TFixedArray<std::uint8_t, 0, 7> Collections{"collection choice"};
    TUserOptions Options;
    std::int32_t WordUseLimit = 4;
    std::int32_t MemVerseTypes = 2;
    std::int32_t GameRounds = 0;
    std::int32_t GameMemoryVerses = 0;
    TFixedArray<std::uint8_t, 1, 29> ChapterSel{"ChapterSel"};
    TFixedArray<std::uint8_t, 1, 1275> SectionSel{"SectionSel"};
    TFixedArray<std::uint8_t, 1, 1200> VerseSel{"VerseSel"};
    TFixedArray<std::uint8_t, 1, 1200> MemorySel{"MemorySel"};
    TFixedArray<std::uint8_t, 0, 65527> QuestionKnowledge{"QuestionKnowledge"};
    TFixedArray<std::uint8_t, 1, 1200> ReferenceKnowledge{"ReferenceKnowledge"};
    TFixedArray<std::uint8_t, 1, 1200> MemoryKnowledge{"MemoryKnowledge"};
    TWallOfFame WallOfFame;
    TShortString<255> VoiceName;
    TShortString<255> PersonalityName;
    std::uint8_t TypeVerse = 0; // memory verses: the quizzer types the recitation (0/1)
    TFixedArray<std::uint8_t, 1, 2007> ReservedBlock{"reserved block"};

private:
    template <class Self, class F>
    static void Fields(Self& s, F&& f);
};

} // namespace sv
