#include "TeamFixture.h"
#include "print/DocFile.h"
#include "support/ContentFixture.h"
#include "team/TeamReport.h"
#include "team/TeamTable.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace {

int Occurrences(const std::string& text, const std::string& what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TTeamTable FolderTable(const TTeamFolder& folder)
{
    const TLoadedContent& content = SmallContent();
    TTeamTable table(content.Books, content.Questions, AllCollections());
    table.LoadFolder(folder.Users());
    return table;
}

} // namespace

TEST(TeamReport, CsvHasAHeaderAndOneRowPerPersonAndChapterInUtf8)
{
    const TTeamFolder folder;
    TTeamTable table = FolderTable(folder);
    table.Add(folder.Person("Zo\xEB", "Zoe"), "Zoe", std::nullopt); // Windows-1252 e-diaeresis

    const std::string csv = TeamCsv(table);
    const std::string header = "Person,File,Chapter,Questions mastered,Questions,Questions %,Memory passages mastered,"
                               "Memory passages,Memory passages %,References mastered,References,References %,"
                               "Last study\r\n";
    const std::string ann = "Ann Lee,Annlee,Ga 1,1,3,33,1,1,100,1,5,20,2026-11-30\r\n"
                            "Ann Lee,Annlee,Ga 2,0,1,0,0,0,0,0,3,0,2026-11-30\r\n"
                            "Ann Lee,Annlee,Ga 3,0,5,0,0,1,0,0,7,0,2026-11-30\r\n"
                            "Ann Lee,Annlee,Pm 1,1,4,25,0,1,0,0,8,0,2026-11-30\r\n";
    EXPECT_EQ(csv.substr(0, header.size() + ann.size()), header + ann);
    EXPECT_NE(csv.find("\r\n\"Bob, \"\"the quick\"\"\",Bobthequick,Ga 1,1,3,33,"), std::string::npos);
    EXPECT_NE(csv.find("\r\nZo\xC3\xAB,Zoe,Pm 1,0,4,0,0,1,0,0,8,0,\r\n"), std::string::npos);
    EXPECT_EQ(Occurrences(csv, "\r\n"), 1 + 4 * 4);
    EXPECT_EQ(csv.find('\n' + std::string("Team")), std::string::npos);
}

TEST(TeamReport, RtfIsALandscapeTableWithPersonsTotalsAndDates)
{
    const TTeamFolder folder;
    TTeamTable table = FolderTable(folder);
    table.Add(folder.Person("Al {B}", "Alb"), "Alb", std::nullopt);
    TDocFile doc(TDocFormat::Rtf);
    WriteTeamReport(doc, table);
    const std::string& rtf = doc.Bytes();

    for (const char* fragment :
         {"{\\rtf1\\ansi\\ansicpg1252", "\\paperw15840\\paperh12240", "\\landscape", "\\trhdr",
          "Person\\cell Ga 1\\cell Ga 2\\cell Ga 3\\cell Pm 1\\cell Last study\\cell ",
          // Ann, Ga 1: questions 1 of 3, memory 1 of 1, references 1 of 5
          "Ann Lee\\cell 33\\line 100\\line 20\\cell ", "2026-11-30\\cell \\row", "Al \\{B\\}\\cell ", "Team\\cell "}) {
        EXPECT_NE(rtf.find(fragment), std::string::npos) << fragment;
    }
    // The totals of four persons. Ga 1: questions 2 of 12, memory passages 1 of 4, references
    // 1 of 20; Ga 2: questions 1 of 4, no memory passage, references 3 of 12.
    const std::string totals = "Team\\cell 16\\line 25\\line 5\\cell 25\\line 0\\line 25\\cell ";
    const std::size_t team = rtf.find("Team\\cell ");
    ASSERT_NE(team, std::string::npos);
    EXPECT_EQ(rtf.substr(team, totals.size()), totals);
    EXPECT_EQ(Occurrences(rtf, "\\page"), 0);
    EXPECT_TRUE(rtf.ends_with("\\par }\r\n"));
}

TEST(TeamReport, TwentyPersonsFitOnAPageAndMoreGoOnContinued)
{
    const TTeamFolder folder;
    const TLoadedContent& content = SmallContent();
    const struct {
        int Persons;
        int Pages;
    } cases[] = {{0, 1}, {1, 1}, {20, 1}, {21, 2}, {40, 2}, {41, 3}};
    for (const auto& c : cases) {
        TTeamTable table(content.Books, content.Questions, AllCollections());
        for (int p = 0; p < c.Persons; ++p)
            table.Add(folder.Person("P" + std::to_string(p), "P"), "P", std::nullopt);
        TDocFile doc(TDocFormat::Rtf);
        WriteTeamReport(doc, table);
        EXPECT_EQ(Occurrences(doc.Bytes(), "\\page"), c.Pages - 1) << c.Persons;
        EXPECT_EQ(Occurrences(doc.Bytes(), "(continued)"), c.Pages - 1) << c.Persons;
        EXPECT_EQ(Occurrences(doc.Bytes(), "Team\\cell "), c.Pages) << c.Persons;
        EXPECT_EQ(Occurrences(doc.Bytes(), "\\trhdr"), c.Pages) << c.Persons;
    }
}
