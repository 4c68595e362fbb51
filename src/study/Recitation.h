#pragma once
// Typed recitation of a memory verse: the quizzer's typed words compared with the passage word
// by word (a word-level edit distance). Case, punctuation and apostrophes (straight or curly)
// are ignored; a word is a run of text between spaces or dashes, and a run without any letter
// or digit is no word. The passage's reference may be typed before or after the words, in any
// usual form ("Galatians 1:8-9", "Gal 1:8–9", "Gal1:8-9", in brackets or not); it is one item
// of the comparison, required only when the question asked for it. The prompt words a finish
// question showed may be typed again without counting.

#include "content/MarkedText.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace sv {

class TBooks;
struct TMVEntry;

enum class TRecitedKind {
    Right,  // the passage word, typed
    Missed, // a passage word that was not typed
    Extra,  // a typed word the passage does not have at that place
    Wrong,  // a passage word typed as another word
};

struct TRecitedWord {
    TRecitedKind Kind = TRecitedKind::Right;
    QString Passage; // the passage word as written (empty for Extra)
    QString Typed;   // the typed word as written (empty for Missed)
    // The hyphen or dash that joins the passage word to the next one ("well-known"); empty
    // when a space follows.
    QString Joint;
    bool operator==(const TRecitedWord&) const = default;
};

struct TRecitation {
    // In passage order, typed extras where they were typed; the reference last, when it was
    // asked for or typed.
    std::vector<TRecitedWord> Words;
    int Errors = 0; // missed + extra + wrong
};

// The reference of a recited passage.
struct TRecitationReference {
    QString BookName;   // "Galatians"
    QString BookAbbrev; // "Gal"
    int Chapter = 0;
    int FirstVerse = 0;
    int LastVerse = 0;
    // As the marked copy shows it: "Gal 1:8-9".
    QString Text() const;
};

// What the question asked the quizzer to recite.
struct TRecitationTask {
    QString Passage;     // the whole passage as written
    int PromptWords = 0; // its first words, which the question showed
    TRecitationReference Reference;
    bool ReferenceAsked = false; // "... and give the reference"
};

// The passage a typed recitation is compared with: the answer's text without its appended
// reference and markers.
QString RecitationPassage(const TMarkedText& answer);
// The task of a memory-verse entry whose question and answer were composed as answer.
TRecitationTask RecitationTaskOf(const TBooks& books, const TMVEntry& entry, const TMarkedText& answer);
// The words of a text (see the header comment).
QStringList RecitationWords(const QString& text);
// The comparison key of a word: its letters and digits, case folded.
QString RecitationKey(const QString& word);
// The fewest missed, extra and wrong words that turn the passage into the typed text; among
// equal counts a wrong word is preferred to a missed and an extra one. Missing prompt words
// cost nothing and are not listed, nor are prompt words typed again.
TRecitation CompareRecitation(const TRecitationTask& task, const QString& typed);
// The same for a bare passage: no prompt words, no reference.
TRecitation CompareRecitation(const QString& passage, const QString& typed);
// The marked copy as rich text: the count of errors, the passage with missed, extra and wrong
// words marked, and a key to the marks.
QString RecitationMarkup(const TRecitation& recitation);

} // namespace sv
