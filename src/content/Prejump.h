#pragma once
// The prejump word count of every question: the number of leading question words after which
// it differs from every other question of the same prejump class in all collections (capped
// at 31 and at the question's word count). Stored in bits 3..7 of each record's Info byte by
// the content compiler; the program reads it.

namespace sv {

class TQuestions;

// Computes and stores the count for every question whose type is neither 1 nor 44;
// bits 0..2 of Info are kept.
void ComputePrejumpWords(TQuestions& questions);

} // namespace sv
