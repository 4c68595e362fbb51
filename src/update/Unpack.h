#pragma once
// Unpacking downloaded files: LZ-compressed (SZDD) single files and cabinet (CAB) archives,
// both through libmspack. Neither ever writes outside its folder, and neither leaves anything
// behind when it fails: the output is written to a temporary "WUPD" file or folder beside the
// target and moved into place only when everything was read whole.

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace sv {

struct TUnpackResult {
    bool Ok = false;
    QString Error;        // why it failed (for the status line)
    QStringList Written;  // the files put in place, full paths
    QString ExpandedName; // SZDD: the name the compressed file records
};

// The name an SZDD file expands to: a name ending in "_" gets the character the header
// records in its place (the name without the "_" when none is recorded); other names stay.
QString SzddExpandedName(const QString& compressedName, char missingChar);

// Expands the SZDD file at path into outputPath (written through a temporary file beside it,
// replacing an existing file only on success). Refused, with nothing written: not an SZDD
// file, output shorter or longer than the length in its header (a truncated file), an
// expanded name (ExpandedName) that would leave the folder.
// recordedAs is the name the compressed file was published under (its own name when empty).
TUnpackResult ExpandSzddTo(const QString& path, const QString& outputPath, const QString& recordedAs = {});

// Expands the SZDD file at path into its folder under the name it records, then deletes the
// compressed file; refused as ExpandSzddTo.
TUnpackResult ExpandSzdd(const QString& path);

// Extracts every file of the cabinet at path into targetFolder (followed by the member's
// stored path, "\" read as "/"), creating the folders they need and setting each file's time
// from its stored DOS date and time. The whole cabinet is refused, with nothing written, when
// a member name is absolute, has a drive letter or a "." or ".." part, would be written
// through a symbolic link or is too long for the file system, and when any member cannot be
// read whole. When a member cannot be placed after others were (a file where a folder is
// needed), the members placed go again and the files they replaced come back.
TUnpackResult ExtractCabinet(const QString& path, const QString& targetFolder);

// True when the file begins with the SZDD signature.
bool IsSzddFile(const QString& path);

} // namespace sv
