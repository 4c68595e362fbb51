#pragma once
// What File -> "Import person..." and "Export person..." do once the file is chosen, with
// every question and message through the message service.
//
// An import refuses a damaged or foreign file with its reason. When the name is taken it asks
// first whether to replace that person, then whether to keep both (the newcomer renamed);
// No to both cancels. The person working now is never replaced: their record in memory would
// be written over the import at the next save.

#include <QString>

#include <string>

namespace sv {

class IMessageService;

// Returns true when the person was imported. A file that cannot be read is reported as an error
// too; the other errors (a file that cannot be written) are thrown.
bool ImportPersonFile(const std::string& path, const std::string& usersDir, const std::string& currentFileName,
                      IMessageService& messages);

enum class TExportForm { ZipArchive, Folder };
// Writes the person's files as a zip archive at path, or into the folder of path.
void ExportPersonFiles(const std::string& usersDir, const std::string& fileName, const QString& path, TExportForm form);

} // namespace sv
