#pragma once
// Typed recitation of a memory verse: the quizzer's typed words compared with the passage word
// by word (a word-level edit distance). Case, punctuation and apostrophes (straight or curly)
// are ignored; a word is a run of text between spaces or dashes, and a run without any letter
// or digit is no word.

#include "content/MarkedText.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace sv {

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
    bool operator==(const TRecitedWord&) const = default;
};

struct TRecitation {
    // In passage order, typed extras where they were typed.
    std::vector<TRecitedWord> Words;
    int Errors = 0; // missed + extra + wrong
};

// The passage a typed recitation is compared with: the answer's text without its appended
// reference and markers.
QString RecitationPassage(const TMarkedText& answer);
// The words of a text (see the header comment).
QStringList RecitationWords(const QString& text);
// The comparison key of a word: its letters and digits, case folded.
QString RecitationKey(const QString& word);
// The fewest missed, extra and wrong words that turn the passage into the typed text; among
// equal counts a wrong word is preferred to a missed and an extra one.
TRecitation CompareRecitation(const QString& passage, const QString& typed);

} // namespace sv
