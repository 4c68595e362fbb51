#include "update/UpdatePaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace sv {

namespace {

QString WithoutTrailingSlash(QString folder)
{
    folder = QDir::cleanPath(folder);
    if (folder == QLatin1String("/"))
        return QStringLiteral("/.");
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

bool HasControlCharacter(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return true;
    return false;
}

} // namespace

TPrefixFolders CurrentPrefixFolders()
{
    TPrefixFolders f;
    f.App = QDir::currentPath();
    f.Tmp = QDir::tempPath();
    f.Win = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (f.Win.isEmpty())
        f.Win = QDir::homePath();
    f.Pf = QFileInfo(f.App).absolutePath();
    return f;
}

QString ConvertPrefixes(const QString& value, const TPrefixFolders& folders)
{
    QString out;
    qsizetype i = 0;
    while (i < value.size()) {
        const qsizetype open = value.indexOf(QLatin1Char('{'), i);
        if (open < 0)
            break;
        const qsizetype close = value.indexOf(QLatin1Char('}'), open + 1);
        if (close < 0)
            break;
        out += value.mid(i, open - i);
        const QString name = value.mid(open + 1, close - open - 1).toUpper();
        const QString* folder = nullptr;
        if (name == QLatin1String("APP"))
            folder = &folders.App;
        else if (name == QLatin1String("TMP"))
            folder = &folders.Tmp;
        else if (name == QLatin1String("WIN"))
            folder = &folders.Win;
        else if (name == QLatin1String("PF"))
            folder = &folders.Pf;
        out += folder ? WithoutTrailingSlash(*folder) : value.mid(open, close - open + 1);
        i = close + 1;
    }
    out += value.mid(i);
    return out;
}

QString LocalPath(const QString& value)
{
    QString s = value;
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return s;
}

QString FileNameOfAddress(const QString& address)
{
    const qsizetype cut = std::max(address.lastIndexOf(QLatin1Char('/')), address.lastIndexOf(QLatin1Char('\\')));
    return address.mid(cut + 1);
}

bool IsSafeFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !HasControlCharacter(name);
}

bool IsSafeRelativePath(const QString& path, QString* normalized)
{
    const QString p = LocalPath(path);
    if (p.isEmpty() || p.startsWith(QLatin1Char('/')) || HasControlCharacter(p))
        return false;
    if (p.size() >= 2 && p.at(1) == QLatin1Char(':'))
        return false;
    const QStringList parts = p.split(QLatin1Char('/'));
    for (const QString& part : parts)
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    if (normalized)
        *normalized = p;
    return true;
}

bool IsInsideFolder(const QString& path, const QString& root)
{
    if (path.isEmpty() || root.isEmpty() || LocalPath(path).split(QLatin1Char('/')).contains(QStringLiteral("..")))
        return false;
    const QString rootReal = QFileInfo(root).canonicalFilePath();
    if (rootReal.isEmpty())
        return false;
    // The deepest part of the path that exists, with its links resolved, and the rest as written.
    QString existing = QDir::cleanPath(QFileInfo(LocalPath(path)).absoluteFilePath());
    QString rest;
    while (!QFileInfo::exists(existing) && !QFileInfo(existing).isSymLink()) {
        const qsizetype cut = existing.lastIndexOf(QLatin1Char('/'));
        if (cut <= 0)
            return false;
        rest = existing.mid(cut) + rest;
        existing = existing.left(cut);
    }
    const QString real = QFileInfo(existing).canonicalFilePath();
    if (real.isEmpty())
        return false; // a link that leads nowhere
    const QString full = real + rest;
    return full == rootReal || full.startsWith(rootReal == QLatin1String("/") ? rootReal : rootReal + QLatin1Char('/'));
}

QString NewTempFileIn(const QString& folder)
{
    QTemporaryFile t(folder + QStringLiteral("/WUPDXXXXXX.tmp"));
    t.setAutoRemove(false);
    if (!t.open())
        return {};
    return t.fileName();
}

bool ReplaceFile(const QString& from, const QString& to, QString* error)
{
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), ec);
    if (ec && error)
        *error = QString::fromStdString(ec.message());
    return !ec;
}

} // namespace sv
