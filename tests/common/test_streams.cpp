#include "common/BoundedArray.h"
#include "common/LeStream.h"
#include "common/ShortString.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace sv;

TEST(LeStream, WritesAndReadsLittleEndianFields)
{
    TStreamWriter w;
    w.u8(0xAB);
    w.i16(-2);
    w.u16(0x1234);
    w.i32(-70000);
    w.u32(0xCAFEBABE);
    const std::vector<std::uint8_t> expect = {0xAB, 0xFE, 0xFF, 0x34, 0x12, 0x90, 0xEE,
                                              0xFE, 0xFF, 0xBE, 0xBA, 0xFE, 0xCA};
    EXPECT_EQ(w.data(), expect);

    TStreamReader r(w.data(), "mem");
    EXPECT_EQ(r.u8(), 0xAB);
    EXPECT_EQ(r.i16(), -2);
    EXPECT_EQ(r.u16(), 0x1234);
    EXPECT_EQ(r.i32(), -70000);
    EXPECT_EQ(r.u32(), 0xCAFEBABEu);
    EXPECT_TRUE(r.atEnd());
}

TEST(LeStream, ShortReadFailsOrKeepsTheUnreachedBytes)
{
    const std::vector<std::uint8_t> bytes = {0x01, 0x02, 0x03};
    TStreamReader strict(bytes, "x.bin");
    strict.u16();
    try {
        strict.u16();
        FAIL() << "short read not reported";
    } catch (const ERangeError& e) {
        EXPECT_NE(std::string(e.what()).find("x.bin"), std::string::npos);
    }

    TStreamReader lenient(bytes, "x.bin", TShortReads::Keep);
    std::uint16_t a = 0xFFFF, b = 0xFFFF, c = 0xFFFF;
    lenient.read(a);
    lenient.read(b); // one byte left: only the low byte changes
    lenient.read(c); // nothing left: unchanged
    EXPECT_EQ(a, 0x0201);
    EXPECT_EQ(b, 0xFF03);
    EXPECT_EQ(c, 0xFFFF);
    EXPECT_TRUE(lenient.wasShort());
}

TEST(LeStream, MissingFileAndUnwritableFolderGiveTheFileMessages)
{
    QTemporaryDir dir;
    const std::string missing = (dir.path() + QStringLiteral("/none.bin")).toStdString();
    try {
        TStreamReader::FromFile(missing);
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + missing);
    }
    TStreamWriter w;
    w.u8(1);
    const std::string bad = (dir.path() + QStringLiteral("/no/such/folder/f.bin")).toStdString();
    try {
        w.saveToFile(bad);
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + bad);
    }
}

TEST(LeStream, SaveReplacesTheFileWhole)
{
    QTemporaryDir dir;
    const std::string path = (dir.path() + QStringLiteral("/f.bin")).toStdString();
    TStreamWriter a;
    a.writeZeros(100);
    a.saveToFile(path);
    TStreamWriter b;
    b.u16(7);
    b.saveToFile(path);
    TStreamReader r = TStreamReader::FromFile(path);
    EXPECT_EQ(r.size(), 2u);
    EXPECT_EQ(r.u16(), 7);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary left behind
}

TEST(BoundedArray, EveryAccessIsChecked)
{
    TFixedArray<int, 1, 30> a("ChapterStart");
    a[1] = 5;
    a[30] = 6;
    EXPECT_EQ(a[1] + a[30], 11);
    EXPECT_THROW(a[0], ERangeError);
    EXPECT_THROW(a[31], ERangeError);
    try {
        a[31] = 1;
    } catch (const ERangeError& e) {
        EXPECT_EQ(std::string(e.what()), "Range check error: ChapterStart index 31 outside 1..30");
    }

    TDynArray<std::uint16_t> d("VerseStart");
    EXPECT_THROW(d[0], ERangeError);
    d.setLength(3);
    d[2] = 9;
    EXPECT_EQ(d[2], 9);
    EXPECT_THROW(d[3], ERangeError);
    EXPECT_THROW(d[-1], ERangeError);
    EXPECT_THROW(d.setLength(-1), ERangeError);
}

TEST(ShortString, KeepsFillerAndRefusesOverlongText)
{
    const std::vector<std::uint8_t> bytes = {2, 'G', 'a', 'x'};
    TStreamReader r(bytes, "mem");
    TShortString<3> s;
    s.read(r);
    EXPECT_EQ(s.text(), "Ga");
    TStreamWriter w;
    s.write(w);
    EXPECT_EQ(w.data(), bytes);
    EXPECT_THROW(s.setText("Gala"), ERangeError);

    const std::vector<std::uint8_t> bad = {9, 'a', 'b', 'c'};
    TStreamReader rb(bad, "mem");
    TShortString<3> sb;
    sb.read(rb);
    EXPECT_THROW(sb.text(), ERangeError);
}
