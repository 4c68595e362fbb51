// The team table of 50 persons on the shipped portion, their user files read from a Users
// folder each time (what the team window and sv-doc team do when they open); goal: at most
// 100 ms. Also the CSV file and the report of that table.

#include "content/Books.h"
#include "content/Questions.h"
#include "content/Words.h"
#include "print/DocFile.h"
#include "team/TeamReport.h"
#include "team/TeamTable.h"
#include "user/User.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <random>
#include <string>

using namespace sv;

namespace {

struct TShipped {
    TWords Words;
    TBooks Books{Words};
    TQuestions Questions{Words, Books};
    QTemporaryDir Dir;
    std::string Users;
    TShipped()
    {
        const std::string dir = SV_PROGRAM_DIR;
        Words.LoadFromFile(dir + "wf.wl");
        Books.LoadFromFile(dir + "wf.bk");
        Questions.LoadFromFile(dir + "wf.qs");
        Users = Dir.path().toStdString() + "/";
        std::mt19937 draw(50);
        const std::uint8_t bytes[] = {7, 7, 7, 0, 15, 31};
        for (int p = 0; p < 50; ++p) {
            TUser u;
            u.Reset(false, false);
            std::string name = "Person";
            for (int n = p; n >= 0; n = n / 26 - 1)
                name += static_cast<char>('a' + n % 26);
            u.FullName.setText(name);
            u.FileName.setText(name);
            for (std::uint8_t& b : u.QuestionKnowledge)
                b = bytes[draw() % 6];
            for (std::uint8_t& b : u.ReferenceKnowledge)
                b = bytes[draw() % 6];
            for (std::uint8_t& b : u.MemoryKnowledge)
                b = bytes[draw() % 6];
            u.SaveToFile(Users + name + ".219");
        }
    }
};

const TShipped& Shipped()
{
    static const TShipped s;
    return s;
}

void BM_TeamTableOf50(benchmark::State& state)
{
    const TShipped& s = Shipped();
    for (auto _ : state) {
        TTeamTable table(s.Books, s.Questions, AllCollections());
        table.LoadFolder(s.Users);
        benchmark::DoNotOptimize(table.Members().data());
    }
}
BENCHMARK(BM_TeamTableOf50)->Unit(benchmark::kMillisecond);

void BM_TeamReportOf50(benchmark::State& state)
{
    const TShipped& s = Shipped();
    TTeamTable table(s.Books, s.Questions, AllCollections());
    table.LoadFolder(s.Users);
    for (auto _ : state) {
        TDocFile file(TDocFormat::Rtf);
        WriteTeamReport(file, table);
        benchmark::DoNotOptimize(TeamCsv(table).size() + file.Bytes().size());
    }
}
BENCHMARK(BM_TeamReportOf50)->Unit(benchmark::kMillisecond);

} // namespace
