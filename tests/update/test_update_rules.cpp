// The rules of the update control file: the INI reader, prefixes, dates, versions, checksums
// and the new-version rule.

#include "update/Checksums.h"
#include "update/FileVersion.h"
#include "update/IniFile.h"
#include "update/UpdateDates.h"
#include "update/UpdatePaths.h"
#include "update/UpdateStatus.h"
#include "update/UpdateTestFiles.h"
#include "update/WebUpdate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace sv {
namespace {

using test::ReadFile;
using test::WriteFile;

QByteArray Block(unsigned a, unsigned b, unsigned c, unsigned d)
{
    const auto block = MakeVersionBlock(a, b, c, d);
    return QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size()));
}

TEST(IniFile, ReadsForeignFilesAsWritten)
{
    const TIniFile ini(QByteArrayLiteral("\xEF\xBB\xBF; made by hand\r\n"
                                         "[Update]\r\n"
                                         "Date = 03/15/2024 \r\n"
                                         "localversion={APP}\\sv_wf,exe;x\r\n"
                                         "msg=\"Line one\\nLine two\"\r\n"
                                         "date=01/01/1999\r\n"
                                         "# another comment\n"
                                         "[file1]\n"
                                         "newchecksum=3421780262\n"
                                         "newsize=$10\n"
                                         "count=0x20\n"
                                         "bad=12abc\n"
                                         "neg=-5\n"
                                         "nokey\n"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("update"), QStringLiteral("DATE")), QStringLiteral("03/15/2024"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("UPDATE"), QStringLiteral("localversion")),
              QStringLiteral("{APP}\\sv_wf,exe;x"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("update"), QStringLiteral("msg")), QStringLiteral("Line one\\nLine two"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("update"), QStringLiteral("missing"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_FALSE(ini.HasKey(QStringLiteral("update"), QStringLiteral("nokey")));
    const QString f = QStringLiteral("file1");
    // A CRC written unsigned keeps its 32 bits.
    EXPECT_EQ(ini.ReadInt32(f, QStringLiteral("newchecksum"), -1), static_cast<std::int32_t>(3421780262u));
    EXPECT_EQ(ini.ReadInteger(f, QStringLiteral("newsize"), 0), 16);
    EXPECT_EQ(ini.ReadInteger(f, QStringLiteral("count"), 0), 32);
    EXPECT_EQ(ini.ReadInteger(f, QStringLiteral("bad"), 7), 7);
    EXPECT_EQ(ini.ReadInt32(f, QStringLiteral("neg"), 0), -5);
    EXPECT_EQ(ini.ReadInt32(f, QStringLiteral("missing"), -1), -1);
}

TEST(IniFile, Windows1252TextAndKeysBeforeAnySection)
{
    const TIniFile ini(QByteArrayLiteral("stray=1\n[action]\nmsg=Caf\xE9 \x93quoted\x94\n"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("action"), QStringLiteral("msg")), QString::fromUtf8("Café “quoted”"));
    EXPECT_EQ(ini.Sections(), (std::vector<QString>{QStringLiteral("action")}));
}

TEST(UpdatePaths, PrefixesBecomeFolders)
{
    TPrefixFolders f{QStringLiteral("/opt/sv/"), QStringLiteral("/tmp"), QStringLiteral("/home/q/.local/share"),
                     QStringLiteral("/opt")};
    struct {
        const char* In;
        const char* Out;
    } cases[] = {
        {"{APP}\\sv_wf", "/opt/sv\\sv_wf"},      {"{app}\\a {TMP}\\b", "/opt/sv\\a /tmp\\b"},
        {"{Win}\\x", "/home/q/.local/share\\x"}, {"{PF}\\sv", "/opt\\sv"},
        {"{OTHER}\\x{", "{OTHER}\\x{"},          {"plain", "plain"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertPrefixes(QString::fromLatin1(c.In), f), QString::fromLatin1(c.Out)) << c.In;
    f.App = QStringLiteral("/");
    EXPECT_EQ(LocalPath(ConvertPrefixes(QStringLiteral("{APP}\\x"), f)), QStringLiteral("/./x"));
}

TEST(UpdatePaths, NamesThatWouldLeaveTheirFolderAreRefused)
{
    for (const char* good : {"sv_wf", "notes.tx_", "a b.txt"})
        EXPECT_TRUE(IsSafeFileName(QString::fromLatin1(good))) << good;
    for (const char* bad : {"", ".", "..", "a/b", "a\\b", "a\nb"})
        EXPECT_FALSE(IsSafeFileName(QString::fromLatin1(bad))) << bad;
    QString norm;
    EXPECT_TRUE(IsSafeRelativePath(QStringLiteral("sub\\notes.txt"), &norm));
    EXPECT_EQ(norm, QStringLiteral("sub/notes.txt"));
    for (const char* bad : {"..\\evil", "/etc/x", "\\etc\\x", "C:\\x", "a\\..\\..\\b", "a\\\\b", "./a", ""})
        EXPECT_FALSE(IsSafeRelativePath(QString::fromLatin1(bad))) << bad;
    EXPECT_EQ(FileNameOfAddress(QStringLiteral("http://h/u/karvo_wf.inf")), QStringLiteral("karvo_wf.inf"));
    EXPECT_EQ(FileNameOfAddress(QStringLiteral("{APP}\\dir\\f.txt")), QStringLiteral("f.txt"));
}

TEST(UpdateDates, FormatsOfTheControlFile)
{
    const QString mdy = QStringLiteral("mm/dd/yyyy");
    EXPECT_EQ(ParseUpdateDate(QStringLiteral("03/15/2024"), mdy, QLatin1Char('/')), QDate(2024, 3, 15));
    EXPECT_EQ(ParseUpdateDate(QStringLiteral("3/5/24"), mdy, QLatin1Char('/')), QDate(2024, 3, 5));
    EXPECT_EQ(ParseUpdateDate(QStringLiteral("12/31/99"), mdy, QLatin1Char('/')), QDate(1999, 12, 31));
    EXPECT_EQ(ParseUpdateDate(QStringLiteral("15/03/2024"), QStringLiteral("dd/mm/yyyy"), QLatin1Char('/')),
              QDate(2024, 3, 15));
    for (const char* bad : {"15/03/2024", "03-15-2024", "02/30/2024", "", "03/15", "a/b/c", "03/15/2024/1"})
        EXPECT_FALSE(ParseUpdateDate(QString::fromLatin1(bad), mdy, QLatin1Char('/')).has_value()) << bad;
    EXPECT_EQ(ParseUpdateTime(QStringLiteral("14:05"), QStringLiteral("hh:nn"), QLatin1Char(':')), QTime(14, 5));
    EXPECT_FALSE(ParseUpdateTime(QStringLiteral("25:00"), QStringLiteral("hh:nn"), QLatin1Char(':')).has_value());
}

TEST(FileVersion, VersionStrings)
{
    const std::int32_t high21 = 2 * 65536 + 1;
    EXPECT_EQ(ParseVersionString(QStringLiteral("2.1.0.5")), (TFileVersion{high21, 5}));
    EXPECT_EQ(ParseVersionString(QStringLiteral("2,1,0,5")), (TFileVersion{high21, 5}));
    EXPECT_EQ(ParseVersionString(QStringLiteral(" 2, 1, 0, 5")), (TFileVersion{high21, 5}));
    EXPECT_EQ(ParseVersionString(QStringLiteral("2.1")), (TFileVersion{high21, -1}));
    EXPECT_EQ(ParseVersionString(QStringLiteral("2.1.7")), (TFileVersion{high21, -1}));
    EXPECT_EQ(ParseVersionString(QString()), (TFileVersion{-1, -1}));
    EXPECT_TRUE(
        IsLowerVersion(ParseVersionString(QStringLiteral("2.1.0.4")), ParseVersionString(QStringLiteral("2.1.0.5"))));
    EXPECT_TRUE(
        IsLowerVersion(ParseVersionString(QStringLiteral("1.9.9.9")), ParseVersionString(QStringLiteral("2.0.0.0"))));
    EXPECT_FALSE(
        IsLowerVersion(ParseVersionString(QStringLiteral("2.1.0.5")), ParseVersionString(QStringLiteral("2.1.0.5"))));
}

TEST(FileVersion, ReadFromTheVersionBlockInsideAFile)
{
    QTemporaryDir dir;
    const QString withBlock = dir.filePath(QStringLiteral("prog"));
    // Junk before and after, and a look-alike key without the fixed information's signature.
    QByteArray lookalike = Block(9, 9, 9, 9);
    lookalike[40] = 0;
    WriteFile(withBlock, QByteArray(1001, 'x') + lookalike + Block(2, 1, 0, 4) + QByteArray(50, '\0'));
    EXPECT_EQ(VersionText(ReadFileVersion(withBlock)), QStringLiteral("2.1.0.4"));
    const QString plain = dir.filePath(QStringLiteral("plain"));
    WriteFile(plain, QByteArray(300, 'y'));
    EXPECT_EQ(ReadFileVersion(plain), (TFileVersion{-1, -1}));
    EXPECT_EQ(ReadFileVersion(dir.filePath(QStringLiteral("none"))), (TFileVersion{-1, -1}));
    // A cut-off block is no block.
    WriteFile(plain, Block(2, 1, 0, 4).left(60));
    EXPECT_EQ(ReadFileVersion(plain), (TFileVersion{-1, -1}));
}

TEST(Checksums, ByteSumAndCrc32)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f"));
    WriteFile(path, QByteArrayLiteral("123456789"));
    EXPECT_EQ(FileChecksum(path, TChecksumKind::Crc32), static_cast<std::int32_t>(0xCBF43926u));
    // -1 + the sum of the bytes '1'..'9' (49..57).
    EXPECT_EQ(FileChecksum(path, TChecksumKind::ByteSum), -1 + 477);
    WriteFile(path, QByteArray(3, '\xFF'));
    EXPECT_EQ(FileChecksum(path, TChecksumKind::ByteSum), -1 + 765);
    EXPECT_EQ(FileChecksum(dir.filePath(QStringLiteral("none")), TChecksumKind::ByteSum), -1);
    EXPECT_EQ(FileChecksum(dir.filePath(QStringLiteral("none")), TChecksumKind::Crc32), -1);
    WriteFile(path, QByteArrayLiteral("abc"));
    EXPECT_EQ(Sha256Hex(path), QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
}

TEST(IsNewVersion, TheRuleForOneFile)
{
    QTemporaryDir dir;
    const QString local = dir.filePath(QStringLiteral("sv_wf"));
    const QByteArray content = QByteArray(100, 'a') + Block(2, 1, 0, 4); // 192 bytes
    WriteFile(local, content);
    test::TNoDialogs host;
    TWebUpdate u(host);
    const std::int32_t sum = FileChecksum(local, TChecksumKind::ByteSum);
    const std::int32_t crc = FileChecksum(local, TChecksumKind::Crc32);
    struct {
        const char* Version;
        bool Local;
        std::int32_t Checksum;
        qint64 Size;
        bool New;
        const char* Why;
    } cases[] = {
        {"", true, -1, 0, true, "no test given"},
        {"2.1.0.5", false, -1, 0, true, "no local file"},
        {"2.1.0.5", true, -1, 0, true, "higher version"},
        {"2.1.0.4", true, -1, 0, false, "same version"},
        {"2.1.0.3", true, -1, 0, false, "lower version"},
        {"2,1,0,5", true, -1, 0, true, "commas"},
        {"2.1", true, -1, 0, false, "low half missing: never new"},
        {"3.0", true, -1, 0, false, "low half missing: never new"},
        {"2.1.0.5", true, -1, 192, false, "size decides over version (same size)"},
        {"2.1.0.3", true, -1, 193, true, "size decides over version (other size)"},
        {"", true, sum, 0, false, "same byte sum"},
        {"", true, sum + 1, 0, true, "other byte sum"},
        {"2.1.0.5", true, sum, 0, true, "same checksum, higher version"},
        {"", true, sum + 1, 192, false, "size overrides a checksum difference"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(u.IsNewVersion(QString::fromLatin1(c.Version), c.Local ? local : dir.filePath(QStringLiteral("x")),
                                 c.Checksum, c.Size),
                  c.New)
            << c.Why;
    }
    u.UseCRC32 = true;
    EXPECT_FALSE(u.IsNewVersion(QString(), local, crc, 0));
    EXPECT_TRUE(u.IsNewVersion(QString(), local, sum, 0));
}

TEST(UpdateStatus, TextsAndCodes)
{
    EXPECT_EQ(UpdateStatusText(TUpdateStatusId::HttpStatus, QStringLiteral("404")),
              QStringLiteral("Http status : 404"));
    EXPECT_EQ(UpdateStatusErrorCode(TUpdateStatusId::HttpStatus), TUpdateErrorCode::HttpStatus);
    EXPECT_EQ(UpdateStatusErrorCode(TUpdateStatusId::ControlFileNotFound), TUpdateErrorCode::NotFound);
    EXPECT_EQ(UpdateStatusErrorCode(TUpdateStatusId::CannotDownload), TUpdateErrorCode::NotFound);
    EXPECT_EQ(UpdateStatusErrorCode(TUpdateStatusId::NoNewVersion), TUpdateErrorCode::NoNewVersion);
    EXPECT_EQ(UpdateStatusText(TUpdateStatusId::AskShutdown),
              QStringLiteral("Shutdown application to update executable files ?"));
}

} // namespace
} // namespace sv
