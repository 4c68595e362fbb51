#pragma once
// The team table written out: the comma-separated file for a spreadsheet and the printed team
// report.
//
// The CSV file is UTF-8 with a header row and one row per person and chapter; lines end in
// CR LF and a field holding a comma, a quote or a line break is quoted.
//
// The report is an RTF table on landscape letter paper: a row per person and a totals row
// ("Team") under the chapters, each cell the percent of questions, memory passages and
// references mastered, one under the other, and the date of the last study. Up to 20 persons
// and 30 chapters fit on one page; a larger team or portion goes on, a page at a time, with
// the next persons and then the next chapters ("continued"), the header row repeated.

#include <string>

namespace sv {

class TDocFile;
class TTeamTable;

inline constexpr int TeamReportPersonsPerPage = 20;
inline constexpr int TeamReportChaptersPerPage = 30;

std::string TeamCsv(const TTeamTable& table);

// Writes the report as RTF; a plain-text file gets the CSV text instead.
void WriteTeamReport(TDocFile& file, const TTeamTable& table);

} // namespace sv
