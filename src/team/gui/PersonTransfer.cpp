#include "team/gui/PersonTransfer.h"

#include "common/Win1252.h"
#include "program/UserNames.h"
#include "shell/ErrorBoundary.h"
#include "shell/Services.h"
#include "team/PersonFiles.h"

#include <QFileInfo>

namespace sv {

bool ImportPersonFile(const std::string& path, const std::string& usersDir, const std::string& currentFileName,
                      IMessageService& messages)
{
    // A refused file is shown with its reason through the error boundary.
    TPersonPackage package;
    if (!Guarded([&] { package = ReadPersonFiles(path); }, &messages))
        return false;
    const TImportResult r = ImportPerson(package, usersDir, [&](const std::string& present) {
        const QString name = FromWin1252(present);
        if (SameNameNoCase(package.FileName, currentFileName)) {
            messages.Warning(name + QStringLiteral(" is working now and cannot be replaced."));
        } else if (messages.Confirm(
                       QStringLiteral("%1 is already here.\nReplace %1 with the imported person?").arg(name))) {
            return TNameClash::Replace;
        }
        if (messages.Confirm(QStringLiteral("Keep both?\nThe imported person is added as %1 (copy).")
                                 .arg(FromWin1252(package.User.FullName.text()))))
            return TNameClash::KeepBoth;
        return TNameClash::Cancel;
    });
    if (r.Imported)
        messages.Information(FromWin1252(package.User.FullName.text()) + QStringLiteral(" has been imported."));
    return r.Imported;
}

void ExportPersonFiles(const std::string& usersDir, const std::string& fileName, const QString& path, TExportForm form)
{
    if (form == TExportForm::ZipArchive) {
        ExportPersonToZip(usersDir, fileName, path.toStdString());
        return;
    }
    ExportPersonToFolder(usersDir, fileName, QFileInfo(path).absolutePath().toStdString() + "/");
}

} // namespace sv
