#pragma once
// The update's status messages: each has an id (its string-table number), a text ("%s" takes
// the argument) and an error code that tells the receiver what happened. The update window
// reacts to NotFound (a failed download or missing control file), Unreachable (no connection
// to the server) and NoNewVersion.

#include <QString>

namespace sv {

enum class TUpdateErrorCode : int {
    None = 0,
    Internet = 1, // a network error (its text) or no connection
    NotFound = 2,
    Info = 3,
    NoNewVersion = 4,
    NewVersion = 5,
    HttpStatus = 6,
    HtmlDialog = 7,
    Cab = 8,
    Spawn = 9,
    FileCopy = 10,
    Signature = 11,
    WhatsNew = 12,
    License = 13,
    WhatsNewRefused = 14,
    LicenseRefused = 15,
    PostConnect = 16,
    PostResource = 17,
    Unreachable = 18, // no connection to the server at all: told once, plainly
};

enum class TUpdateStatusId : int {
    None = 0, // a text of its own, not from the table
    AskDownloadFile = 909,
    AskDownloadFiles = 910,
    AskShutdown = 911,
    EqualFiles = 912,
    CopySourceNotFound = 913,
    ZeroLengthSource = 914,
    Download = 915,
    HttpStatus = 916,
    DownloadNotFound = 917,
    CheckingConnection = 918,
    PromptConnection = 919,
    OpeningConnection = 920,
    FoundConnection = 921,
    CannotOpenConnection = 922,
    ConnectHost = 923,
    CannotConnectFtp = 924,
    ControlFileNotFound = 925,
    ControlFileFound = 926,
    InvalidSignature = 927,
    DateBased = 928,
    NewVersion = 929,
    NoNewVersion = 930,
    ChecksumBased = 931,
    SizeBased = 932,
    VersionBased = 933,
    FoundMessage = 934,
    FoundHtmlDialog = 935,
    FoundQuery = 936,
    FoundWhatsNew = 937,
    WhatsNewRefused = 938,
    FoundLicense = 939,
    LicenseRefused = 940,
    FoundRedirection = 941,
    FoundShowUrl = 942,
    FoundFiles = 943,
    DownloadUpdate = 945,
    CannotDownload = 946,
    CabError = 947,
    Finished = 948,
    ClosedConnection = 949,
    SpawnFailed = 950,
    PostConnect = 951,
    PostResource = 952,
    // Our additions (no string-table entry of the original set).
    ChecksumMismatch = 960,
    UnsafeName = 961,
    ExpandError = 962,
    PlainHttpRefused = 963,
    RedirectRefused = 964,
    NoSha256 = 965,
    FolderRefused = 966,
    CommandRefused = 967,
    TooLarge = 968,
    TooManyFiles = 969,
    Cancelled = 970,
    TimeLimit = 971,
    NotRestarted = 972,
    AddressRefused = 973,
    ServerUnreachable = 974,
};

// The text with "%s" replaced by arg.
QString UpdateStatusText(TUpdateStatusId id, const QString& arg = {});
// The error code that goes with a status (None for the questions 909-911).
TUpdateErrorCode UpdateStatusErrorCode(TUpdateStatusId id);

} // namespace sv
