#pragma once
// Writing authored questions back as a question file (questions/FORMAT.md): what the question
// editor saves as the coach's own file, and what reading the file gives back unchanged.

#include "compiler/Sources.h"

#include <string>
#include <vector>

namespace sv::content {

// The type name of the question file for a type code ("who"), or the code as digits when the
// type has no name.
std::string AuthoredTypeName(int type);

// A reference as the question file writes it: the book's key, "Gal 1:4".
std::string RefText(const TVerseRef& ref, const TPortion& portion);

// The question file's text (UTF-8) for the questions, references written with the portion's
// book keys ("Gal 1:4").
std::string QuestionFileText(const std::vector<TAuthoredQuestion>& questions, const TPortion& portion);

// Writes the file whole or not at all. Throws EFileError "Cannot create file <path>".
void WriteQuestionFile(const std::string& path, const std::vector<TAuthoredQuestion>& questions,
                       const TPortion& portion);

} // namespace sv::content
