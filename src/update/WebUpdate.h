#pragma once
// TWebUpdate: the update procedure. Fetches the update control file, decides whether a newer
// version exists, shows the messages, what's-new text and license the file asks for,
// downloads the listed files (expanding or extracting them), and, when program files were
// replaced, starts the updater program and ends the application so that the updater puts the
// new files in place and starts the program again. Every step is reported through OnStatus.
//
// Downloads run on the caller's thread in a local event loop, so the window stays alive.
// Safety rules kept by every download: a file lands only inside its target folder, under a
// plain name; it replaces the old file only when it arrived whole (and, when the control file
// gives a checksum or a "sha256" for it, only when that matches); compressed files and
// cabinets that are cut short are refused and leave nothing behind.
//
// What the control file may ask is bounded, since whoever controls the server or the way to
// it writes it: addresses are https (plain http only when AllowPlainHttp is set, and never a
// redirection from https to http); a file lands only in the program folder (Folders.App) or
// the person's data folder (DataFolder); a program file (named in "appcomps", one that
// replaces a file that may run, or one that is itself a program or script) needs a matching
// "sha256", is never put in place by the download but waits beside its target with the suffix
// kStagedSuffix until the updater installs them all at once; the programs the update starts
// ("runbefore", "runafter", "appname") lie inside the program folder and run only when the
// person agrees, without a shell; "showURL" is a web address. Sizes, the number of files and
// the time of a run are limited (TLimits); Cancel stops a run at the next block.

#include "update/IniFile.h"
#include "update/UpdateHost.h"
#include "update/UpdatePaths.h"
#include "update/UpdateStatus.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

class QNetworkAccessManager;
class QTemporaryDir;
class QUrl;

namespace sv {

// The suffix of a program file waiting for the updater.
inline constexpr char kStagedSuffix[] = ".update-new";

// What a downloaded file must match before it is put in place.
struct TExpected {
    std::int32_t Checksum = -1; // byte sum or CRC-32 (UseCRC32); -1: none
    QString Sha256;             // lower- or upper-case hexadecimal; empty: none
    qint64 MaxSize = 0;         // the most bytes the download may have; 0: TLimits::Download
};

// The bounds of one run.
struct TLimits {
    qint64 ControlFile = 1 << 20;        // bytes of the control file (and of its texts)
    qint64 Download = qint64(200) << 20; // bytes of a file whose size is not declared
    qint64 FileCount = 1000;             // "count" of the "files" section
    qint64 TotalMs = 30 * 60 * 1000;     // the whole run
};

// What a download is for: a text the update reads (the control file, what's new ...) or a
// file of the update, which the rules for program files apply to.
enum class TDownloadRole { Text, UpdateFile };

enum class TUpdateType { Ftp, Http, File };
// When the person is asked before a file is downloaded: once for all, for each file, never.
enum class TUpdateUpdate { PromptOnce, PromptAll, Silent };

class TWebUpdate {
public:
    explicit TWebUpdate(IUpdateHost& host);
    ~TWebUpdate();
    TWebUpdate(const TWebUpdate&) = delete;
    TWebUpdate& operator=(const TWebUpdate&) = delete;

    // --- Settings ---
    QString URL;                                // the control file (http, https or a local path)
    TUpdateType UpdateType = TUpdateType::Http; // Http: URL is a web address; File: a file
    TUpdateUpdate UpdateUpdate = TUpdateUpdate::Silent;
    QString DateFormat = QStringLiteral("dd/mm/yyyy");
    QChar DateSeparator = QLatin1Char('/');
    QString TimeFormat = QStringLiteral("hh:nn");
    QChar TimeSeparator = QLatin1Char(':');
    QString Signature = QStringLiteral("WebUpdate");
    bool SignatureCheck = false;
    bool ExtractCAB = false;
    bool UseCRC32 = false;
    // Proxy server as "host:port" (port 8080 when left out); the credentials go to the proxy
    // only, never into the addresses.
    QString Proxy;
    QString ProxyUserID;
    QString ProxyPassword;
    // The folders the prefixes stand for.
    TPrefixFolders Folders = CurrentPrefixFolders();
    // The last update's date and time (the date rule) and address; nothing stores them.
    QDateTime LastUpdate = QDateTime(QDate(1980, 1, 1), QTime(0, 0));
    // The updater program, copied to a temporary folder and started by RestartForUpdate.
    QString UpdaterPath;
    // The process id given to the updater (the running program's, unless a test sets one).
    qint64 ProcessId = 0;
    // The updater's journal (see ProgramInstaller.h); empty: the updater keeps none.
    QString JournalPath;
    // Plain http for the control file and the downloads (unsafe: anyone on the way may change
    // what arrives); off unless the person turns it on in the settings.
    bool AllowPlainHttp = false;
    // The person's data folder: besides the program folder the one place files may go.
    QString DataFolder;
    TLimits Limits;
    // A transfer that stalls this long fails.
    int TransferTimeoutMs = 30000;

    // --- Events ---
    std::function<void(const QString& text, TUpdateStatusId statusId, TUpdateErrorCode errorCode)> OnStatus;
    std::function<void(const QString& fileName, qint64 totalSize, qint64 bytesSoFar)> OnFileProgress;
    // Asked after every block; true stops the run as Cancel does.
    std::function<bool()> OnProgressCancel;

    // --- Operations ---
    void DoUpdate();
    // Stops the run under way at the next block or step (from a button or the window's close);
    // nothing more is installed and the program is not restarted.
    void Cancel() { m_cancelRequested = true; }
    bool Cancelled() const { return m_cancelRequested; }

    // The new-version rule for one file: none of the tests given (empty version, size 0, checksum -1) or no local file:
    // true; a checksum that differs from the local file's; a size above 0 that differs from the local file's (size
    // decides over version); else a version higher than the local file's.
    bool IsNewVersion(const QString& newVersion, const QString& localFile, std::int32_t newChecksum,
                      qint64 newSize) const;

    // Downloads address into targetDir (a folder, or the file itself when it names an existing
    // file), expanding an LZ-compressed file when expand is set (not a ".cab"). A program file
    // of an update file is refused without a matching sha256 and is put beside its target with
    // kStagedSuffix instead. savedPath receives the path written. Reports statuses 915, 916,
    // 917 and the errors of the added rules.
    bool DownloadFile(const QString& address, bool expand, const QString& targetDir, QString* savedPath = nullptr,
                      const TExpected& expected = {}, TDownloadRole role = TDownloadRole::Text);

    // --- The result of the last run (for the window and tests) ---
    bool RestartFlag() const { return m_restart; }
    bool ProgramFileDownloaded() const { return !m_staged.isEmpty(); }
    // The program to restart as it goes on the updater's command line (enclosed in double
    // quotes when it contains a blank).
    QString AppName() const { return m_appName; }
    // The updater's command line as started: program, then its arguments (empty: not started).
    QStringList UpdaterCommand() const { return m_updaterCommand; }

private:
    void Status(TUpdateStatusId id, const QString& arg = {});
    void StatusText(const QString& text, TUpdateErrorCode errorCode);
    bool RunControlFile(const TIniFile& ini);
    bool DateTest(const TIniFile& ini);
    bool VersionTest(const TIniFile& ini);
    void ReadApplication(const TIniFile& ini);
    bool Actions(const TIniFile& ini);
    void FileSection(const TIniFile& ini, const QString& section, bool& askedOnce, bool& stopAll);
    bool FetchText(const QString& address, QString* text);
    bool HttpGet(const QString& address, const QString& tempPath, const QString& progressName, qint64 maxBytes);
    bool CopyLocal(const QString& source, const QString& tempPath, const QString& target, qint64 maxBytes);
    bool SchemeAllowed(const QUrl& url, bool redirectFromHttps) const;
    bool ShouldStop();
    QString Prefixed(const QString& value) const;
    bool IsProgramFile(const QString& finalPath, const QString& content) const;
    bool InsideAllowedFolder(const QString& path) const;
    bool StartProgram(const QString& commandLine);
    void RestartForUpdate();
    void DiscardStaged();
    std::int32_t Checksum(const QString& path) const;

    IUpdateHost& m_host;
    std::unique_ptr<QNetworkAccessManager> m_net;
    std::unique_ptr<QTemporaryDir> m_runDir;
    bool m_restart = false;
    bool m_cancelRequested = false;
    bool m_stopReported = false;
    bool m_unreachable = false; // the server could not be reached in this run
    QDeadlineTimer m_deadline;
    QString m_appName;
    QString m_appComps;
    QStringList m_staged; // the final paths of the program files waiting beside their targets
    QStringList m_updaterCommand;
};

} // namespace sv
