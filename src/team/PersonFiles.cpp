#include "team/PersonFiles.h"

#include "common/Errors.h"
#include "common/LeStream.h"
#include "common/SaveAtomically.h"
#include "common/Win1252.h"
#include "content/QuestionKeys.h"
#include "goals/Tasks.h"
#include "program/UserNames.h"
#include "user/History.h"
#include "user/ProgressCarry.h"
#include "user/StudyDate.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QFileInfo>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace sv {

namespace {

constexpr const char* UserSuffix = ".219";
constexpr const char* HistorySuffix = ".219h";
constexpr const char* TasksSuffix = ".tasks";
constexpr const char* DateSuffix = ".studied";
constexpr const char* KeysSuffix = ".qid";
// No file of a person is larger than this; a bigger archive member is not ours.
constexpr qint64 MaxMemberSize = 1 << 20;

using TBytes = std::vector<std::uint8_t>;

bool EndsWithNoCase(const std::string& s, const std::string& suffix)
{
    return s.size() >= suffix.size() && SameNameNoCase(s.substr(s.size() - suffix.size()), suffix);
}

TBytes ToBytes(const QByteArray& a) { return TBytes(a.begin(), a.end()); }

std::optional<TBytes> ReadIfExists(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    if (!f.exists())
        return std::nullopt;
    if (!f.open(QIODevice::ReadOnly) || f.size() > MaxMemberSize)
        throw EFileError("Cannot open file " + path);
    return ToBytes(f.readAll());
}

// A file name the program gives (Windows-1252 letters, the first capital): the person's name
// derived from what was typed.
bool IsPlainName(const std::string& base)
{
    return !base.empty() && base.size() <= static_cast<std::size_t>(MaxNameLength) && DeriveFileName(base) == base;
}

// A name on disk (UTF-8) as the program holds it (Windows-1252); empty when it cannot be.
std::string ProgramName(const std::string& onDisk) { return Utf8ToWin1252(onDisk).value_or(std::string()); }

// Checks every file of the package and builds it.
TPersonPackage CheckPackage(const std::string& shownName, const std::string& base, const TBytes& user,
                            std::optional<TBytes> history, std::optional<TBytes> tasks, std::optional<TBytes> date,
                            std::optional<TBytes> keys)
{
    if (!IsPlainName(base))
        throw EImportRefused(shownName
                             + " is not a person file of The Scrivolt: its name is not one the program gives.");
    if (user.size() < TUser::FileSize)
        throw EImportRefused(shownName + " is damaged: it is cut short (" + std::to_string(user.size()) + " of "
                             + std::to_string(TUser::FileSize) + " bytes).");
    if (user.size() > TUser::FileSize)
        throw EImportRefused(shownName + " is not a person file of The Scrivolt: it is too long.");
    TPersonPackage p;
    TStreamReader r(user, shownName);
    p.User.LoadFromStream(r);
    if (p.User.Version != TUser::FileVersion)
        throw EImportRefused(shownName + " is not a person file of The Scrivolt: it has another layout (version "
                             + std::to_string(p.User.Version) + ").");
    if (TrimName(p.User.FullName.text()).empty())
        throw EImportRefused(shownName + " is damaged: it holds no person's name.");
    p.FileName = base;
    p.User.FileName.setText(base);

    if (history) {
        if (history->size() != THistory::FileSize)
            throw EImportRefused("The set history of " + shownName + " is damaged: it holds "
                                 + std::to_string(history->size()) + " of " + std::to_string(THistory::FileSize)
                                 + " bytes.");
        p.History = std::move(history);
    }
    if (tasks) {
        try {
            TStreamReader tr(*tasks, shownName);
            TTasks check;
            check.LoadFromStream(tr);
        } catch (const std::exception& e) {
            throw EImportRefused("The task list of " + shownName + " is damaged: " + e.what());
        }
        p.Tasks = std::move(tasks);
    }
    // The table the results were written against: without it they would be read against this
    // machine's questions as they are, which may be other ones.
    if (keys) {
        try {
            TStreamReader kr(*keys, shownName);
            TQuestionKeys check;
            check.LoadFromStream(kr);
        } catch (const std::exception& e) {
            throw EImportRefused("The question table of " + shownName + " is damaged: " + e.what());
        }
        p.Keys = std::move(keys);
    }
    // A study date that cannot be read is left behind rather than refusing the person.
    if (date
        && QDate::fromString(
               QString::fromLatin1(reinterpret_cast<const char*>(date->data()), static_cast<qsizetype>(date->size()))
                   .trimmed(),
               Qt::ISODate)
               .isValid())
        p.StudyDate = std::move(date);
    return p;
}

TPersonPackage ReadZip(const std::string& path)
{
    const std::string shown = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
    QuaZip zip(QString::fromStdString(path));
    if (!QFileInfo::exists(QString::fromStdString(path)))
        throw EFileError("Cannot open file " + path);
    if (!zip.open(QuaZip::mdUnzip))
        throw EImportRefused(shown + " is not a zip archive, or it is damaged.");
    std::map<std::string, TBytes> members;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const std::string name = zip.getCurrentFileName().toStdString();
        QuaZipFile member(&zip);
        if (!member.open(QIODevice::ReadOnly))
            throw EImportRefused(shown + " is damaged: " + name + " cannot be read.");
        const QByteArray bytes = member.read(MaxMemberSize + 1);
        member.close();
        if (bytes.size() > MaxMemberSize)
            throw EImportRefused(shown + " holds " + name + ", which is not a person file.");
        if (member.getZipError() != UNZ_OK)
            throw EImportRefused(shown + " is damaged: " + name + " cannot be read.");
        const std::string known = ProgramName(name);
        if (known.empty())
            throw EImportRefused(shown + " holds " + name + ", which is not a person file.");
        members[known] = ToBytes(bytes);
    }
    if (zip.getZipError() != UNZ_OK)
        throw EImportRefused(shown + " is damaged.");
    std::string base;
    for (const auto& [name, bytes] : members)
        if (EndsWithNoCase(name, UserSuffix)) {
            if (!base.empty())
                throw EImportRefused(shown + " holds more than one person.");
            base = name.substr(0, name.size() - 4);
        }
    if (base.empty())
        throw EImportRefused(shown + " holds no person file (.219).");
    auto take = [&](const char* suffix) -> std::optional<TBytes> {
        for (auto it = members.begin(); it != members.end(); ++it)
            if (SameNameNoCase(it->first, base + suffix)) {
                TBytes b = std::move(it->second);
                members.erase(it);
                return b;
            }
        return std::nullopt;
    };
    const TBytes user = *take(UserSuffix);
    auto history = take(HistorySuffix);
    auto tasks = take(TasksSuffix);
    auto date = take(DateSuffix);
    auto keys = take(KeysSuffix);
    if (!members.empty())
        throw EImportRefused(shown + " holds " + members.begin()->first + ", which is not a file of " + base + ".");
    return CheckPackage(shown + ": " + Win1252ToUtf8(base) + UserSuffix, base, user, std::move(history),
                        std::move(tasks), std::move(date), std::move(keys));
}

void Save(const std::string& path, const TBytes& bytes)
{
    SaveAtomically(path, std::span<const std::uint8_t>(bytes.data(), bytes.size()));
}

void RemoveIfExists(const std::string& path)
{
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

std::string FileNameOnly(const std::string& path) { return std::filesystem::path(path).filename().string(); }

} // namespace

TPersonPackage ReadPersonFiles(const std::string& path)
{
    if (EndsWithNoCase(path, ".zip"))
        return ReadZip(path);
    const std::string shown = FileNameOnly(path);
    if (!EndsWithNoCase(path, UserSuffix))
        throw EImportRefused(shown + " is not a person file of The Scrivolt (they end in .219).");
    const std::optional<TBytes> user = ReadIfExists(path);
    if (!user)
        throw EFileError("Cannot open file " + path);
    const std::string stem = path.substr(0, path.size() - 4);
    return CheckPackage(shown, ProgramName(FileNameOnly(stem)), *user, ReadIfExists(path + "h"),
                        ReadIfExists(stem + TasksSuffix), ReadIfExists(stem + DateSuffix),
                        ReadIfExists(stem + KeysSuffix));
}

TImportResult ImportPerson(const TPersonPackage& package, const std::string& usersDir,
                           const std::function<TNameClash(const std::string& present)>& ask)
{
    const std::vector<std::string> listed = ListUserNames(usersDir);
    auto taken = [&listed](const std::string& name) {
        return std::any_of(listed.begin(), listed.end(), [&](const std::string& n) { return SameNameNoCase(n, name); });
    };
    TUser user = package.User;
    std::string target = package.FileName;
    if (taken(target)) {
        std::string present = target;
        try {
            TUser there;
            there.LoadFromFile(UserFilePath(usersDir, target));
            present = there.FullName.text();
        } catch (const std::exception&) { }
        switch (ask(present)) {
        case TNameClash::Cancel:
            return {};
        case TNameClash::Replace:
            for (const std::string& old : PersonFilePaths(usersDir, target))
                if (!EndsWithNoCase(old, UserSuffix))
                    RemoveIfExists(old);
            // The file keeps the spelling it has here.
            target = ProgramName(FileNameOnly(UserFilePath(usersDir, target)));
            target = target.substr(0, target.size() - 4);
            break;
        case TNameClash::KeepBoth: {
            const std::string full = TrimName(user.FullName.text());
            for (char letter = 'a'; letter <= 'z'; ++letter) {
                const std::string name = full + (letter == 'a' ? " (copy)" : std::string(" (copy ") + letter + ")");
                if (name.size() <= static_cast<std::size_t>(MaxNameLength) && !taken(DeriveFileName(name))) {
                    user.FullName.setText(name);
                    target = DeriveFileName(name);
                    break;
                }
            }
            if (taken(target))
                throw EImportRefused("There is no free name left for another copy of " + full + ".");
            break;
        }
        }
    }
    user.FileName.setText(target);
    const std::string userPath = UserFilePath(usersDir, target);
    const TPersonFiles files = PersonFilesOf(userPath, usersDir, target);
    // The companions first: the person appears in the list only once all of it is there. A
    // person from elsewhere without a question table is taken as written against these
    // questions, as any person without one is.
    if (package.Keys)
        Save(files.KeysFile, *package.Keys);
    else
        RemoveIfExists(files.KeysFile);
    if (package.History)
        Save(files.HistoryFile, *package.History);
    if (package.Tasks)
        Save(TaskFilePath(usersDir, target), *package.Tasks);
    if (package.StudyDate)
        Save(StudyDatePath(usersDir, target), *package.StudyDate);
    TStreamWriter w;
    user.SaveToStream(w);
    Save(userPath, w.data());
    return {true, target};
}

std::vector<std::string> PersonFilePaths(const std::string& usersDir, const std::string& fileName)
{
    const std::string user = UserFilePath(usersDir, fileName);
    std::vector<std::string> paths;
    std::error_code ec;
    for (const std::string& p : {user, user + "h", TaskFilePath(usersDir, fileName), StudyDatePath(usersDir, fileName),
                                 PersonFilesOf(user, usersDir, fileName).KeysFile})
        if (std::filesystem::is_regular_file(p, ec))
            paths.push_back(p);
    return paths;
}

void ExportPersonToFolder(const std::string& usersDir, const std::string& fileName, const std::string& folder)
{
    const std::vector<std::string> paths = PersonFilePaths(usersDir, fileName);
    if (paths.empty())
        throw EFileError("Cannot open file " + UserFilePath(usersDir, fileName));
    for (const std::string& p : paths)
        Save(folder + FileNameOnly(p), *ReadIfExists(p));
}

void ExportPersonToZip(const std::string& usersDir, const std::string& fileName, const std::string& zipPath)
{
    const std::vector<std::string> paths = PersonFilePaths(usersDir, fileName);
    if (paths.empty())
        throw EFileError("Cannot open file " + UserFilePath(usersDir, fileName));
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    {
        QuaZip zip(&buffer);
        if (!zip.open(QuaZip::mdCreate))
            throw EFileError("Cannot create file " + zipPath);
        for (const std::string& p : paths) {
            const std::optional<TBytes> bytes = ReadIfExists(p);
            QuaZipFile member(&zip);
            if (!member.open(QIODevice::WriteOnly,
                             QuaZipNewInfo(QString::fromStdString(FileNameOnly(p)), QString::fromStdString(p))))
                throw EFileError("Cannot create file " + zipPath);
            member.write(reinterpret_cast<const char*>(bytes->data()), static_cast<qint64>(bytes->size()));
            member.close();
            if (member.getZipError() != ZIP_OK)
                throw EFileError("Cannot create file " + zipPath);
        }
        zip.close();
        if (zip.getZipError() != ZIP_OK)
            throw EFileError("Cannot create file " + zipPath);
    }
    const QByteArray& data = buffer.data();
    SaveAtomically(zipPath, std::span<const char>(data.constData(), static_cast<std::size_t>(data.size())));
}

} // namespace sv
