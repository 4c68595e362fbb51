#include "update/UpdateStatus.h"

namespace sv {

namespace {

struct TStatus {
    int Id;
    const char* Text;
    int Code;
};

constexpr TStatus kStatuses[] = {
    {usAskDownloadFile, "Download update file : ", ecNone},
    {usAskDownloadFiles, "Download update files ?", ecNone},
    {usAskShutdown, "Shutdown application to update executable files ?", ecNone},
    {usEqualFiles, "Equal source and target files : %s", ecFileCopy},
    {usCopySourceNotFound, "File not found : %s", ecNotFound},
    {usZeroLengthSource, "Zero length source file : %s", ecFileCopy},
    {usDownload, "Download : %s", ecInfo},
    {usHttpStatus, "Http status : %s", ecHttpStatus},
    {usDownloadNotFound, "File not found : %s", ecNotFound},
    {usCheckingConnection, "Checking for Internet connection", ecInfo},
    {usPromptConnection, "Prompt to open new Internet connection", ecInfo},
    {usOpeningConnection, "Opening Internet connection", ecInfo},
    {usFoundConnection, "Found open Internet connection", ecInfo},
    {usCannotOpenConnection, "Cannot open Internet connection", ecInternet},
    {usConnectHost, "Connect to host : %s", ecInfo},
    {usCannotConnectFtp, "Cannot connect to FTP host : %s", ecInternet},
    {usControlFileNotFound, "Update control file not found", ecNotFound},
    {usControlFileFound, "Update control file found", ecInfo},
    {usInvalidSignature, "Invalid signature in update control file", ecSignature},
    {usDateBased, "Date based update found", ecInfo},
    {usNewVersion, "New version found : %s", ecNewVersion},
    {usNoNewVersion, "No new version found", ecNoNewVersion},
    {usChecksumBased, "Checksum based update found", ecInfo},
    {usSizeBased, "File size based update found", ecInfo},
    {usVersionBased, "Version based update found", ecInfo},
    {usFoundMessage, "Found message instruction", ecInfo},
    {usFoundHtmlDialog, "Found HTML dialog instruction", ecHtmlDialog},
    {usFoundQuery, "Found query instruction", ecInfo},
    {usFoundWhatsNew, "Found whatsnew instruction", ecWhatsNew},
    {usWhatsNewRefused, "Whatsnew not accepted", ecWhatsNewRefused},
    {usFoundLicense, "Found license agreement instruction", ecLicense},
    {usLicenseRefused, "License agreement not accepted", ecLicenseRefused},
    {usFoundRedirection, "Found URL redirection instruction", ecInfo},
    {usFoundShowUrl, "Found URL show instruction", ecInfo},
    {usFoundFiles, "Found file update instruction", ecInfo},
    {usDownloadUpdate, "Download update : %s", ecInfo},
    {usCannotDownload, "Cannot download update file : %s", ecNotFound},
    {usCabError, "Error decompressing CAB file : %s", ecCab},
    {usFinished, "Finished processing update control file", ecInfo},
    {usClosedConnection, "Closed Internet connection", ecInfo},
    {usSpawnFailed, "Failed to spawn updater process : %s", ecSpawn},
    {usPostConnect, "Cannot connect to server for post", ecPostConnect},
    {usPostResource, "Cannot access resource for post", ecPostResource},
    {usChecksumMismatch, "Checksum does not match, file not installed : %s", ecInternet},
    {usUnsafeName, "Refused file name outside the target folder : %s", ecInternet},
    {usExpandError, "Error expanding compressed file : %s", ecInternet},
    {usPlainHttpRefused, "Refused address without https (plain http is off in the settings) : %s", ecInternet},
    {usRedirectRefused, "Refused redirection to a less safe address : %s", ecInternet},
    {usNoSha256, "Program file without a matching sha256, not installed : %s", ecInternet},
    {usFolderRefused, "Refused folder outside the program and data folders : %s", ecInternet},
    {usCommandRefused, "Refused program outside the program folder : %s", ecInternet},
    {usTooLarge, "Refused file larger than allowed : %s", ecInternet},
    {usTooManyFiles, "Refused update with more files than allowed : %s", ecInternet},
    {usCancelled, "Update cancelled", ecInternet},
    {usTimeLimit, "Update stopped: it took longer than %s minutes", ecInternet},
    {usAddressRefused, "Refused address that is not a web address : %s", ecInternet},
    {usNotRestarted, "Program file not installed (the update does not restart the program) : %s", ecInternet},
};

const TStatus* Find(int id)
{
    for (const TStatus& s : kStatuses)
        if (s.Id == id)
            return &s;
    return nullptr;
}

} // namespace

QString UpdateStatusText(int id, const QString& arg)
{
    const TStatus* s = Find(id);
    if (!s)
        return arg;
    QString text = QString::fromLatin1(s->Text);
    text.replace(QLatin1String("%s"), arg);
    return text;
}

int UpdateStatusErrorCode(int id)
{
    const TStatus* s = Find(id);
    return s ? s->Code : ecNone;
}

} // namespace sv
