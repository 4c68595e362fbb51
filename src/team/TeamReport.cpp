#include "team/TeamReport.h"

#include "common/Win1252.h"
#include "print/DocFile.h"
#include "print/RtfWriter.h"
#include "team/TeamTable.h"

#include <algorithm>

namespace sv {

namespace {

std::string CsvField(const std::string& utf8)
{
    if (utf8.find_first_of(",\"\r\n") == std::string::npos)
        return utf8;
    std::string quoted = "\"";
    for (char c : utf8) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string DateText(const std::optional<QDate>& date)
{
    return date ? date->toString(Qt::ISODate).toStdString() : std::string();
}

void AppendShare(std::string& line, const TShare& s)
{
    line += "," + std::to_string(s.Mastered) + "," + std::to_string(s.Available) + "," + std::to_string(s.Percent());
}

// Column widths in twips: the name column, each chapter, the date column (14400 twips of
// paper between the margins).
constexpr int NameWidth = 1800;
constexpr int DateWidth = 1100;
constexpr int ChapterWidth = (14400 - NameWidth - DateWidth) / TeamReportChaptersPerPage;

void BeginRow(TDocFile& file, int chapters, bool header)
{
    file.Write("\\trowd\\trgaph20\\trleft0");
    if (header)
        file.Write("\\trhdr");
    int x = NameWidth;
    auto cell = [&file, &x](int width) {
        x += width;
        file.Write("\\clbrdrt\\brdrs\\brdrw5\\clbrdrl\\brdrs\\brdrw5\\clbrdrb\\brdrs\\brdrw5\\clbrdrr\\brdrs\\brdrw5");
        file.Write("\\cellx");
        file.WriteNumber(x);
    };
    x = 0;
    cell(NameWidth);
    for (int c = 0; c < chapters; ++c)
        cell(ChapterWidth);
    cell(DateWidth);
    file.EndLine();
    file.Write("\\pard\\plain\\intbl\\ql\\f1\\fs12 ");
}

void Cell(TDocFile& file, std::string_view literal)
{
    file.Write(literal);
    file.Write("\\cell ");
}

void SharesCell(TDocFile& file, const TTeamChapter& ch)
{
    bool first = true;
    for (TTeamMeasure m : TeamMeasures) {
        if (!first)
            file.Write("\\line ");
        first = false;
        file.WriteNumber(ch.Of(m).Percent());
    }
    file.Write("\\cell ");
}

void WritePage(TDocFile& file, const TTeamTable& table, int firstPerson, int persons, int firstChapter, int chapters,
               bool continued)
{
    file.Write("\\pard\\plain\\f1\\fs24\\b Team progress");
    if (continued)
        file.Write(" (continued)");
    file.Write(
        "\\b0\\fs16  - percent mastered in each chapter: questions, memory passages, references (top to bottom)\\par");
    file.EndLine();

    BeginRow(file, chapters, true);
    file.Write("{\\b ");
    Cell(file, "Person");
    for (int c = firstChapter; c < firstChapter + chapters; ++c) {
        file.WriteText(table.ChapterLabel(c));
        file.Write("\\cell ");
    }
    Cell(file, "Last study");
    file.Write("}\\row");
    file.EndLine();

    for (int p = firstPerson; p < firstPerson + persons; ++p) {
        const TTeamMember& m = table.Members()[static_cast<std::size_t>(p)];
        BeginRow(file, chapters, false);
        file.WriteText(m.FullName);
        file.Write("\\cell ");
        for (int c = firstChapter; c < firstChapter + chapters; ++c)
            SharesCell(file, m.Chapters[static_cast<std::size_t>(c)]);
        Cell(file, DateText(m.LastStudy));
        file.Write("\\row");
        file.EndLine();
    }

    BeginRow(file, chapters, false);
    file.Write("{\\b ");
    Cell(file, "Team");
    for (int c = firstChapter; c < firstChapter + chapters; ++c)
        SharesCell(file, table.Total(c));
    Cell(file, "");
    file.Write("}\\row");
    file.EndLine();
}

} // namespace

std::string TeamCsv(const TTeamTable& table)
{
    std::string out = "Person,File,Chapter,Questions mastered,Questions,Questions %,Memory passages mastered,"
                      "Memory passages,Memory passages %,References mastered,References,References %,Last study\r\n";
    for (const TTeamMember& m : table.Members()) {
        for (int c = 0; c < table.Chapters(); ++c) {
            std::string line = CsvField(Win1252ToUtf8(m.FullName)) + "," + CsvField(Win1252ToUtf8(m.FileName)) + ","
                               + CsvField(Win1252ToUtf8(table.ChapterLabel(c)));
            for (TTeamMeasure k : TeamMeasures)
                AppendShare(line, m.Chapters[static_cast<std::size_t>(c)].Of(k));
            out += line + "," + DateText(m.LastStudy) + "\r\n";
        }
    }
    return out;
}

void WriteTeamReport(TDocFile& file, const TTeamTable& table)
{
    if (!file.IsRtf()) {
        file.Write(TeamCsv(table));
        return;
    }
    WriteLandscapeTableHeader(file);
    const int persons = static_cast<int>(table.Members().size());
    bool continued = false;
    for (int c = 0; c < std::max(table.Chapters(), 1); c += TeamReportChaptersPerPage) {
        const int chapters = std::min(TeamReportChaptersPerPage, table.Chapters() - c);
        for (int p = 0; p < std::max(persons, 1); p += TeamReportPersonsPerPage) {
            if (continued)
                file.Write("\\pard\\plain\\page");
            WritePage(file, table, p, std::min(TeamReportPersonsPerPage, persons - p), c, chapters, continued);
            continued = true;
        }
    }
    file.Write("\\pard\\plain\\par }");
    file.EndLine();
}

} // namespace sv
