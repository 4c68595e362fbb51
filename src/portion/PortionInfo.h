#pragma once
// TPortionInfo: what a portion is, as its "portion.ini" beside its content files tells it.
//
// The file is a short INI text in UTF-8 that the content compiler writes with the content files:
//
//   [Portion]
//   name=1-2 Peter
//   books=1 Peter, 2 Peter
//   translation=engWEB2015eb
//   built=2026-12-10
//
// Lines starting with ';' or '#' are comments. "name" is required; the others may be empty.

#include <QDate>
#include <QString>

#include <stdexcept>
#include <string>

namespace sv {

// A portion.ini that is there but cannot be used; the message names the file and the fault.
class EPortionError : public std::runtime_error {
public:
    explicit EPortionError(const std::string& what) : std::runtime_error(what) { }
};

struct TPortionText {
    QString Name;
    QString Books;       // the books, as a reader names them: "Galatians, Ephesians"
    QString Translation; // the Bible module the text was read from
    QDate Built;         // invalid when the file does not say
};

inline const char* const PortionFileName = "portion.ini";

// Reads dir + "portion.ini" (dir ends in "/"). A missing file throws EFileError
// ("Cannot open file " + path); a file without a name, with an unknown key or a date that is
// not yyyy-MM-dd throws EPortionError.
TPortionText ReadPortionText(const std::string& dir);

// Writes dir + "portion.ini" through a save file; EFileError when it cannot be written.
void WritePortionText(const std::string& dir, const TPortionText& text);

// The number of questions of the content files in dir (placeholders of questions that belong
// to more than one collection not counted twice). Throws what loading them throws.
int CountPortionQuestions(const std::string& dir);

} // namespace sv
