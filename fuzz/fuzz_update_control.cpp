// Feeds arbitrary bytes to the update control-file reader and the rules that read its values
// (numbers, dates, versions, prefixes, member names). Nothing may crash or read out of bounds.
#include "update/FileVersion.h"
#include "update/IniFile.h"
#include "update/UpdateDates.h"
#include "update/UpdatePaths.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    sv::TIniFile ini(bytes);
    const sv::TPrefixFolders folders{QStringLiteral("/opt/sv"), QStringLiteral("/tmp"), QStringLiteral("/w"),
                                     QStringLiteral("/opt")};
    for (const QString& section : ini.Sections()) {
        for (const char* key :
             {"date", "time", "newversion", "newsize", "newchecksum", "url", "targetdir", "appname", "count", "msg"}) {
            const QString k = QString::fromLatin1(key);
            const QString value = ini.ReadString(section, k);
            (void)ini.ReadInteger(section, k, 0);
            (void)ini.ReadInt32(section, k, -1);
            (void)sv::ParseUpdateDate(value, QStringLiteral("mm/dd/yyyy"), QLatin1Char('/'));
            (void)sv::ParseUpdateTime(value, QStringLiteral("hh:nn"), QLatin1Char(':'));
            (void)sv::ParseVersionString(value);
            (void)sv::LocalPath(sv::ConvertPrefixes(value, folders));
            (void)sv::IsSafeFileName(sv::FileNameOfAddress(value));
            (void)sv::IsSafeRelativePath(value);
        }
    }
    return 0;
}
