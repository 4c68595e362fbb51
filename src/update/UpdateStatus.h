#pragma once
// The update's status messages: each has an id (its string-table number), a text ("%s" takes
// the argument) and an error code that tells the receiver what happened. The update window
// reacts to ecNotFound (a failed download or missing control file) and ecNoNewVersion.

#include <QString>

namespace sv {

enum TUpdateErrorCode : int {
    ecNone = 0,
    ecInternet = 1,          // a network error (its text) or no connection
    ecNotFound = 2,
    ecInfo = 3,
    ecNoNewVersion = 4,
    ecNewVersion = 5,
    ecHttpStatus = 6,
    ecHtmlDialog = 7,
    ecCab = 8,
    ecSpawn = 9,
    ecFileCopy = 10,
    ecSignature = 11,
    ecWhatsNew = 12,
    ecLicense = 13,
    ecWhatsNewRefused = 14,
    ecLicenseRefused = 15,
    ecPostConnect = 16,
    ecPostResource = 17,
};

enum TUpdateStatusId : int {
    usAskDownloadFile = 909,
    usAskDownloadFiles = 910,
    usAskShutdown = 911,
    usEqualFiles = 912,
    usCopySourceNotFound = 913,
    usZeroLengthSource = 914,
    usDownload = 915,
    usHttpStatus = 916,
    usDownloadNotFound = 917,
    usCheckingConnection = 918,
    usPromptConnection = 919,
    usOpeningConnection = 920,
    usFoundConnection = 921,
    usCannotOpenConnection = 922,
    usConnectHost = 923,
    usCannotConnectFtp = 924,
    usControlFileNotFound = 925,
    usControlFileFound = 926,
    usInvalidSignature = 927,
    usDateBased = 928,
    usNewVersion = 929,
    usNoNewVersion = 930,
    usChecksumBased = 931,
    usSizeBased = 932,
    usVersionBased = 933,
    usFoundMessage = 934,
    usFoundHtmlDialog = 935,
    usFoundQuery = 936,
    usFoundWhatsNew = 937,
    usWhatsNewRefused = 938,
    usFoundLicense = 939,
    usLicenseRefused = 940,
    usFoundRedirection = 941,
    usFoundShowUrl = 942,
    usFoundFiles = 943,
    usDownloadUpdate = 945,
    usCannotDownload = 946,
    usCabError = 947,
    usFinished = 948,
    usClosedConnection = 949,
    usSpawnFailed = 950,
    usPostConnect = 951,
    usPostResource = 952,
    // Our additions (no string-table entry of the original set).
    usChecksumMismatch = 960,
    usUnsafeName = 961,
    usExpandError = 962,
    usPlainHttpRefused = 963,
    usRedirectRefused = 964,
    usNoSha256 = 965,
    usFolderRefused = 966,
    usCommandRefused = 967,
    usTooLarge = 968,
    usTooManyFiles = 969,
    usCancelled = 970,
    usTimeLimit = 971,
    usNotRestarted = 972,
    usAddressRefused = 973,
};

// The text with "%s" replaced by arg.
QString UpdateStatusText(int id, const QString& arg = {});
// The error code that goes with a status (ecNone for the questions 909-911).
int UpdateStatusErrorCode(int id);

} // namespace sv
