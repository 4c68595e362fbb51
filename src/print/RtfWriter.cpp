#include "print/RtfWriter.h"

#include "content/Questions.h"
#include "print/WordCounter.h"

namespace sv {

namespace {

constexpr std::string_view ColourPieces =
    "\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue255;\\red0\\green255\\blue0;"
    "\\red255\\green0\\blue255;\\red255\\green0\\blue0;\\red255\\green255\\blue0;\\red255\\green255\\blue255;"
    "\\red0\\green0\\blue128;\\red0\\green128\\blue128;\\red0\\green128\\blue0;\\red128\\green0\\blue128;"
    "\\red128\\green0\\blue0;\\red128\\green128\\blue0;\\red128\\green128\\blue128;\\red192\\green192\\blue192;}";

// Paragraph openers of the question entries.
constexpr std::string_view OpenQ =
    "\\par \\pard\\plain \\s4\\fi-810\\li810\\keep\\keepn\\tqc\\tx180\\tqr\\tx700 \\f3\\fs18\\lang1033 ";
constexpr std::string_view OpenA =
    "\\par \\pard\\plain \\s5\\fi-1170\\li1170\\sa120\\keep\\tx810 \\f3\\fs18\\lang1033 ";
constexpr std::string_view OpenQ2 =
    "\\par \\pard\\plain \\s6\\fi-450\\li450\\keep\\keepn\\tqc\\tx180 \\f3\\fs18\\lang1033 ";
constexpr std::string_view OpenA2 = "\\par \\pard\\plain \\s7\\fi-810\\li810\\sa120\\keep\\tx450 \\f3\\fs18\\lang1033 ";
constexpr std::string_view OpenQ0 = "\\par \\pard\\plain \\s8\\fi-0\\li0\\keep\\keepn \\f3\\fs18\\lang1033 ";
constexpr std::string_view OpenA0 = "\\par \\pard\\plain \\s9\\fi-360\\li540\\sa120\\keep \\f3\\fs18\\lang1033 ";
constexpr std::string_view OpenQ1 =
    "\\par \\pard\\plain \\s12\\fi-360\\li360\\lin360\\keep\\keepn \\f3\\fs18\\lang1033 ";
constexpr std::string_view OpenA1 =
    "\\par \\pard\\plain \\s13\\fi-360\\li720\\lin720\\sa120\\keep \\f3\\fs18\\lang1033 ";
constexpr std::string_view ParPrefix = "\\par ";

} // namespace

std::string MarkOpener(std::uint32_t mark)
{
    switch (mark) {
    case 0x000000:
        return "{\\b\\cf1 ";
    case 0x0000FF:
        return "{\\b\\cf6 ";
    case 0xFF0000:
        return "{\\b\\cf2 ";
    case 0x808000:
        return "{\\b\\cf10 ";
    case 0x008080:
        return "{\\b\\cf14 ";
    case 0x008000:
        return "{\\b\\cf11 ";
    case 0x00FF00:
        return "{\\b\\cf3 ";
    case 0x00FFFF:
        return "{\\b\\cf7 ";
    case 0x800080:
        return "{\\b\\cf5 ";
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
        return "{\\highlight" + std::to_string(mark) + " ";
    case 30:
        return "{\\ul ";
    default:
        return "{\\b ";
    }
}

void WriteQuestionDocHeader(TDocFile& file)
{
    file.Write("{\\rtf1\\ansi \\deff0\\deflang1024");
    file.EndLine();
    file.Write("{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\froman Symbol;}{\\f2\\fswiss Arial;}"
               "{\\f3\\froman Times New Roman;}}");
    file.EndLine();
    file.Write("{\\colortbl;");
    file.Write(ColourPieces);
    file.EndLine();
    file.Write("{\\stylesheet{\\fs20\\lang1033 \\snext0 Normal;}"
               "{\\s2\\qc\\pagebb \\b\\fs28\\lang1033 \\sbasedon0\\snext2 Lead;}"
               "{\\s3\\qc\\sa240 \\b\\fs24\\lang1033 \\sbasedon0\\snext2 Set;}");
    file.EndLine();
    // Styles Q, A and MC carry "\fs3" before their real size; kept so for the documents
    // already made with them.
    file.Write("{\\s4\\fi-810\\li810\\keepn\\tqc\\tx180\\tx450 \\fs3\\fs18\\lang1033 \\sbasedon0\\snext7 Q;}"
               "{\\s5\\fi-1170\\li1170\\sa120\\keep\\tx810 \\fs3\\fs18\\lang1033 \\sbasedon0\\snext6 A;}"
               "{\\s6\\fi-450\\li450\\keepn\\tqc\\tx180 \\f3\\fs18\\lang1033 \\sbasedon0\\snext9 Q2;}"
               "{\\s7\\fi-810\\li810\\sa120\\keep\\tx450 \\f3\\fs18\\lang1033 \\sbasedon0\\snext8 A2;}"
               "{\\s8\\fi-0\\li0\\keepn \\f3\\fs18\\lang1033 \\sbasedon0\\snext11 Q0;}"
               "{\\s9\\fi-360\\li540\\sa120\\keep \\f3\\fs18\\lang1033 \\sbasedon0\\snext10 A0;}");
    file.EndLine();
    file.Write(
        "{\\s10\\fi-180\\li180\\keep \\f3\\fs18\\lang1033 \\sbasedon0\\snext10 PJ;}"
        "{\\s11\\fi-1170\\li1170\\sa120\\keep \\f3\\fs18\\lang1033 \\sbasedon0\\snext11 M;}"
        "{\\s12\\fi-360\\li360\\lin360\\keep\\keepn \\f3\\fs18\\lang1033 \\sbasedon0\\snext13 Q1;}"
        "{\\s13\\fi-360\\li720\\lin720\\keep \\f3\\fs18\\lang1033 \\sbasedon0\\snext12 A1;}"
        "{\\s14\\fi-360\\li360\\lin360\\sa120\\keep \\f3\\fs18\\lang1033 \\sbasedon0\\snext13 QA;}"
        "{\\s15\\fi-810\\li810\\keep\\tqc\\tx180\\tqr\\tx450\\sa80 \\fs3\\fs20\\lang1033 \\sbasedon0\\snext13 MC;}"
        "{\\s242\\tqc\\tx4320\\tqr\\tx8640 \\fs20\\lang1033 \\sbasedon0\\snext242 footer;}}");
    file.EndLine();
    file.Write("\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1296\\margb1080\\gutter0 ");
    file.EndLine();
    file.EndLine();
}

void WriteDocTrailer(TDocFile& file, TTrailer trailer)
{
    file.Write(trailer == TTrailer::SectionBreak ? "\\sect \\par }" : "\\par }");
    file.EndLine();
}

void WriteRtfEntry(TDocFile& file, const TMarkedText& question, const TMarkedText& answer, const TEntryLayout& layout)
{
    const bool underline = layout.UnderlinePrejump && layout.PrejumpWords != 0;
    const bool numbered = layout.Number > 0;
    std::string_view qOpener, aOpener;
    if (numbered) {
        qOpener = layout.ShowCode ? OpenQ : OpenQ1;
        aOpener = layout.ShowCode ? OpenA : OpenA1;
        if (layout.FirstInColumn && layout.Number == 1)
            qOpener.remove_prefix(ParPrefix.size());
    } else {
        qOpener = layout.ShowCode ? OpenQ2 : OpenQ0;
        aOpener = layout.ShowCode ? OpenA2 : OpenA0;
    }

    file.Write(qOpener);
    if (layout.ShowCode) {
        file.Write("\\tab ");
        file.WriteText(TQuestions::PreannounceCode(layout.TypeCode));
        file.Write("\\tab ");
    }
    if (numbered) {
        file.WriteNumber(layout.Number);
        file.Write(".\\tab ");
    }

    TWordCounter counter;
    bool ulOpen = false, ulClosed = false;
    bool markOpen = false;
    std::uint32_t lastTag = 0;
    const int ulEnd = layout.PrejumpStart + layout.PrejumpWords;
    for (int i = 1; i <= question.Len; ++i) {
        const char ch = question.Chars[i];
        const auto c = static_cast<unsigned char>(ch);
        if (underline && !ulOpen && counter.Words == layout.PrejumpStart && IsAsciiLetterOrDigit(c)) {
            file.Write("{\\ul ");
            ulOpen = true;
        }
        counter.Step(ch);
        if (ulOpen && !ulClosed && counter.Words >= ulEnd) {
            file.Write("}");
            ulClosed = true;
        }
        if (layout.MarkKeywords) {
            const std::uint32_t tag = question.Tags[i];
            if (tag != lastTag) {
                if (markOpen) {
                    file.Write("}");
                    markOpen = false;
                }
                if (tag != 0) {
                    file.Write(layout.UseColour ? MarkOpener(tag) : std::string("{\\b "));
                    markOpen = true;
                }
                lastTag = tag;
            }
        }
        file.WriteChar(ch);
    }
    if (markOpen)
        file.Write("}");
    if (ulOpen && !ulClosed)
        file.Write("}");
    file.EndLine();

    file.Write(aOpener);
    if (layout.ShowCode)
        file.Write("\\tab ");
    file.Write("A.\\tab ");
    for (int i = 1; i <= answer.Len; ++i) {
        const char ch = answer.Chars[i];
        if (ch == ' ' && i > answer.Len - 15)
            file.Write("\\~");
        else
            file.WriteChar(ch);
    }
    file.Write(" ");
    if (layout.Asterisks > 1)
        file.Write(std::string(static_cast<std::size_t>(layout.Asterisks), '*'));
    file.EndLine();
}

void WriteTextEntry(TDocFile& file, const TMarkedText& question, const TMarkedText& answer, const TEntryLayout& layout)
{
    if (layout.ShowCode) {
        file.WriteText(TQuestions::PreannounceCode(layout.TypeCode));
        file.Write(" ");
    }
    if (layout.Number > 0) {
        file.WriteNumber(layout.Number);
        file.Write(".");
    }
    file.WriteText(question.Text());
    file.EndLine();
    file.Write("A. ");
    file.WriteText(answer.Text());
    file.Write(" ");
    if (layout.Asterisks > 1)
        file.Write(std::string(static_cast<std::size_t>(layout.Asterisks), '*'));
    file.EndLine();
}

void WritePortionHeader(TDocFile& file)
{
    file.Write("{\\rtf1\\ansi\\ansicpg1252\\uc1 \\deff0\\deflang1033\\deflangfe1033");
    file.EndLine();
    file.Write("{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
               "{\\f1\\fswiss\\fcharset0\\fprq2{\\*\\panose 020b0604020202020204}Arial;}}");
    file.EndLine();
    file.Write("{\\colortbl;");
    file.Write(ColourPieces);
    file.EndLine();
    file.Write("{\\stylesheet{\\ql \\li0\\ri0\\nowidctlpar\\faauto\\rin0\\lin0\\itap0 \\fs20\\lang1033\\langfe1033"
               "\\cgrid\\langnp1033\\langfenp1033 \\snext0 Normal;}{\\*\\cs10 \\additive Default Paragraph Font;}");
    file.EndLine();
    file.Write(
        "{\\s10\\ql \\li0\\ri0\\keepn\\nowidctlpar\\faauto\\rin0\\lin0\\itap0 \\b\\f1\\fs36\\lang1033\\langfe1033"
        "\\cgrid\\langnp1033\\langfenp1033 \\sbasedon0 \\snext28 \\sautoupd PortionBook;}"
        "{\\s11\\ql \\li0\\ri0\\sb120\\sa40\\keepn\\nowidctlpar\\faauto\\rin0\\lin0\\itap0 \\i\\f1\\fs24\\lang1033"
        "\\langfe1033\\cgrid\\langnp1033\\langfenp1033 \\sbasedon0 \\snext26 \\sautoupd PortionSection;}"
        "{\\s12\\qj \\li0\\ri0\\nowidctlpar\\faauto\\rin0\\lin0\\itap0 \\f1\\fs18\\lang1033\\langfe1033\\cgrid"
        "\\langnp1033\\langfenp1033 \\sbasedon0 \\snext28 \\sautoupd PortionText;}"
        "{\\*\\cs18 \\additive \\super \\sbasedon10 footnote reference;}}");
    file.EndLine();
    file.Write("{\\footer \\pard\\plain \\qr \\li0\\ri0\\nowidctlpar\\tqc\\tx4320\\tqr\\tx8640\\faauto\\rin0\\lin0"
               "\\itap0 \\fs20\\lang1033\\langfe1033\\cgrid\\langnp1033\\langfenp1033 "
               "{\\f1\\fs16 Created using The Scrivolt, Tamberlin \\par "
               "Scripture quotations are from the World English Bible, which is in the public domain."
               " \\par }}");
    file.EndLine();
    file.Write("\\paperw15840\\paperh12240\\margl720\\margr720\\margt720\\margb1440"
               "\\widowctrl\\fet0\\ftnbj\\ftnnalc\\ftnrstpg\\aenddoc\\noxlattoyen\\expshrtn\\noultrlspc\\dntblnsbdb"
               "\\nospaceforul\\hyphcaps0\\horzdoc\\dghspace120\\dgvspace120\\dghorigin1701"
               "\\dgvorigin1984\\dghshow0\\dgvshow3\\jcompress\\viewkind1\\viewscale100\\nolnhtadjtbl \\fet0\\sectd"
               "\\lndscpsxn\\psz1\\linex0\\cols3\\colsx288\\sectdefaultcl\\sftnbj\\sftnrstpg\\sftnnalc");
    file.EndLine();
}

void WriteLandscapeTableHeader(TDocFile& file)
{
    file.Write("{\\rtf1\\ansi\\ansicpg1252\\uc1 \\deff0\\deflang1033\\deflangfe1033");
    file.EndLine();
    file.Write("{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2 Times New Roman;}{\\f1\\fswiss\\fcharset0\\fprq2 Arial;}}");
    file.EndLine();
    file.Write("{\\colortbl;");
    file.Write(ColourPieces);
    file.EndLine();
    file.Write("\\paperw15840\\paperh12240\\margl720\\margr720\\margt720\\margb720\\landscape\\widowctrl"
               "\\sectd\\lndscpsxn\\pgwsxn15840\\pghsxn12240\\marglsxn720\\margrsxn720\\margtsxn720\\margbsxn720");
    file.EndLine();
}

std::string OfferToOpenMessage(TDocumentKind kind, const std::string& fileName)
{
    std::string first;
    std::string question = "Would you like to edit or print this file using your word processor?";
    switch (kind) {
    case TDocumentKind::QuestionSets:
        first = "Your question sets have been created and are in the file:";
        question = "Would you like to edit or print\rthis file using your word processor?";
        break;
    case TDocumentKind::QuestionList:
        first = "Your question list has been created and is in the file:";
        break;
    case TDocumentKind::MemoryVerseList:
        first = "Your memory verse list has been created and is in the file:";
        break;
    case TDocumentKind::ScripturePortion:
        first = "Your scripture portion has been created and is in the file:";
        break;
    case TDocumentKind::Concordance:
        first = "Your concordance has been created and is in the file:";
        break;
    case TDocumentKind::TeamReport:
        first = "Your team report has been created and is in the file:";
        break;
    }
    return first + "\r" + fileName + "\r" + question;
}

} // namespace sv
