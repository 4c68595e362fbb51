#pragma once
// What "sv-content show" prints: a verse, a memory passage's questions or a stored question,
// composed from compiled content exactly as the program composes it (UTF-8 output).

#include "content/Books.h"
#include "content/Questions.h"
#include "content/Words.h"

#include <string>

namespace sv::content {

std::string ShowVerse(const TBooks& books, const TVerseRef& ref);
// Memory passage n (1-based, all books): quote, finish and finish-with-reference wording.
std::string ShowMemory(const TBooks& books, int n);
// Question index of a collection with its type, references, prejump point and sort key.
std::string ShowQuestion(const TQuestions& questions, TQuestionAddr question);

} // namespace sv::content
