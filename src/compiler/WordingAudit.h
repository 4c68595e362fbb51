#pragma once
// The wording audit of the authored questions: what a second reader checks in the wording
// of each question before a quizzer learns its answer.
//
// Rule breaks (check fails on them, build warns), in TAuditReport::Faults:
//   - bonus parts: a bonus is worth 10 points a part, so a question of the 20-, 30- and
//     40-point collections has exactly 2, 3 and 4 answer parts (AnswerParts), its prefix
//     opens with "Two-part answer." ("Three-part answer.", "Four-part answer."), and a number
//     the question asks for ("what three things", "which four of", "the first four deeds";
//     AskedCount) is its number of parts.
//
// Hits for review, in TAuditReport::Open; a hit is resolved by rewording, or by naming its
// words in "wording: {reviewed: [...]}" once a reader has checked them. A reviewed word that
// is no hit any more is reported, so a review never outlives its reason.
//   - question word: an answer part that is only the name of a person or group (no verb;
//     every content word a person or a people in the word groups) while "what" is the
//     question's only question word; an answer part that names a people and no place while
//     the question asks "where" (a "where" followed by a verb or ending its clause). The hit
//     names the question word.
//   - unnamed referent: a third-person pronoun (he, his, they, them, ...), a pronoun "this"
//     or "these", or "the former" / "the latter", with no noun before it in the question; a
//     demonstrative with a noun ("these gifts", "that way", "at that time") whose noun the
//     question has not used before. Relative uses ("he who", "those who"), words between
//     quotation marks and "according to" questions (they name their verse) are left out.
//     A noun is a word the groups class as a noun, name, place or people, or a content word
//     the text never uses ("believers"). The hit names the words ("his", "these gifts",
//     "the former").
// Words are classed by the word groups (wordgroups.tsv); without them only the bonus parts
// are checked.

#include "compiler/ContentAudit.h"
#include "compiler/Sources.h"

#include <string>
#include <vector>

namespace sv::content {

// The answer parts of a question: its list entries, each split at its semicolons; trimmed,
// empty pieces left out. A comma never separates parts ("Sincere; without offense").
std::vector<std::string> AnswerParts(const TAuthoredQuestion& q);

// The parts a question of the collection must have: 2, 3 and 4 for the 20-, 30- and 40-point
// bonuses, 0 (no rule) for the other collections.
int BonusPartsOf(int collection);

// The number of things a question asks for: a number word from two to ten right after
// "what", "which", "first", "last" or "other" ("What three things", "the first four deeds");
// 0 when it asks for none ("the two covenants" describes, it does not ask).
int AskedCount(const std::string& question);

// The prefix that announces n parts: "Two-part answer." ... "Ten-part answer."
std::string PartsPrefix(int n);

// Adds the rule breaks to report.Faults and the hits to report.Open (resolved ones counted
// in report.Resolved). groups may be null.
void AuditWording(const std::vector<TAuthoredQuestion>& questions, const TWordGroups* groups, TAuditReport& report);

} // namespace sv::content
