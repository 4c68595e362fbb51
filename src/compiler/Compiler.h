#pragma once
// The content compiler: readable sources in, the three content stores (word list, scripture,
// questions) and the footnote file out. Scripture text comes from a TScriptureSource (diatheke
// in the tool, canned text in tests).

#include "compiler/ContentAudit.h"
#include "compiler/Sources.h"

#include "content/Books.h"
#include "content/QuestionKeys.h"
#include "content/Questions.h"
#include "content/Words.h"
#include "portion/PortionInfo.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace sv::content {

// (module, book key, diatheke format, options) -> diatheke's output for the whole book.
using TScriptureSource = std::function<std::string(const std::string& module, const std::string& key,
                                                   const std::string& format, const std::string& options)>;

TScriptureSource DiathekeSource();

// A question before it is placed in its collections.
struct TQuestionDraft {
    int Collection = 0;
    std::vector<int> Also;
    int Type = 0;
    std::string Prefix, Question; // Windows-1252
    std::vector<TAnswerPart> Parts;
    TSourcePos Pos;
    TQuestionKey Key; // its identity through every build (content/QuestionKeys.h)
};

struct TCompileStats {
    int Verses = 0, Sections = 0, MemoryPassages = 0, Footnotes = 0;
    int AuthoredQuestions = 0;
    int SortedWords = 0, ExtraWords = 0, Separators = 0, Uncategorised = 0;
    std::array<int, 8> Questions{}; // records per collection (placeholders included)
    std::array<int, 8> Placeholders{};
    std::map<int, int> QuestionsByType; // home records
    std::vector<std::string> Warnings;
    // Authored answer words missing from their cited verses and not explained by "allow"
    // ("file:line: answer word ..."); check fails on them, build only warns.
    std::vector<std::string> AnswerWordFaults;
    // Ambiguity hits and coverage of the portion (ContentAudit.h).
    TAuditReport Audit;
    // Authored questions that have no id yet (they are known by their text key meanwhile).
    int MissingIds = 0;
};

class TCompiledContent {
public:
    TCompiledContent();
    TWords Words;
    TBooks Books;
    TQuestions Questions;
    std::string Footnotes; // footnotes.txt, Windows-1252, one footnote a line
    TQuestionKeys Keys;    // wf.qid: the key of every question by collection and number
    TPortionText Portion;  // portion.ini: the portion's name, books and translation, built today
    TCompileStats Stats;
};

// Reads every source of the folder and compiles it. Throws ESourceError with every fault the
// run met (ESourceProblems when there are several).
std::unique_ptr<TCompiledContent> Compile(const std::string& sourcesDir, const TScriptureSource& scripture);

// Compiles from already-read sources (tests use it with tiny sources).
struct TSourceSet {
    TPortion Portion;
    std::vector<TSectionDef> Sections;
    std::vector<TMemoryDef> Memory;
    std::optional<TWordGroups> Groups;
    std::vector<TAuthoredQuestion> Authored;
};
std::unique_ptr<TCompiledContent> Compile(const TSourceSet& sources, const TScriptureSource& scripture);
// Reads every source of the folder as Compile(sourcesDir, ...) does, without compiling. Throws
// ESourceError with every fault of the files.
TSourceSet ReadSourceSet(const std::string& sourcesDir);

// The text key of an authored question: "text Gal 1:4 " and the first 12 hexadecimal digits of
// the SHA-256 of its prefix and question text. It stands for the question until it has an id
// and stays its alias afterwards.
std::string TextKeyOf(const TAuthoredQuestion& q, const TPortion& portion);

// The description of a portion: its name (the books' span when portion.yaml gives none), its
// books, its translation, and the day it was built.
TPortionText DescribePortion(const TPortion& portion, QDate built);

// Writes wf.wl, wf.bk, wf.qs, wf.qid, footnotes.txt and portion.ini into the folder (and creates
// Users/ there).
void WriteContent(TCompiledContent& content, const std::string& outDir);

// The leading word counts that make each passage unique among the passages of its class:
// passages[i] are the passage's words (compared case-insensitively); class[i] groups them.
std::vector<int> UniquePrefixLengths(const std::vector<std::vector<std::string>>& passages,
                                     const std::vector<int>& classes);

// Dense case-insensitive rank (1-based) of each text; equal texts share a rank.
std::vector<int> CaseInsensitiveRanks(const std::vector<std::string>& texts);

} // namespace sv::content
