#pragma once
// The pieces every printed document shares: the RTF header of a question document with its
// font, colour and style tables, the trailer, one question with its answer (RTF and plain
// text), the group a highlight mark opens, the header and paragraph openers of a scripture
// portion, and the message that offers to open a finished document.
//
// Both headers write the same 16 colours, so a colour number means the same in every
// document: 1 black, 2 blue, 3 cyan, 4 lime, 5 magenta, 6 red, 7 yellow, 8 white, 9 navy,
// 10 teal, 11 green, 12 purple, 13 maroon, 14 olive, 15 grey, 16 silver.
//
// The routines keep no state: the question-list worker thread calls them as freely as the
// dialogs do. A question document is: WriteQuestionDocHeader (RTF only), its paragraphs,
// WriteDocTrailer (RTF only); the plain-text form writes no header and no trailer.

#include "content/MarkedText.h"
#include "print/DocFile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace sv {

// The RTF group opener for a highlight mark (a tag of a TMarkedText): a keyword colour
// value 0x00BBGGRR gives bold in that document colour, 2..7 a highlight colour, 30 an
// underline, anything else bold.
std::string MarkOpener(std::uint32_t mark);

// The eight header lines of a question document (sets, lists, memory-verse lists). The
// document group stays open until WriteDocTrailer.
void WriteQuestionDocHeader(TDocFile& file);

enum class TTrailer {
    Plain,        // "\par }"
    SectionBreak, // "\sect \par }" (the two-column sets document)
};
void WriteDocTrailer(TDocFile& file, TTrailer trailer);

// One question with its answer.
struct TEntryLayout {
    int Number = 0;        // 0 unnumbered, 1 or more the printed number
    int TypeCode = 0;      // question type whose preannounce code is shown
    bool ShowCode = false; // show the preannounce code ("[g]", "[20]", ...)
    int Asterisks = 0;     // the question's DupCount or 0; "*" written only above 1
    bool UnderlinePrejump = false;
    int PrejumpStart = 0; // first prejump word, counted from 0
    int PrejumpWords = 0; // 0 = nothing underlined
    bool MarkKeywords = false;
    bool UseColour = false;     // colour groups (MarkOpener) instead of bold
    bool FirstInColumn = false; // entry number 1 right after a column or section break
};

// Question then answer as RTF paragraphs (styles Q/A with a code, Q1/A1 numbered without,
// Q2/A2 and Q0/A0 unnumbered).
void WriteRtfEntry(TDocFile& file, const TMarkedText& question, const TMarkedText& answer, const TEntryLayout& layout);
// The same entry as two lines of plain text (number, code and asterisks; no marks).
void WriteTextEntry(TDocFile& file, const TMarkedText& question, const TMarkedText& answer, const TEntryLayout& layout);

// The seven header lines of a scripture portion: landscape letter paper, three columns,
// footnotes lettered a, b, c at the foot of each page.
void WritePortionHeader(TDocFile& file);

// The header of a landscape table document (the team report): letter paper on its side,
// half-inch margins, Arial as font 1, the 16 colours, one section of one column.
void WriteLandscapeTableHeader(TDocFile& file);

// Paragraph openers of a scripture portion.
namespace PortionOpener {
inline constexpr std::string_view BookHeading =
    "\\pard\\plain \\s10\\ql \\li0\\ri0\\keepn\\nowidctlpar\\faauto\\rin0\\lin0\\itap0 "
    "\\b\\f1\\fs36\\lang1033\\langfe1033\\cgrid\\langnp1033\\langfenp1033 {";
inline constexpr std::string_view SectionHeading =
    "\\pard\\plain \\s11\\ql \\li0\\ri0\\sb120\\sa40\\keepn\\nowidctlpar\\faauto\\rin0\\lin0\\itap0 "
    "\\i\\f1\\fs24\\lang1033\\langfe1033\\cgrid\\langnp1033\\langfenp1033 {";
inline constexpr std::string_view Text = "\\pard\\plain \\s12\\qj \\li0\\ri0\\nowidctlpar\\faauto\\rin0\\lin0\\itap0 "
                                         "\\f1\\fs18\\lang1033\\langfe1033\\cgrid\\langnp1033\\langfenp1033 ";
// The chapter number at the start of its chapter's first paragraph: inline and large, so
// that every word processor puts it beside the chapter's first verse (a positioned frame
// lands in another column in some of them).
inline constexpr std::string_view ChapterNumber = "{\\b\\fs40 ";
inline constexpr std::string_view FootnoteStart =
    "}{\\cs18\\b\\super \\chftn {\\footnote {\\cs18\\b\\super \\chftn }{\\fs14 ";
inline constexpr std::string_view FootnoteEnd = "}}}{";
inline constexpr std::string_view Superscript = "{\\super";
inline constexpr std::string_view Bold = "{\\b ";
inline constexpr std::string_view Underline = "\\ul{";
inline constexpr std::string_view YellowHighlight = "{\\highlight7 ";
} // namespace PortionOpener

// The documents that end with the offer to open them.
enum class TDocumentKind { QuestionSets, QuestionList, MemoryVerseList, ScripturePortion, Concordance, TeamReport };

// The Yes / No question asked when a document is finished: its sentence, the file name and
// the question, lines separated by a single CR.
std::string OfferToOpenMessage(TDocumentKind kind, const std::string& fileName);

} // namespace sv
