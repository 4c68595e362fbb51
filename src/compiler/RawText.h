#pragma once
// Scripture text from the raw markup that diatheke prints for a book ("-f internal -o hf"):
// one "Name c:v: " label per verse, word tags, paragraph and poetry markers, and empty
// <note> elements where footnotes sit. Tags are dropped, each note becomes a space (so that
// a note between two words does not glue them), white space is collapsed to one space and
// trimmed; the closing "(module)" line is not text. A verse may run over several lines.
//
// Footnote texts come from a second query in OSIS form ("-f OSIS -o f"), whose notes carry
// their text; they are matched to the note positions of the first query in order.

#include <string>
#include <vector>

namespace sv::content {

struct TRawNote {
    int Position = 0; // characters of the verse text before the note
    std::string Text; // UTF-8 (empty in the "-o hf" markup)
};

struct TRawVerse {
    int Chapter = 0;
    int Verse = 0;
    std::string Text; // UTF-8, tags removed, spaces collapsed
    std::vector<TRawNote> Notes;
    int Line = 0; // line of the label in the diatheke output
};

// Parses one book's output. bookName is the name diatheke writes in its labels
// ("Galatians"); module is the module name of the closing line. A label of another
// book, text before the first label, or verses out of order are errors (thrown as
// ESourceError against sourceName).
std::vector<TRawVerse> ParseRawBook(const std::string& output, const std::string& bookName, const std::string& module,
                                    const std::string& sourceName);

// Drops the verses without text that end a chapter (a module's versification may count a
// verse its text does not have, as 3 John 1:15 in the WEB).
void DropEmptyChapterEnds(std::vector<TRawVerse>& verses);

// The book name diatheke writes before "1:1:" in its labels ("I Peter"); empty when the
// output holds no verse 1:1.
std::string DiathekeLabel(const std::string& raw);

// Runs diatheke for a whole book with the given output format and options and returns its
// standard output; a missing program, a failed run or an empty answer is an error.
std::string RunDiatheke(const std::string& module, const std::string& key, const std::string& format,
                        const std::string& options);

} // namespace sv::content
