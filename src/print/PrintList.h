#pragma once
// TPrintList: one question list job. It builds the list of the chosen material, collections
// and types, thins it (a number, a percentage or the best of a difficulty), orders it by
// reference or alphabetically and writes it as a full list (questions with answers) or a
// prejump list (the opening words of each question), RTF or plain text.
//
// Execute runs the whole job on the calling thread; the question lists window runs it on a
// worker thread while a progress window reads Progress() and may call Cancel(). A cancel that
// lands before writing begins ends the job without creating the file; once writing has begun
// the list is completed.

#include "content/MarkedText.h"
#include "content/Questions.h"
#include "content/VerseSelection.h"
#include "print/DocFile.h"
#include "print/SetsHelper.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

namespace sv {

class IRandom;
class TDocFile;
class TQsList;
class TUser;

enum class TListSize : int {
    AllAvailable = 0,
    NoMoreThan = 1,  // value: a number of questions
    Percent = 2,     // value: percent of the available questions
    BestPercent = 3, // value: percent, best by difficulty
    BestNumber = 4,  // value: a number, best by difficulty
};

enum class TListOrder : int { Alphabetical = 0, ByReference = 1 };

struct TListOptions {
    std::string FileName;
    bool Rtf = true;
    TTextEncoding TextEncoding = TTextEncoding::Utf8; // how a plain-text list is saved
    bool PrejumpList = false;
    bool OnlyDuplicates = false;
    bool IncludeReference = true;
    bool UnderlinePrejumps = false;
    bool ShowCode = true;       // "Include symbol signifying question type"
    bool MinimumInWords = true; // else in letters
    bool HighlightKeywords = false;
    bool UseColour = true; // keywords in their colours, else in bold
    TListOrder Order = TListOrder::ByReference;
    TVerseSelection Material;
    TCollectionFlags Collections;
    TTypeFlags Types;
    int PrejumpMinimum = 10;
    int KeywordLimit = 3;
    TKeywordTags KeywordColours; // filled for the keyword limit when highlighting, else for 0
    TListSize Size = TListSize::AllAvailable;
    int SizeValue = 0x7FFFFFFF;
    TDifficulty Difficulty = TDifficulty::Mixed;
};

// How many of `size` questions a size choice keeps (a percentage of a non-empty list keeps at
// least one question).
int ListTarget(TListSize mode, int value, int size);

class TPrintList {
public:
    enum class TOutcome { Written, Cancelled };

    TPrintList(const TQuestions& questions, TListOptions options, IRandom& random);
    ~TPrintList();

    // Builds, thins, orders and writes the list, then saves it to the file name (EFileError
    // when it cannot be created). Cancelled: nothing is written.
    TOutcome Execute();
    // The same without the file: the document is left in `out`.
    TOutcome Write(TDocFile& out);

    // Shared with the progress window: percent done (0..100; building and thinning up to 30,
    // ordering up to 90, writing the rest) and the cancel request.
    int ProgressPercent() const;
    void Cancel();
    bool Cancelled() const;

    const TListOptions& Options() const { return m_options; }
    const TQsList& List() const { return *m_list; }

private:
    void Build();
    void Thin();
    // The list's title and the key to the symbols its entries use.
    void WriteTitleAndKey(TDocFile& f);
    void WriteFullList(TDocFile& f);
    void WritePrejumpList(TDocFile& f);

    const TQuestions& m_questions;
    TListOptions m_options;
    IRandom& m_random;
    std::unique_ptr<TUser> m_user; // the job's own copy of the type choice
    std::unique_ptr<TQsList> m_list;
    std::vector<TSetCandidate> m_candidates;
    // The step the job is in and, while writing, the questions written (read by the progress
    // window on another thread).
    enum class TPhase { Building, Ordering, Writing, Done };
    std::atomic<TPhase> m_phase{TPhase::Building};
    std::atomic<int> m_written{0};
};

} // namespace sv
