#include "user/StudyDate.h"

#include "common/SaveAtomically.h"
#include "common/Win1252.h"
#include "user/User.h"

#include <QFile>

#include <algorithm>
#include <filesystem>

namespace sv {

namespace {

template <class A>
bool SameBytes(const A& a, const A& b)
{
    return std::equal(a.begin(), a.end(), b.begin());
}

} // namespace

std::string StudyDatePath(const std::string& usersDir, const std::string& fileName)
{
    return usersDir + Win1252ToUtf8(fileName) + ".studied"; // file names on disk are UTF-8
}

std::optional<QDate> ReadStudyDate(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QDate date = QDate::fromString(QString::fromLatin1(f.read(32)).trimmed(), Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

void WriteStudyDate(const std::string& path, QDate date)
{
    const std::string line = date.toString(Qt::ISODate).toStdString() + "\n";
    SaveAtomically(path, std::span<const char>(line.data(), line.size()));
}

bool StudyResultsDiffer(const TUser& a, const TUser& b)
{
    return !SameBytes(a.QuestionKnowledge, b.QuestionKnowledge) || !SameBytes(a.MemoryKnowledge, b.MemoryKnowledge)
           || !SameBytes(a.ReferenceKnowledge, b.ReferenceKnowledge);
}

void SaveUserAndStudyDate(const TUser& user, const std::string& userPath, const std::string& datePath, QDate today)
{
    TUser before;
    std::error_code ec;
    if (std::filesystem::exists(userPath, ec)) {
        try {
            before.LoadFromFile(userPath);
        } catch (const std::exception&) {
            before = TUser(); // an unreadable old file: compare with an untried record
        }
    }
    const bool studied = StudyResultsDiffer(user, before);
    user.SaveToFile(userPath);
    if (studied)
        WriteStudyDate(datePath, today);
}

} // namespace sv
