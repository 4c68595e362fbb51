// SZDD expansion and cabinet extraction: whole files only, never outside the target folder,
// nothing left behind on failure.

#include "update/PackedFiles.h"
#include "update/Unpack.h"
#include "update/UpdateTestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace sv {
namespace {

using test::ReadFile;
using test::WriteFile;

using test::MakeCab;
using test::MakeSzdd;
using test::TCabMember;

const QString kData = QStringLiteral(SV_UPDATE_TEST_DATA);

// Every file under dir, relative, sorted.
QStringList Tree(const QString& dir)
{
    QStringList out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(dir).relativeFilePath(it.next());
    out.sort();
    return out;
}

TEST(Szdd, ExpandsUnderTheRecordedName)
{
    QTemporaryDir dir;
    const QByteArray text = "A portion of text that is long enough to need several control bytes.";
    WriteFile(dir.filePath(QStringLiteral("readme.tx_")), MakeSzdd(text, 't'));
    const TUnpackResult r = ExpandSzdd(dir.filePath(QStringLiteral("readme.tx_")));
    ASSERT_TRUE(r.Ok) << r.Error.toStdString();
    EXPECT_EQ(ReadFile(dir.filePath(QStringLiteral("readme.txt"))), text);
    EXPECT_EQ(Tree(dir.path()), QStringList{QStringLiteral("readme.txt")}); // the compressed file is gone
}

TEST(Szdd, AFileMadeByTheCompressorExpands)
{
    QTemporaryDir dir;
    QFile::copy(kData + QStringLiteral("/notes.tx_"), dir.filePath(QStringLiteral("notes.tx_")));
    const TUnpackResult r = ExpandSzdd(dir.filePath(QStringLiteral("notes.tx_")));
    ASSERT_TRUE(r.Ok) << r.Error.toStdString();
    EXPECT_EQ(ReadFile(dir.filePath(QStringLiteral("notes.txt"))), ReadFile(kData + QStringLiteral("/notes.txt")));
}

TEST(Szdd, ACutShortOrDamagedFileIsRefusedAndLeavesNothing)
{
    const QByteArray whole = MakeSzdd(QByteArray(100, 'q'), 't');
    const QByteArray compressed = ReadFile(kData + QStringLiteral("/notes.tx_"));
    struct {
        const char* Why;
        QByteArray Bytes;
    } cases[] = {
        {"cut in the data", whole.left(whole.size() - 20)},
        {"only the header", whole.left(14)},
        {"cut header", whole.left(9)},
        {"compressor's file cut", compressed.left(compressed.size() / 2)},
        {"not SZDD", QByteArray("plain text, not compressed")},
        {"unsafe expanded name", MakeSzdd("x", '/')},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("readme.tx_"));
        WriteFile(path, c.Bytes);
        const TUnpackResult r = ExpandSzdd(path);
        EXPECT_FALSE(r.Ok) << c.Why;
        EXPECT_FALSE(r.Error.isEmpty()) << c.Why;
        EXPECT_EQ(Tree(dir.path()), QStringList{QStringLiteral("readme.tx_")}) << c.Why;
    }
}

TEST(Szdd, ExpandingOverAnExistingFileKeepsItOnFailure)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath(QStringLiteral("readme.txt")), "old");
    const QByteArray whole = MakeSzdd(QByteArray(100, 'n'), 't');
    WriteFile(dir.filePath(QStringLiteral("readme.tx_")), whole.left(50));
    EXPECT_FALSE(ExpandSzdd(dir.filePath(QStringLiteral("readme.tx_"))).Ok);
    EXPECT_EQ(ReadFile(dir.filePath(QStringLiteral("readme.txt"))), "old");
    WriteFile(dir.filePath(QStringLiteral("readme.tx_")), whole);
    EXPECT_TRUE(ExpandSzdd(dir.filePath(QStringLiteral("readme.tx_"))).Ok);
    EXPECT_EQ(ReadFile(dir.filePath(QStringLiteral("readme.txt"))), QByteArray(100, 'n'));
}

TEST(Cabinet, ExtractsMembersIntoTheirFoldersWithTheirTimes)
{
    QTemporaryDir dir;
    const QString cab = dir.filePath(QStringLiteral("in/update.cab"));
    WriteFile(cab, MakeCab({{"wf.qs", "questions"}, {"Sounds\\buzz.wav", "RIFF...."}}));
    const QString target = dir.filePath(QStringLiteral("prog"));
    const TUnpackResult r = ExtractCabinet(cab, target);
    ASSERT_TRUE(r.Ok) << r.Error.toStdString();
    EXPECT_EQ(Tree(target), (QStringList{QStringLiteral("Sounds/buzz.wav"), QStringLiteral("wf.qs")}));
    EXPECT_EQ(ReadFile(target + QStringLiteral("/Sounds/buzz.wav")), "RIFF....");
    EXPECT_EQ(QFileInfo(target + QStringLiteral("/wf.qs")).lastModified(),
              QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
    EXPECT_EQ(r.Written.size(), 2);
}

TEST(Cabinet, AnArchiveMadeByTheArchiverExtracts)
{
    QTemporaryDir dir;
    const TUnpackResult r = ExtractCabinet(kData + QStringLiteral("/small.cab"), dir.path());
    ASSERT_TRUE(r.Ok) << r.Error.toStdString();
    EXPECT_EQ(Tree(dir.path()), (QStringList{QStringLiteral("sub/notes.txt"), QStringLiteral("whatsnew.txt")}));
    EXPECT_EQ(ReadFile(dir.filePath(QStringLiteral("sub/notes.txt"))), ReadFile(kData + QStringLiteral("/notes.txt")));
}

TEST(Cabinet, NamesThatLeaveTheTargetRefuseTheWholeArchive)
{
    for (const char* bad : {"..\\evil", "/etc/x", "\\etc\\x", "C:\\x", "sub\\..\\..\\evil", "a\\\\b"}) {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("prog"));
        QDir().mkpath(target);
        WriteFile(dir.filePath(QStringLiteral("u.cab")), MakeCab({{"good.txt", "fine"}, {bad, "evil"}}));
        const TUnpackResult r = ExtractCabinet(dir.filePath(QStringLiteral("u.cab")), target);
        EXPECT_FALSE(r.Ok) << bad;
        EXPECT_TRUE(r.Error.contains(QString::fromLatin1(bad))) << r.Error.toStdString();
        EXPECT_EQ(Tree(dir.path()), QStringList{QStringLiteral("u.cab")}) << bad; // nothing written anywhere
    }
}

TEST(Cabinet, AMemberIsNotWrittenThroughALink)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("prog"));
    const QString outside = dir.filePath(QStringLiteral("outside"));
    QDir().mkpath(target);
    QDir().mkpath(outside);
    ASSERT_TRUE(QFile::link(outside, target + QStringLiteral("/Sounds")));
    WriteFile(dir.filePath(QStringLiteral("u.cab")), MakeCab({{"Sounds\\x.wav", "evil"}}));
    EXPECT_FALSE(ExtractCabinet(dir.filePath(QStringLiteral("u.cab")), target).Ok);
    EXPECT_TRUE(QDir(outside).isEmpty());
}

TEST(Cabinet, ACutShortArchiveIsRefusedAndLeavesNothing)
{
    const QByteArray whole = MakeCab({{"a.txt", QByteArray(3000, 'a')}, {"b.txt", QByteArray(3000, 'b')}});
    const QByteArray made = ReadFile(kData + QStringLiteral("/small.cab"));
    struct {
        const char* Why;
        QByteArray Bytes;
    } cases[] = {
        {"stored data cut", whole.left(whole.size() - 100)},
        {"headers only", whole.left(80)},
        {"archiver's file cut", made.left(made.size() - 60)},
        {"not a cabinet", QByteArray(200, 'z')},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("prog"));
        QDir().mkpath(target);
        WriteFile(target + QStringLiteral("/a.txt"), "old a");
        WriteFile(dir.filePath(QStringLiteral("u.cab")), c.Bytes);
        const TUnpackResult r = ExtractCabinet(dir.filePath(QStringLiteral("u.cab")), target);
        EXPECT_FALSE(r.Ok) << c.Why;
        EXPECT_EQ(Tree(target), QStringList{QStringLiteral("a.txt")}) << c.Why;
        EXPECT_EQ(ReadFile(target + QStringLiteral("/a.txt")), "old a") << c.Why;
    }
}

// A member that cannot be placed after others were: the whole archive is refused, the members
// already placed go again and the files they replaced come back.
TEST(Cabinet, AMemberThatCannotBePlacedUndoesTheOthers)
{
    // Stored as Latin-1, each of these letters takes two bytes in a file name here: 400 bytes.
    const QByteArray longName = "sub\\" + QByteArray(200, '\xe9');
    struct {
        const char* Why;
        QList<TCabMember> Members;
    } cases[] = {
        {"a name too long for the file system", {{"a.txt", "new a"}, {"sub\\b.txt", "b"}, {longName, "x"}}},
        {"a file where a later member needs a folder", {{"a.txt", "new a"}, {"c", "c"}, {"c\\d", "d"}}},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("prog"));
        QDir().mkpath(target);
        WriteFile(target + QStringLiteral("/a.txt"), "old a");
        WriteFile(dir.filePath(QStringLiteral("u.cab")), MakeCab(c.Members));
        const TUnpackResult r = ExtractCabinet(dir.filePath(QStringLiteral("u.cab")), target);
        EXPECT_FALSE(r.Ok) << c.Why;
        EXPECT_EQ(Tree(target), QStringList{QStringLiteral("a.txt")}) << c.Why;
        EXPECT_EQ(ReadFile(target + QStringLiteral("/a.txt")), "old a") << c.Why;
        EXPECT_EQ(QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList{QStringLiteral("a.txt")})
            << c.Why; // no folder made for the refused archive stays either
    }
}

} // namespace
} // namespace sv
