#pragma once
// The question sets document: every drawn set as its toss-ups followed by its bonuses, each
// set starting on a new page, as RTF (one or two columns) or plain text.

#include <string>

namespace sv {

class TDocFile;
class TQuestions;
class TSetsOfQs;

struct TSetDocOptions {
    std::string Heading; // Windows-1252; empty for none
    int Sets = 2;
    int TossUps = 200; // toss-ups per set
    int QuestionsPerSet = 275;
    bool MarkDuplicates = true; // asterisks for questions held by several collections
    bool UnderlinePrejumps = true;
    bool HighlightKeywords = true;
    int KeywordLimit = 3;
    bool UseColour = true;
    bool TwoColumns = true;
};

// The whole document (RTF: header, sets, trailer; text: the sets).
void WriteSetDocument(TDocFile& file, const TSetsOfQs& sets, const TSetDocOptions& options,
                      const TQuestions& questions);

// Words underlined as the prejump of a set entry by its type: none for type 1, the whole
// question for type 41, the lead-in words plus the prejump for types 39 and 40.
int SetPrejumpWords(int typeCode, int prejumpWords);

} // namespace sv
