#include "update/UpdateStatus.h"

namespace sv {

namespace {

struct TStatus {
    TUpdateStatusId Id;
    const char* Text;
    TUpdateErrorCode Code;
};

constexpr TStatus kStatuses[] = {
    {TUpdateStatusId::AskDownloadFile, "Download update file : ", TUpdateErrorCode::None},
    {TUpdateStatusId::AskDownloadFiles, "Download update files ?", TUpdateErrorCode::None},
    {TUpdateStatusId::AskShutdown, "Shutdown application to update executable files ?", TUpdateErrorCode::None},
    {TUpdateStatusId::EqualFiles, "Equal source and target files : %s", TUpdateErrorCode::FileCopy},
    {TUpdateStatusId::CopySourceNotFound, "File not found : %s", TUpdateErrorCode::NotFound},
    {TUpdateStatusId::ZeroLengthSource, "Zero length source file : %s", TUpdateErrorCode::FileCopy},
    {TUpdateStatusId::Download, "Download : %s", TUpdateErrorCode::Info},
    {TUpdateStatusId::HttpStatus, "Http status : %s", TUpdateErrorCode::HttpStatus},
    {TUpdateStatusId::DownloadNotFound, "File not found : %s", TUpdateErrorCode::NotFound},
    {TUpdateStatusId::CheckingConnection, "Checking for Internet connection", TUpdateErrorCode::Info},
    {TUpdateStatusId::PromptConnection, "Prompt to open new Internet connection", TUpdateErrorCode::Info},
    {TUpdateStatusId::OpeningConnection, "Opening Internet connection", TUpdateErrorCode::Info},
    {TUpdateStatusId::FoundConnection, "Found open Internet connection", TUpdateErrorCode::Info},
    {TUpdateStatusId::CannotOpenConnection, "Cannot open Internet connection", TUpdateErrorCode::Internet},
    {TUpdateStatusId::ConnectHost, "Connect to host : %s", TUpdateErrorCode::Info},
    {TUpdateStatusId::CannotConnectFtp, "Cannot connect to FTP host : %s", TUpdateErrorCode::Internet},
    {TUpdateStatusId::ControlFileNotFound, "Update control file not found", TUpdateErrorCode::NotFound},
    {TUpdateStatusId::ControlFileFound, "Update control file found", TUpdateErrorCode::Info},
    {TUpdateStatusId::InvalidSignature, "Invalid signature in update control file", TUpdateErrorCode::Signature},
    {TUpdateStatusId::DateBased, "Date based update found", TUpdateErrorCode::Info},
    {TUpdateStatusId::NewVersion, "New version found : %s", TUpdateErrorCode::NewVersion},
    {TUpdateStatusId::NoNewVersion, "No new version found", TUpdateErrorCode::NoNewVersion},
    {TUpdateStatusId::ChecksumBased, "Checksum based update found", TUpdateErrorCode::Info},
    {TUpdateStatusId::SizeBased, "File size based update found", TUpdateErrorCode::Info},
    {TUpdateStatusId::VersionBased, "Version based update found", TUpdateErrorCode::Info},
    {TUpdateStatusId::FoundMessage, "Found message instruction", TUpdateErrorCode::Info},
    {TUpdateStatusId::FoundHtmlDialog, "Found HTML dialog instruction", TUpdateErrorCode::HtmlDialog},
    {TUpdateStatusId::FoundQuery, "Found query instruction", TUpdateErrorCode::Info},
    {TUpdateStatusId::FoundWhatsNew, "Found whatsnew instruction", TUpdateErrorCode::WhatsNew},
    {TUpdateStatusId::WhatsNewRefused, "Whatsnew not accepted", TUpdateErrorCode::WhatsNewRefused},
    {TUpdateStatusId::FoundLicense, "Found license agreement instruction", TUpdateErrorCode::License},
    {TUpdateStatusId::LicenseRefused, "License agreement not accepted", TUpdateErrorCode::LicenseRefused},
    {TUpdateStatusId::FoundRedirection, "Found URL redirection instruction", TUpdateErrorCode::Info},
    {TUpdateStatusId::FoundShowUrl, "Found URL show instruction", TUpdateErrorCode::Info},
    {TUpdateStatusId::FoundFiles, "Found file update instruction", TUpdateErrorCode::Info},
    {TUpdateStatusId::DownloadUpdate, "Download update : %s", TUpdateErrorCode::Info},
    {TUpdateStatusId::CannotDownload, "Cannot download update file : %s", TUpdateErrorCode::NotFound},
    {TUpdateStatusId::CabError, "Error decompressing CAB file : %s", TUpdateErrorCode::Cab},
    {TUpdateStatusId::Finished, "Finished processing update control file", TUpdateErrorCode::Info},
    {TUpdateStatusId::ClosedConnection, "Closed Internet connection", TUpdateErrorCode::Info},
    {TUpdateStatusId::SpawnFailed, "Failed to spawn updater process : %s", TUpdateErrorCode::Spawn},
    {TUpdateStatusId::PostConnect, "Cannot connect to server for post", TUpdateErrorCode::PostConnect},
    {TUpdateStatusId::PostResource, "Cannot access resource for post", TUpdateErrorCode::PostResource},
    {TUpdateStatusId::ChecksumMismatch, "Checksum does not match, file not installed : %s", TUpdateErrorCode::Internet},
    {TUpdateStatusId::UnsafeName, "Refused file name outside the target folder : %s", TUpdateErrorCode::Internet},
    {TUpdateStatusId::ExpandError, "Error expanding compressed file : %s", TUpdateErrorCode::Internet},
    {TUpdateStatusId::PlainHttpRefused, "Refused address without https (plain http is off in the settings) : %s",
     TUpdateErrorCode::Internet},
    {TUpdateStatusId::RedirectRefused, "Refused redirection to a less safe address : %s", TUpdateErrorCode::Internet},
    {TUpdateStatusId::NoSha256, "Program file without a matching sha256, not installed : %s",
     TUpdateErrorCode::Internet},
    {TUpdateStatusId::FolderRefused, "Refused folder outside the program and data folders : %s",
     TUpdateErrorCode::Internet},
    {TUpdateStatusId::CommandRefused, "Refused program outside the program folder : %s", TUpdateErrorCode::Internet},
    {TUpdateStatusId::TooLarge, "Refused file larger than allowed : %s", TUpdateErrorCode::Internet},
    {TUpdateStatusId::TooManyFiles, "Refused update with more files than allowed : %s", TUpdateErrorCode::Internet},
    {TUpdateStatusId::Cancelled, "Update cancelled", TUpdateErrorCode::Internet},
    {TUpdateStatusId::TimeLimit, "Update stopped: it took longer than %s minutes", TUpdateErrorCode::Internet},
    {TUpdateStatusId::AddressRefused, "Refused address that is not a web address : %s", TUpdateErrorCode::Internet},
    {TUpdateStatusId::ServerUnreachable, "Could not reach the update server \u2014 check the internet connection",
     TUpdateErrorCode::Unreachable},
    {TUpdateStatusId::NotRestarted, "Program file not installed (the update does not restart the program) : %s",
     TUpdateErrorCode::Internet},
};

const TStatus* Find(TUpdateStatusId id)
{
    for (const TStatus& s : kStatuses)
        if (s.Id == id)
            return &s;
    return nullptr;
}

} // namespace

QString UpdateStatusText(TUpdateStatusId id, const QString& arg)
{
    const TStatus* s = Find(id);
    if (!s)
        return arg;
    QString text = QString::fromUtf8(s->Text);
    text.replace(QLatin1String("%s"), arg);
    return text;
}

TUpdateErrorCode UpdateStatusErrorCode(TUpdateStatusId id)
{
    const TStatus* s = Find(id);
    return s ? s->Code : TUpdateErrorCode::None;
}

} // namespace sv
