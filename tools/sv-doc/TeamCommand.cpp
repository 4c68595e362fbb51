// sv-doc team: the team report of every person in the Users folder, or its CSV file.

#include "DocCommand.h"

#include "common/SaveAtomically.h"
#include "program/ProgramPaths.h"
#include "team/TeamReport.h"
#include "team/TeamTable.h"

#include <QFileInfo>

#include <iostream>

namespace sv::doc {
namespace {

bool WantsCsv(const TDocContext& ctx)
{
    if (ctx.Has("format"))
        return ctx.Value("format") == "csv";
    return ctx.Has("out")
           && QFileInfo(QString::fromStdString(ctx.Value("out"))).suffix().toLower() == QLatin1String("csv");
}

std::string UsersDir(const TDocContext& ctx)
{
    if (ctx.Has("users")) {
        std::string dir = ctx.Value("users");
        if (dir.empty())
            throw EUsage("--users needs a folder");
        return dir.ends_with('/') ? dir : dir + "/";
    }
    return ctx.PersonDir(
        LocateProgramFiles(QString::fromStdString(ctx.ProgramDir()), StandardPerUserFolders()).UsersDir);
}

int RunTeam(TDocContext& ctx)
{
    const bool csv = WantsCsv(ctx);
    TTeamTable table(ctx.Books(), ctx.Questions(), AllCollections());
    table.LoadFolder(UsersDir(ctx));
    if (!csv) {
        const std::string path = ctx.OutPath("TEAM");
        TDocFile file(ctx.Format());
        WriteTeamReport(file, table);
        ctx.SaveDocument(file, path);
        return 0;
    }
    std::string path = ctx.Has("out") ? ctx.Value("out") : std::string("TEAM.csv");
    if (path.empty())
        throw EUsage("--out needs a file name");
    if (QFileInfo(QString::fromStdString(path)).suffix().isEmpty())
        path += ".csv";
    const std::string text = TeamCsv(table);
    SaveAtomically(path, std::span<const char>(text.data(), text.size()));
    std::cout << "wrote " << path << "\n";
    return 0;
}

const TDocCommandRegistration reg{{
    "team",
    "the progress of every person in the Users folder, per chapter (RTF, or CSV with --format csv)",
    {
        {"users", "DIR", "the folder of the person files (default: the program's Users folder)"},
    },
    RunTeam,
}};

} // namespace
} // namespace sv::doc
