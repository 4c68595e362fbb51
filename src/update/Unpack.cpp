#include "update/Unpack.h"

#include "update/UpdatePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <mspack.h>

#include <climits>
#include <memory>
#include <vector>

namespace sv {

namespace {

struct TSzddDeleter {
    void operator()(msszdd_decompressor* d) const { mspack_destroy_szdd_decompressor(d); }
};
struct TCabDeleter {
    void operator()(mscab_decompressor* d) const { mspack_destroy_cab_decompressor(d); }
};

QString MspackError(int code)
{
    switch (code) {
    case MSPACK_ERR_OPEN:
        return QStringLiteral("cannot open the file");
    case MSPACK_ERR_READ:
        return QStringLiteral("read error (the file is cut short)");
    case MSPACK_ERR_WRITE:
        return QStringLiteral("write error");
    case MSPACK_ERR_SEEK:
        return QStringLiteral("seek error (the file is cut short)");
    case MSPACK_ERR_NOMEMORY:
        return QStringLiteral("out of memory");
    case MSPACK_ERR_SIGNATURE:
        return QStringLiteral("not a compressed file of the expected kind");
    case MSPACK_ERR_DATAFORMAT:
        return QStringLiteral("damaged data");
    case MSPACK_ERR_CHECKSUM:
        return QStringLiteral("checksum error");
    case MSPACK_ERR_DECRUNCH:
        return QStringLiteral("decompression error");
    default:
        return QStringLiteral("error %1").arg(code);
    }
}

bool LinkOnTheWay(const QString& folder, const QString& relative)
{
    QString at = folder;
    for (const QString& part : relative.split(QLatin1Char('/'))) {
        at += QLatin1Char('/') + part;
        if (QFileInfo(at).isSymLink())
            return true;
    }
    return false;
}

// Every part of the member's path, and the whole path below the target, within the lengths
// the file system takes (in the bytes of the encoded name).
bool FitsTheFileSystem(const QString& target, const QString& relative)
{
    for (const QString& part : relative.split(QLatin1Char('/')))
        if (QFile::encodeName(part).size() > NAME_MAX)
            return false;
    return QFile::encodeName(target + QLatin1Char('/') + relative).size() < PATH_MAX;
}

// Puts extracted members in place and remembers how, so that Undo can take them out again:
// the files they replaced are kept in the staging folder, the folders made for them are noted.
class TPlacement {
public:
    TPlacement(QString target, QString staging) : m_target(std::move(target)), m_staging(std::move(staging)) { }

    bool Place(const QString& staged, const QString& relative, QString* error)
    {
        const QString dest = m_target + QLatin1Char('/') + relative;
        if (!MakeFolders(relative) || LinkOnTheWay(m_target, relative)) {
            *error = QStringLiteral("Cannot create file ") + dest;
            return false;
        }
        TStep step{dest, {}};
        const QFileInfo old(dest);
        if (old.exists() || old.isSymLink()) {
            if (old.isDir() && !old.isSymLink()) {
                *error = QStringLiteral("a folder has the name ") + dest;
                return false;
            }
            step.Kept = m_staging + QStringLiteral("/old%1").arg(m_steps.size());
            if (!ReplaceFile(dest, step.Kept, error))
                return false;
        }
        if (!ReplaceFile(staged, dest, error)) {
            if (!step.Kept.isEmpty())
                ReplaceFile(step.Kept, dest);
            return false;
        }
        m_steps.push_back(step);
        return true;
    }

    void Undo()
    {
        for (auto it = m_steps.rbegin(); it != m_steps.rend(); ++it) {
            if (it->Kept.isEmpty())
                QFile::remove(it->Dest);
            else
                ReplaceFile(it->Kept, it->Dest);
        }
        m_steps.clear();
        for (auto it = m_madeFolders.rbegin(); it != m_madeFolders.rend(); ++it)
            QDir().rmdir(*it);
        m_madeFolders.clear();
    }

private:
    struct TStep {
        QString Dest;
        QString Kept; // the file it replaced, in the staging folder; empty: none
    };

    bool MakeFolders(const QString& relative)
    {
        QString at = m_target;
        const QStringList parts = relative.split(QLatin1Char('/'));
        for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
            at += QLatin1Char('/') + parts[i];
            const QFileInfo info(at);
            if (info.isDir())
                continue;
            if (info.exists() || info.isSymLink() || !QDir().mkdir(at))
                return false;
            m_madeFolders << at;
        }
        return true;
    }

    QString m_target;
    QString m_staging;
    std::vector<TStep> m_steps;
    QStringList m_madeFolders;
};

} // namespace

bool IsSzddFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(8) == QByteArray("SZDD\x88\xF0\x27\x33", 8);
}

QString SzddExpandedName(const QString& name, char missingChar)
{
    if (!name.endsWith(QLatin1Char('_')))
        return name;
    QString out = name.left(name.size() - 1);
    if (missingChar != 0)
        out += QLatin1Char(missingChar);
    return out;
}

TUnpackResult ExpandSzddTo(const QString& path, const QString& outputPath, const QString& recordedAs)
{
    TUnpackResult r;
    const QFileInfo info(path);
    std::unique_ptr<msszdd_decompressor, TSzddDeleter> d(mspack_create_szdd_decompressor(nullptr));
    if (!d) {
        r.Error = QStringLiteral("cannot start the decompressor");
        return r;
    }
    const QByteArray inName = QFile::encodeName(info.absoluteFilePath());
    msszddd_header* header = d->open(d.get(), inName.constData());
    if (!header) {
        r.Error = MspackError(d->last_error(d.get()));
        return r;
    }
    const qint64 expected = header->length;
    r.ExpandedName = SzddExpandedName(recordedAs.isEmpty() ? info.fileName() : recordedAs, header->missing_char);
    if (!IsSafeFileName(r.ExpandedName)) {
        d->close(d.get(), header);
        r.Error = QStringLiteral("unsafe expanded name \"%1\"").arg(r.ExpandedName);
        return r;
    }
    const QString folder = QFileInfo(outputPath).absolutePath();
    const QString temp = NewTempFileIn(folder);
    if (temp.isEmpty()) {
        d->close(d.get(), header);
        r.Error = QStringLiteral("Cannot create file ") + outputPath;
        return r;
    }
    const int err = d->extract(d.get(), header, QFile::encodeName(temp).constData());
    d->close(d.get(), header);
    const qint64 got = QFileInfo(temp).size();
    if (err != MSPACK_ERR_OK || got != expected) {
        QFile::remove(temp);
        r.Error = err != MSPACK_ERR_OK
                      ? MspackError(err)
                      : QStringLiteral("expanded %1 bytes, the header promises %2 (the file is cut short or damaged)")
                            .arg(got)
                            .arg(expected);
        return r;
    }
    if (!ReplaceFile(temp, outputPath, &r.Error)) {
        QFile::remove(temp);
        return r;
    }
    r.Ok = true;
    r.Written << QFileInfo(outputPath).absoluteFilePath();
    return r;
}

TUnpackResult ExpandSzdd(const QString& path)
{
    const QFileInfo info(path);
    TUnpackResult r;
    {
        QFile f(path);
        QByteArray head;
        if (f.open(QIODevice::ReadOnly))
            head = f.read(10);
        const char missing = head.size() == 10 ? head.at(9) : 0;
        r.ExpandedName = SzddExpandedName(info.fileName(), missing);
    }
    if (!IsSafeFileName(r.ExpandedName)) {
        r.Error = QStringLiteral("unsafe expanded name \"%1\"").arg(r.ExpandedName);
        return r;
    }
    const QString target = info.absolutePath() + QLatin1Char('/') + r.ExpandedName;
    r = ExpandSzddTo(path, target);
    if (r.Ok && target != info.absoluteFilePath())
        QFile::remove(info.absoluteFilePath());
    return r;
}

TUnpackResult ExtractCabinet(const QString& path, const QString& targetFolder)
{
    TUnpackResult r;
    const QString target = QDir(targetFolder).absolutePath();
    std::unique_ptr<mscab_decompressor, TCabDeleter> d(mspack_create_cab_decompressor(nullptr));
    if (!d) {
        r.Error = QStringLiteral("cannot start the decompressor");
        return r;
    }
    const QByteArray inName = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    mscabd_cabinet* cab = d->open(d.get(), inName.constData());
    if (!cab) {
        r.Error = MspackError(d->last_error(d.get()));
        return r;
    }
    struct TMember {
        mscabd_file* File;
        QString Relative;
        QString Staged;
    };
    std::vector<TMember> members;
    for (mscabd_file* f = cab->files; f; f = f->next) {
        const QString name =
            (f->attribs & MSCAB_ATTRIB_UTF_NAME) ? QString::fromUtf8(f->filename) : QString::fromLatin1(f->filename);
        QString relative;
        if (!IsSafeRelativePath(name, &relative) || LinkOnTheWay(target, relative)) {
            d->close(d.get(), cab);
            r.Error = QStringLiteral("refused member name \"%1\" (it would be written outside %2)").arg(name, target);
            return r;
        }
        if (!FitsTheFileSystem(target, relative)) {
            d->close(d.get(), cab);
            r.Error = QStringLiteral("refused member name \"%1\" (too long for a file name here)").arg(name);
            return r;
        }
        members.push_back({f, relative, {}});
    }
    if (!QDir().mkpath(target)) {
        d->close(d.get(), cab);
        r.Error = QStringLiteral("Cannot create file ") + target;
        return r;
    }
    QTemporaryDir staging(target + QStringLiteral("/WUPDXXXXXX"));
    if (!staging.isValid()) {
        d->close(d.get(), cab);
        r.Error = QStringLiteral("Cannot create file ") + target;
        return r;
    }
    for (std::size_t i = 0; i < members.size(); ++i) {
        TMember& m = members[i];
        m.Staged = staging.filePath(QString::number(i));
        const int err = d->extract(d.get(), m.File, QFile::encodeName(m.Staged).constData());
        if (err != MSPACK_ERR_OK || QFileInfo(m.Staged).size() != static_cast<qint64>(m.File->length)) {
            d->close(d.get(), cab);
            r.Error = QStringLiteral("%1: %2").arg(m.Relative, err != MSPACK_ERR_OK ? MspackError(err)
                                                                                    : QStringLiteral("cut short"));
            return r; // the staging folder goes with everything in it
        }
    }
    // Everything was read whole: put the files in place. A member that cannot be placed undoes
    // the ones placed before it, so that a refused archive leaves the target as it was.
    TPlacement placement(target, staging.path());
    for (const TMember& m : members) {
        const QString dest = target + QLatin1Char('/') + m.Relative;
        if (!placement.Place(m.Staged, m.Relative, &r.Error)) {
            placement.Undo();
            d->close(d.get(), cab);
            r.Error = QStringLiteral("%1: %2").arg(m.Relative, r.Error);
            return r;
        }
        r.Written << dest;
    }
    for (std::size_t i = 0; i < members.size(); ++i) {
        const mscabd_file* f = members[i].File;
        const QDateTime stamp(QDate(f->date_y, f->date_m, f->date_d), QTime(f->time_h, f->time_m, f->time_s));
        if (stamp.isValid()) {
            QFile file(r.Written[static_cast<qsizetype>(i)]);
            if (file.open(QIODevice::Append))
                file.setFileTime(stamp, QFileDevice::FileModificationTime);
        }
    }
    d->close(d.get(), cab);
    r.Ok = true;
    return r;
}

} // namespace sv
