#include "portion/Portions.h"

#include <QDir>
#include <QFileInfo>

#include <exception>
#include <set>

namespace sv {

namespace {

std::string WithSlash(const QString& dir) { return QDir::cleanPath(dir).toStdString() + "/"; }

} // namespace

std::vector<std::string> PortionSearchDirs(const TProgramPaths& paths, const TPerUserFolders& perUser)
{
    const QString program = QString::fromStdString(paths.ProgramDir);
    // An installed program's files are below share/scrivolt/, where folder names are lower case.
    const QString own = paths.Layout == TDataLayout::PerUser && !QDir(program + QStringLiteral("Portions")).exists()
                            ? QStringLiteral("portions")
                            : QStringLiteral("Portions");
    std::vector<std::string> dirs{WithSlash(program + own)};
    if (!perUser.DataHome.isEmpty())
        dirs.push_back(WithSlash(perUser.DataHome + QStringLiteral("/portions")));
    return dirs;
}

TPortionInfo PortionAt(const std::string& dir, bool shipped)
{
    TPortionInfo p;
    p.Dir = WithSlash(QString::fromStdString(dir));
    if (!shipped)
        p.Id = QDir(QString::fromStdString(p.Dir)).dirName().toStdString();
    if (!shipped || QFileInfo::exists(QString::fromStdString(p.Dir + PortionFileName)))
        p.Text = ReadPortionText(p.Dir);
    return p;
}

TPortionInfo ReadPortion(const std::string& dir, bool shipped)
{
    TPortionInfo p = PortionAt(dir, shipped);
    p.Questions = CountPortionQuestions(p.Dir);
    return p;
}

TPortionList FindPortions(const std::string& programDir, const std::vector<std::string>& searchDirs)
{
    TPortionList list;
    auto attempt = [&list](const std::string& dir, bool shipped) -> bool {
        try {
            list.Portions.push_back(ReadPortion(dir, shipped));
            return true;
        } catch (const std::exception& e) {
            list.Problems.push_back({dir, e.what()});
            return false;
        }
    };
    attempt(programDir, true);
    std::set<std::string> ids;
    for (const std::string& search : searchDirs) {
        const QDir base(QString::fromStdString(search));
        const QStringList folders = base.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& folder : folders) {
            const QDir d(base.filePath(folder));
            if (!d.exists(QStringLiteral("wf.wl")) && !d.exists(QString::fromLatin1(PortionFileName)))
                continue;
            const std::string dir = WithSlash(d.path());
            // The person files follow the id: two portions of one id would share them.
            if (ids.count(folder.toStdString())) {
                list.Problems.push_back({dir, "another portion folder is already called \"" + folder.toStdString()
                                                  + "\"; this one is left out"});
                continue;
            }
            if (attempt(dir, false))
                ids.insert(folder.toStdString());
        }
    }
    return list;
}

std::string PersonDirOf(const std::string& usersDir, const TPortionInfo& portion)
{
    return portion.Shipped() ? usersDir : usersDir + portion.Id + "/";
}

void UsePortion(TProgramPaths& paths, const TPortionInfo& portion)
{
    paths.PortionDir = portion.Dir;
    paths.PersonDir = PersonDirOf(paths.UsersDir, portion);
}

} // namespace sv
