#include "update/WebUpdate.h"

#include "common/Win1252.h"
#include "update/Checksums.h"
#include "update/FileVersion.h"
#include "update/Unpack.h"
#include "update/UpdateDates.h"
#include "update/UpdateStatus.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

namespace sv {

namespace {

const QString kUpdate = QStringLiteral("update");
const QString kApplication = QStringLiteral("application");
const QString kAction = QStringLiteral("action");

constexpr qint64 kReadBlock = 4096;
constexpr qint64 kCopyBlock = 16384;

// "\n" written as two characters in the control file starts a new line.
QString WithLineBreaks(QString text)
{
    text.replace(QLatin1String("\\n"), QLatin1String("\r"));
    return text;
}

QString DecodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return FromWin1252(std::string_view(bytes.constData(), bytes.size()));
}

QFile::Permissions NewFilePermissions(const QString& replaced)
{
    if (QFileInfo::exists(replaced))
        return QFile::permissions(replaced);
    return QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup
           | QFile::ReadOther;
}

} // namespace

TWebUpdate::TWebUpdate(IUpdateHost& host) : m_host(host) { ProcessId = QCoreApplication::applicationPid(); }

TWebUpdate::~TWebUpdate() = default;

void TWebUpdate::Status(TUpdateStatusId id, const QString& arg)
{
    if (OnStatus)
        OnStatus(UpdateStatusText(id, arg), id, UpdateStatusErrorCode(id));
}

void TWebUpdate::StatusText(const QString& text, TUpdateErrorCode errorCode)
{
    if (OnStatus)
        OnStatus(text, TUpdateStatusId::None, errorCode);
}

QString TWebUpdate::Prefixed(const QString& value) const { return ConvertPrefixes(value, Folders); }

std::int32_t TWebUpdate::Checksum(const QString& path) const
{
    return FileChecksum(path, UseCRC32 ? TChecksumKind::Crc32 : TChecksumKind::ByteSum);
}

namespace {
// Errors that mean the server was never reached (or stopped answering), as opposed to a
// server that answered with an error: offline, no name resolution, refused, timed out.
bool NoConnection(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // the transfer timeout
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
        return true;
    default:
        return false;
    }
}
} // namespace

// --- The procedure ---

void TWebUpdate::DoUpdate()
{
    m_restart = false;
    m_appName.clear();
    m_appComps.clear();
    m_staged.clear();
    m_updaterCommand.clear();
    m_cancelRequested = false;
    m_stopReported = false;
    m_unreachable = false;
    m_deadline = QDeadlineTimer(Limits.TotalMs);
    m_runDir = std::make_unique<QTemporaryDir>(Folders.Tmp + QStringLiteral("/WUPDXXXXXX"));

    try {
        const QString address = Prefixed(URL);
        QString controlPath;
        TExpected bounded;
        bounded.MaxSize = Limits.ControlFile;
        if (!m_runDir->isValid() || !DownloadFile(address, false, m_runDir->path(), &controlPath, bounded)) {
            if (!m_unreachable) // that has been told already, once
                Status(TUpdateStatusId::ControlFileNotFound);
        } else {
            Status(TUpdateStatusId::ControlFileFound);
            TIniFile ini;
            ini.LoadFromFile(controlPath);
            RunControlFile(ini);
        }

        // Finish.
        if (m_net) {
            m_net->clearConnectionCache();
            if (!m_unreachable) // there was none
                Status(TUpdateStatusId::ClosedConnection);
        }
        m_runDir.reset(); // the control file copy and the texts fetched with it
        if (m_restart && !m_staged.isEmpty() && !ShouldStop()) {
            RestartForUpdate();
        } else {
            if (!m_staged.isEmpty())
                Status(TUpdateStatusId::NotRestarted, m_staged.join(QStringLiteral(", ")));
            DiscardStaged();
        }
    } catch (...) {
        // A run that fails halfway leaves nothing behind: no staged program files beside the
        // real ones, no downloads in the temporary folder. Once the updater has started, the
        // staged files are its own. The error goes on to the window that started the update.
        if (m_net)
            m_net->clearConnectionCache();
        m_runDir.reset();
        if (m_updaterCommand.isEmpty())
            DiscardStaged();
        throw;
    }
}

bool TWebUpdate::RunControlFile(const TIniFile& ini)
{
    if (SignatureCheck && ini.ReadString(kUpdate, QStringLiteral("signature")) != Signature) {
        Status(TUpdateStatusId::InvalidSignature);
        return false;
    }
    const bool hasDate =
        ParseUpdateDate(ini.ReadString(kUpdate, QStringLiteral("date")), DateFormat, DateSeparator).has_value();
    if (hasDate) {
        if (!DateTest(ini))
            return false;
    } else if (ini.ReadString(kUpdate, QStringLiteral("unconditional")).isEmpty()) {
        if (!VersionTest(ini))
            return false;
    }
    ReadApplication(ini);
    return Actions(ini);
}

bool TWebUpdate::DateTest(const TIniFile& ini)
{
    const QString dateText = ini.ReadString(kUpdate, QStringLiteral("date"));
    const auto date = ParseUpdateDate(dateText, DateFormat, DateSeparator);
    Status(TUpdateStatusId::DateBased);
    QDateTime released(*date, QTime(0, 0));
    if (const auto time = ParseUpdateTime(ini.ReadString(kUpdate, QStringLiteral("time")), TimeFormat, TimeSeparator))
        released.setTime(*time);
    if (LastUpdate >= released) {
        Status(TUpdateStatusId::NoNewVersion);
        return false;
    }
    Status(TUpdateStatusId::NewVersion, dateText);
    return true;
}

bool TWebUpdate::VersionTest(const TIniFile& ini)
{
    const QString newVersion = ini.ReadString(kUpdate, QStringLiteral("newversion"));
    const qint64 newSize = ini.ReadInteger(kUpdate, QStringLiteral("newsize"), 0);
    const QString local = LocalPath(Prefixed(ini.ReadString(kUpdate, QStringLiteral("localversion"))));
    const std::int32_t newChecksum = ini.ReadInt32(kUpdate, QStringLiteral("newchecksum"), -1);
    if (!local.isEmpty() && QFileInfo::exists(local)) {
        if (newChecksum != -1)
            Status(TUpdateStatusId::ChecksumBased);
        else if (newSize > 0)
            Status(TUpdateStatusId::SizeBased);
        else if (!newVersion.isEmpty())
            Status(TUpdateStatusId::VersionBased);
    }
    if (!IsNewVersion(newVersion, local, newChecksum, newSize)) {
        Status(TUpdateStatusId::NoNewVersion);
        return false;
    }
    Status(TUpdateStatusId::NewVersion, newVersion);
    return true;
}

void TWebUpdate::ReadApplication(const TIniFile& ini)
{
    m_restart = ini.ReadInteger(kApplication, QStringLiteral("appupdate"), 0) == 1;
    // The program is the part before the first blank (its folder may hold blanks once the
    // prefix is put in), the parameters the rest.
    const QString raw = ini.ReadString(kApplication, QStringLiteral("appname"));
    const qsizetype blank = raw.indexOf(QLatin1Char(' '));
    const QString program = LocalPath(Prefixed(blank < 0 ? raw : raw.left(blank)));
    const QString params = blank < 0 ? QString() : raw.mid(blank + 1);
    QString app = params.isEmpty() ? program : program + QLatin1Char(' ') + params;
    if (program.isEmpty())
        m_restart = false;
    if (!program.isEmpty() && !IsInsideFolder(program, Folders.App)) {
        Status(TUpdateStatusId::CommandRefused, raw);
        m_restart = false;
    }
    if (app.contains(QLatin1Char(' ')))
        app = QLatin1Char('"') + app + QLatin1Char('"');
    m_appName = app;
    m_appComps = LocalPath(Prefixed(ini.ReadString(kApplication, QStringLiteral("appcomps"))));
    // "silentrestart" is not followed: the person always confirms the restart.
}

bool TWebUpdate::Actions(const TIniFile& ini)
{
    auto action = [&](const char* key) { return ini.ReadString(kAction, QString::fromLatin1(key)); };

    if (const QString msg = action("msg"); !msg.isEmpty()) {
        Status(TUpdateStatusId::FoundMessage);
        m_host.Information(WithLineBreaks(msg));
    }
    if (const QString page = action("htmldlg"); !page.isEmpty()) {
        Status(TUpdateStatusId::FoundHtmlDialog);
        QString html;
        if (FetchText(Prefixed(page), &html))
            m_host.ShowHtmlDialog(html, page);
    }
    if (const QString cmd = action("runbefore"); !cmd.isEmpty())
        StartProgram(cmd);
    if (const QString query = action("query"); !query.isEmpty()) {
        Status(TUpdateStatusId::FoundQuery);
        if (!m_host.Confirm(WithLineBreaks(query))) {
            m_restart = false;
            return false;
        }
    }
    if (const QString file = ini.ReadString(QStringLiteral("whatsnew"), QStringLiteral("file")); !file.isEmpty()) {
        Status(TUpdateStatusId::FoundWhatsNew);
        TWhatsNewCaptions c;
        const QString w = QStringLiteral("whatsnew");
        c.Caption = ini.ReadString(w, QStringLiteral("caption"));
        c.OkButton = ini.ReadString(w, QStringLiteral("okbtn"), c.OkButton);
        c.CancelButton = ini.ReadString(w, QStringLiteral("cancelbtn"), c.CancelButton);
        QString text;
        FetchText(Prefixed(file), &text);
        if (!m_host.WhatsNew(text, c)) {
            Status(TUpdateStatusId::WhatsNewRefused);
            m_restart = false;
            return false;
        }
    }
    if (const QString file = ini.ReadString(QStringLiteral("eula"), QStringLiteral("file")); !file.isEmpty()) {
        Status(TUpdateStatusId::FoundLicense);
        TLicenseCaptions c;
        const QString e = QStringLiteral("eula");
        c.Caption = ini.ReadString(e, QStringLiteral("caption"));
        c.OkButton = ini.ReadString(e, QStringLiteral("okbtn"), c.OkButton);
        c.Accept = ini.ReadString(e, QStringLiteral("accept"), c.Accept);
        c.NotAccept = ini.ReadString(e, QStringLiteral("notaccept"), c.NotAccept);
        QString text;
        FetchText(Prefixed(file), &text);
        if (!m_host.License(text, c)) {
            Status(TUpdateStatusId::LicenseRefused);
            m_restart = false;
            return false;
        }
    }
    // The new date and address would be stored here; this program keeps neither.
    if (!action("updateURL").isEmpty())
        Status(TUpdateStatusId::FoundRedirection);
    if (const QString url = action("showURL"); !url.isEmpty()) {
        Status(TUpdateStatusId::FoundShowUrl);
        const QUrl address(Prefixed(url));
        const QString scheme = address.scheme().toLower();
        if (address.isValid() && !address.host().isEmpty()
            && (scheme == QLatin1String("https") || scheme == QLatin1String("http")))
            m_host.OpenUrl(address.toString());
        else
            Status(TUpdateStatusId::AddressRefused, url);
    }
    const qint64 count = ini.ReadInteger(QStringLiteral("files"), QStringLiteral("count"), 0);
    if (count > Limits.FileCount) {
        Status(TUpdateStatusId::TooManyFiles, QString::number(count));
        m_restart = false;
        return false;
    }
    if (count > 0) {
        Status(TUpdateStatusId::FoundFiles);
        bool askedOnce = false;
        bool stopAll = false;
        for (qint64 i = 1; i <= count && !stopAll && !ShouldStop(); ++i)
            FileSection(ini, QStringLiteral("file%1").arg(i), askedOnce, stopAll);
    }
    if (ShouldStop())
        return false;
    if (const QString cmd = action("runafter"); !cmd.isEmpty())
        StartProgram(cmd);
    Status(TUpdateStatusId::Finished);
    return true;
}

void TWebUpdate::FileSection(const TIniFile& ini, const QString& section, bool& askedOnce, bool& stopAll)
{
    auto value = [&](const char* key) { return ini.ReadString(section, QString::fromLatin1(key)); };
    const QString url = Prefixed(value("url"));
    if (url.isEmpty())
        return;
    const QString newVersion = value("newversion");
    const QString local = LocalPath(Prefixed(value("localversion")));
    const qint64 newSize = ini.ReadInteger(section, QStringLiteral("newsize"), 0);
    const std::int32_t newChecksum = ini.ReadInt32(section, QStringLiteral("newchecksum"), -1);
    QString targetDir = LocalPath(Prefixed(value("targetdir")));
    if (targetDir.isEmpty())
        targetDir = QStringLiteral(".");
    const bool compressed = ini.ReadInteger(section, QStringLiteral("compressed"), 0) == 1;
    TExpected expected;
    expected.Checksum = newChecksum;
    expected.Sha256 = value("sha256").trimmed();
    // The declared size bounds the download (a compressed file may be an eighth larger than
    // what it holds, plus its header).
    if (newSize > 0)
        expected.MaxSize = compressed ? newSize + newSize / 8 + 64 : newSize;
    if (!InsideAllowedFolder(targetDir)) {
        Status(TUpdateStatusId::FolderRefused, value("targetdir"));
        Status(TUpdateStatusId::CannotDownload, url);
        m_restart = false;
        return;
    }
    if (!QDir().mkpath(targetDir)) {
        StatusText(QStringLiteral("Cannot create file ") + targetDir, TUpdateErrorCode::Internet);
        Status(TUpdateStatusId::CannotDownload, url);
        m_restart = false;
        return;
    }
    if (!IsNewVersion(newVersion, local, newChecksum, newSize))
        return;
    Status(TUpdateStatusId::DownloadUpdate, url);
    const QString name = FileNameOfAddress(QUrl(url).isRelative() ? url : QUrl(url).path());
    if (UpdateUpdate == TUpdateUpdate::PromptAll
        && !m_host.Confirm(UpdateStatusText(TUpdateStatusId::AskDownloadFile) + name))
        return;
    if (UpdateUpdate == TUpdateUpdate::PromptOnce && !askedOnce) {
        askedOnce = true;
        if (!m_host.Confirm(UpdateStatusText(TUpdateStatusId::AskDownloadFiles))) {
            stopAll = true;
            return;
        }
    }
    // A program file waits beside its target for the updater, which puts all of them in
    // place at once after the program has ended.
    QString saved;
    if (!DownloadFile(url, compressed, targetDir, &saved, expected, TDownloadRole::UpdateFile)) {
        if (m_unreachable) // listed, but the one message about the connection is enough
            StatusText(UpdateStatusText(TUpdateStatusId::CannotDownload, url), TUpdateErrorCode::Internet);
        else
            Status(TUpdateStatusId::CannotDownload, url);
        m_restart = false;
        return;
    }
    if (saved.endsWith(QLatin1String(kStagedSuffix)))
        return;
    if (ExtractCAB && saved.endsWith(QLatin1String(".cab"), Qt::CaseInsensitive)) {
        const TUnpackResult r = ExtractCabinet(saved, targetDir);
        QFile::remove(saved);
        if (!r.Ok)
            Status(TUpdateStatusId::CabError, saved + QStringLiteral(" (") + r.Error + QLatin1Char(')'));
    }
}

bool TWebUpdate::IsProgramFile(const QString& finalPath, const QString& content) const
{
    // Named in "appcomps" (as a whole name: the list is separated by blanks, the names may
    // carry their folder).
    const QString name = QFileInfo(finalPath).fileName();
    for (qsizetype at = m_appComps.indexOf(name, 0, Qt::CaseInsensitive); at >= 0 && !name.isEmpty();
         at = m_appComps.indexOf(name, at + 1, Qt::CaseInsensitive)) {
        const qsizetype end = at + name.size();
        const bool startsWord =
            at == 0 || m_appComps.at(at - 1) == QLatin1Char(' ') || m_appComps.at(at - 1) == QLatin1Char('/');
        const bool endsWord = end == m_appComps.size() || m_appComps.at(end) == QLatin1Char(' ');
        if (startsWord && endsWord)
            return true;
    }
    // It replaces a file that may run, or it is a program or a script itself.
    const QFileInfo target(finalPath);
    if (target.exists() && target.isExecutable())
        return true;
    QFile f(content);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(4);
    return head
               == QByteArray("\x7f"
                             "ELF",
                             4)
           || head.startsWith("#!");
}

bool TWebUpdate::InsideAllowedFolder(const QString& path) const
{
    return IsInsideFolder(path, Folders.App) || (!DataFolder.isEmpty() && IsInsideFolder(path, DataFolder));
}

bool TWebUpdate::StartProgram(const QString& commandLine)
{
    // Split as written, before the prefixes put in folders that may hold blanks.
    QStringList parts = QProcess::splitCommand(commandLine);
    if (parts.isEmpty())
        return false;
    for (QString& part : parts)
        part = Prefixed(part);
    const QString program = QDir(Folders.App).absoluteFilePath(LocalPath(parts.takeFirst()));
    if (!IsInsideFolder(program, Folders.App) || !QFileInfo(program).isFile()) {
        Status(TUpdateStatusId::CommandRefused, commandLine);
        return false;
    }
    QStringList shown{program};
    for (const QString& a : std::as_const(parts))
        shown << (a.contains(QLatin1Char(' ')) || a.isEmpty() ? QLatin1Char('"') + a + QLatin1Char('"') : a);
    if (!m_host.Confirm(
            QStringLiteral("The update asks to start this program:\r%1\rStart it?").arg(shown.join(QLatin1Char(' ')))))
        return false;
    return m_host.StartProgram(program, parts);
}

bool TWebUpdate::SchemeAllowed(const QUrl& url, bool redirectFromHttps) const
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    return scheme == QLatin1String("http") && AllowPlainHttp && !redirectFromHttps;
}

bool TWebUpdate::ShouldStop()
{
    if (!m_cancelRequested && OnProgressCancel && OnProgressCancel())
        m_cancelRequested = true;
    const bool late = !m_cancelRequested && m_deadline.hasExpired();
    if (!m_cancelRequested && !late)
        return false;
    if (!m_stopReported) {
        m_stopReported = true;
        if (late)
            Status(TUpdateStatusId::TimeLimit, QString::number(Limits.TotalMs / 60000.0));
        else
            Status(TUpdateStatusId::Cancelled);
    }
    m_cancelRequested = true;
    m_restart = false;
    return true;
}

bool TWebUpdate::IsNewVersion(const QString& newVersion, const QString& localFile, std::int32_t newChecksum,
                              qint64 newSize) const
{
    if (newVersion.isEmpty() && newSize == 0 && newChecksum == -1)
        return true;
    const QFileInfo local(localFile);
    if (localFile.isEmpty() || !local.exists())
        return true;
    bool result = false;
    if (newChecksum != -1)
        result = Checksum(localFile) != newChecksum;
    if (newSize > 0) {
        result = local.size() > 0 && local.size() != newSize;
    } else {
        const TFileVersion wanted = ParseVersionString(newVersion);
        if (wanted.HasBothHalves() && IsLowerVersion(ReadFileVersion(localFile), wanted))
            result = true;
    }
    return result;
}

// --- Downloads ---

bool TWebUpdate::DownloadFile(const QString& address, bool expand, const QString& targetDir, QString* savedPath,
                              const TExpected& expected, TDownloadRole role)
{
    const qint64 maxBytes = expected.MaxSize > 0 ? expected.MaxSize : Limits.Download;
    Status(TUpdateStatusId::Download, address);
    const QUrl url(address);
    const bool web = UpdateType != TUpdateType::File;
    const QString name = FileNameOfAddress(web ? url.path() : address);
    if (!IsSafeFileName(name)) {
        Status(TUpdateStatusId::UnsafeName, address);
        return false;
    }
    const QFileInfo targetInfo(targetDir);
    const QString targetPath =
        targetInfo.isFile() ? targetInfo.absoluteFilePath() : QDir(targetDir).absoluteFilePath(name);
    const QString folder = QFileInfo(targetPath).absolutePath();
    const QString temp = NewTempFileIn(folder);
    if (temp.isEmpty()) {
        StatusText(QStringLiteral("Cannot create file ") + targetPath, TUpdateErrorCode::Internet);
        Status(TUpdateStatusId::DownloadNotFound, address);
        return false;
    }
    const bool arrived =
        web ? HttpGet(address, temp, targetPath, maxBytes) : CopyLocal(address, temp, targetPath, maxBytes);
    if (!arrived) {
        QFile::remove(temp);
        return false;
    }

    QString candidate = temp;
    QString finalPath = targetPath;
    if (expand && !name.endsWith(QLatin1String(".cab"), Qt::CaseInsensitive) && IsSzddFile(temp)) {
        const QString expanded = NewTempFileIn(folder);
        const TUnpackResult r = ExpandSzddTo(temp, expanded, name);
        QFile::remove(temp);
        if (!r.Ok) {
            QFile::remove(expanded);
            Status(TUpdateStatusId::ExpandError, name + QStringLiteral(" (") + r.Error + QLatin1Char(')'));
            return false;
        }
        candidate = expanded;
        finalPath = folder + QLatin1Char('/') + r.ExpandedName;
        if (QFileInfo(candidate).size() > (expected.MaxSize > 0 ? expected.MaxSize : Limits.Download)) {
            QFile::remove(candidate);
            Status(TUpdateStatusId::TooLarge, r.ExpandedName);
            return false;
        }
    }
    // A program file needs its sha256 and waits for the updater.
    const bool staged = role == TDownloadRole::UpdateFile && IsProgramFile(finalPath, candidate);
    if (staged && expected.Sha256.isEmpty()) {
        QFile::remove(candidate);
        Status(TUpdateStatusId::NoSha256, QFileInfo(finalPath).fileName());
        return false;
    }
    QString refused;
    if (expected.Checksum != -1 && Checksum(candidate) != expected.Checksum)
        refused = QStringLiteral("checksum");
    else if (!expected.Sha256.isEmpty() && Sha256Hex(candidate).compare(expected.Sha256, Qt::CaseInsensitive) != 0)
        refused = QStringLiteral("sha256");
    if (!refused.isEmpty()) {
        QFile::remove(candidate);
        Status(TUpdateStatusId::ChecksumMismatch,
               QFileInfo(finalPath).fileName() + QStringLiteral(" (") + refused + QLatin1Char(')'));
        return false;
    }
    const QString dest = staged ? finalPath + QLatin1String(kStagedSuffix) : finalPath;
    QFile::setPermissions(candidate, NewFilePermissions(finalPath));
    QString error;
    if (!ReplaceFile(candidate, dest, &error)) {
        QFile::remove(candidate);
        StatusText(QStringLiteral("Cannot create file ") + dest + QStringLiteral(" (") + error + QLatin1Char(')'),
                   TUpdateErrorCode::Internet);
        return false;
    }
    if (staged && !m_staged.contains(finalPath))
        m_staged << finalPath;
    if (savedPath)
        *savedPath = dest;
    return true;
}

bool TWebUpdate::HttpGet(const QString& address, const QString& tempPath, const QString& progressName, qint64 maxBytes)
{
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        Status(TUpdateStatusId::DownloadNotFound, address);
        return false;
    }
    if (!SchemeAllowed(url, false)) {
        Status(TUpdateStatusId::PlainHttpRefused, address);
        return false;
    }
    if (ShouldStop())
        return false;
    if (!m_net)
        m_net = std::make_unique<QNetworkAccessManager>();
    if (Proxy.trimmed().isEmpty()) {
        m_net->setProxy(QNetworkProxy(QNetworkProxy::DefaultProxy));
    } else {
        QString p = Proxy.trimmed();
        if (const qsizetype s = p.indexOf(QLatin1String("://")); s >= 0)
            p = p.mid(s + 3);
        const qsizetype colon = p.lastIndexOf(QLatin1Char(':'));
        bool ok = false;
        const int port = colon > 0 ? p.mid(colon + 1).toInt(&ok) : 0;
        m_net->setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, ok ? p.left(colon) : p,
                                      static_cast<quint16>(ok ? port : 8080), ProxyUserID, ProxyPassword));
    }

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("WebUpdate"));
    request.setTransferTimeout(TransferTimeoutMs);
    // Each redirection is checked: never from https to http, never to plain http unless allowed.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);

    QFile out(tempPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        StatusText(QStringLiteral("Cannot create file ") + tempPath, TUpdateErrorCode::Internet);
        return false;
    }
    std::unique_ptr<QNetworkReply> reply(m_net->get(request));
    int httpStatus = 0;
    qint64 total = -1;
    qint64 soFar = 0;
    bool stopped = false;
    bool writeFailed = false;
    bool tooLarge = false;
    QString refusedRedirect;
    auto tooLong = [&](qint64 bytes) {
        if (bytes <= maxBytes)
            return false;
        tooLarge = stopped = true;
        reply->abort();
        return true;
    };
    auto readBlocks = [&] {
        if (stopped)
            return;
        if (!httpStatus)
            httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (httpStatus > 299) {
            reply->readAll();
            return;
        }
        if (total < 0 && reply->header(QNetworkRequest::ContentLengthHeader).isValid()) {
            total = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
            if (tooLong(total))
                return;
        }
        while (reply->bytesAvailable() > 0) {
            const QByteArray block = reply->read(kReadBlock);
            if (tooLong(soFar + block.size()))
                return;
            if (out.write(block) != block.size()) {
                writeFailed = stopped = true;
                reply->abort();
                return;
            }
            soFar += block.size();
            if (OnFileProgress)
                OnFileProgress(progressName, total, soFar);
            if (ShouldStop()) {
                stopped = true;
                reply->abort();
                return;
            }
        }
    };
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, readBlocks);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QUrl current = url;
    QObject::connect(reply.get(), &QNetworkReply::redirected, &loop, [&](const QUrl& to) {
        if (SchemeAllowed(to, current.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0)) {
            current = to;
            Q_EMIT reply->redirectAllowed();
        } else {
            refusedRedirect = to.toString();
            stopped = true;
            reply->abort();
        }
    });
    // Cancel and the time limit are heard while a server keeps the download waiting.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        if (!stopped && ShouldStop()) {
            stopped = true;
            reply->abort();
        }
    });
    watch.start(100);
    if (!reply->isFinished())
        loop.exec();
    watch.stop();
    if (!reply->isFinished()) { // the application is ending
        stopped = true;
        reply->abort();
    }
    readBlocks();
    out.close();
    if (!refusedRedirect.isEmpty()) {
        Status(TUpdateStatusId::RedirectRefused, refusedRedirect);
        return false;
    }
    if (!httpStatus)
        httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (httpStatus > 299) {
        Status(TUpdateStatusId::HttpStatus, QString::number(httpStatus));
        return false;
    }
    if (writeFailed) {
        StatusText(QStringLiteral("Cannot create file ") + tempPath, TUpdateErrorCode::Internet);
        return false;
    }
    if (tooLarge) {
        Status(TUpdateStatusId::TooLarge, address);
        return false;
    }
    if (stopped)
        return false;
    if (reply->error() != QNetworkReply::NoError) {
        StatusText(reply->errorString(), TUpdateErrorCode::Internet);
        // A server that sent a status or bytes was reached, even when it broke off.
        if (httpStatus != 0 || soFar != 0 || !NoConnection(reply->error()))
            Status(TUpdateStatusId::DownloadNotFound, address);
        else if (!m_unreachable) {
            m_unreachable = true;
            Status(TUpdateStatusId::ServerUnreachable);
        }
        return false;
    }
    if (soFar == 0 || (total >= 0 && soFar != total)) {
        if (soFar != 0)
            StatusText(QStringLiteral("Received %1 of %2 bytes").arg(soFar).arg(total), TUpdateErrorCode::Internet);
        Status(TUpdateStatusId::DownloadNotFound, address);
        return false;
    }
    return true;
}

bool TWebUpdate::CopyLocal(const QString& source, const QString& tempPath, const QString& target, qint64 maxBytes)
{
    const QFileInfo src(LocalPath(source));
    if (!src.exists() || !src.isFile()) {
        Status(TUpdateStatusId::CopySourceNotFound, source);
        return false;
    }
    if (src.canonicalFilePath() == QFileInfo(target).canonicalFilePath()) {
        Status(TUpdateStatusId::EqualFiles, source);
        return false;
    }
    QFile in(src.absoluteFilePath());
    QFile out(tempPath);
    if (!in.open(QIODevice::ReadOnly) || in.size() <= 0) {
        Status(TUpdateStatusId::ZeroLengthSource, source);
        return false;
    }
    if (in.size() > maxBytes) {
        Status(TUpdateStatusId::TooLarge, source);
        return false;
    }
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        StatusText(QStringLiteral("Cannot create file ") + tempPath, TUpdateErrorCode::Internet);
        return false;
    }
    const qint64 total = in.size();
    qint64 soFar = 0;
    while (!in.atEnd()) {
        const QByteArray block = in.read(kCopyBlock);
        if (block.isEmpty() || out.write(block) != block.size())
            return false;
        soFar += block.size();
        if (OnFileProgress)
            OnFileProgress(target, total, soFar);
        if (ShouldStop())
            return false;
    }
    return soFar > 0;
}

bool TWebUpdate::FetchText(const QString& address, QString* text)
{
    QString saved;
    TExpected bounded;
    bounded.MaxSize = Limits.ControlFile;
    if (!m_runDir || !m_runDir->isValid() || !DownloadFile(address, false, m_runDir->path(), &saved, bounded))
        return false;
    QFile f(saved);
    const bool ok = f.open(QIODevice::ReadOnly);
    if (ok)
        *text = DecodeText(f.readAll());
    f.close();
    QFile::remove(saved);
    return ok;
}

// --- Restart ---

void TWebUpdate::DiscardStaged()
{
    for (const QString& path : std::as_const(m_staged))
        QFile::remove(path + QLatin1String(kStagedSuffix));
    m_staged.clear();
}

void TWebUpdate::RestartForUpdate()
{
    // The person always sees which program starts again, with its parameters (a silent
    // restart would run what the control file names without anyone looking).
    QString shown = m_appName;
    if (shown.size() >= 2 && shown.startsWith(QLatin1Char('"')) && shown.endsWith(QLatin1Char('"')))
        shown = shown.mid(1, shown.size() - 2);
    if (!m_host.Confirm(UpdateStatusText(TUpdateStatusId::AskShutdown)
                        + QStringLiteral("\rThe program started again afterwards: ") + shown)) {
        DiscardStaged();
        return;
    }
    // The updater runs from a folder of its own, so that it may replace its own program file.
    QTemporaryDir dir(Folders.Tmp + QStringLiteral("/sv-updater-XXXXXX"));
    dir.setAutoRemove(false);
    const QString updater = dir.filePath(QStringLiteral("upd"));
    if (!dir.isValid() || UpdaterPath.isEmpty() || !QFile::copy(UpdaterPath, updater)) {
        Status(TUpdateStatusId::SpawnFailed, QStringLiteral("cannot copy the updater program ") + UpdaterPath);
        if (dir.isValid())
            dir.remove();
        DiscardStaged();
        return;
    }
    QFile::setPermissions(updater, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QString app = m_appName;
    if (app.size() >= 2 && app.startsWith(QLatin1Char('"')) && app.endsWith(QLatin1Char('"')))
        app = app.mid(1, app.size() - 2);
    QStringList args;
    if (!JournalPath.isEmpty())
        args << QStringLiteral("--journal") << JournalPath;
    args << QString::number(ProcessId) << app;
    args += m_staged;
    QString error;
    if (!m_host.StartDetached(updater, args, &error)) {
        Status(TUpdateStatusId::SpawnFailed, error);
        dir.remove();
        DiscardStaged();
        return;
    }
    m_updaterCommand = QStringList{updater} + args;
    m_host.QuitApplication();
}

} // namespace sv
