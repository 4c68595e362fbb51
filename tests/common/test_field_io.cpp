// Field lists: one list drives reading and writing of a record with nested records, fixed
// arrays, byte blocks, short strings and runs of counted entries; a count from the file never
// sizes an array beyond the bytes that are there.
#include "common/Errors.h"
#include "common/FieldIO.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using namespace sv;

namespace {

struct TPoint {
    std::uint8_t X = 0;
    std::int16_t Y = 0;

    template <class Self, class Io>
    static void Fields(Self& s, Io& io)
    {
        io(s.X), io(s.Y);
    }
};

struct TSample {
    std::uint16_t Count = 0;
    TShortString<3> Tag;
    std::array<std::uint8_t, 2> Spare{};
    TFixedArray<TPoint, 1, 2> Corners{"Corners"};
    TDynArray<TPoint> Points{"Points"};   // 1..Count
    TDynArray<std::uint8_t> Text{"Text"}; // 0..Count

    template <class Self, class Io>
    static void Fields(Self& s, Io& io)
    {
        io(s.Count);
        io.CheckCount("Count", s.Count, 0, 100);
        io(s.Tag);
        io.CheckLength("Tag", s.Tag);
        io(s.Spare), io(s.Corners);
        io.Entries(s.Points, 1, s.Count);
        io.Entries(s.Text, 0, s.Count);
    }
};

// Count 2, tag "ab" with filler 'z', spare bytes, two corners, two points, three text bytes.
const std::vector<std::uint8_t> SampleBytes = {
    0x02, 0x00,            // Count
    0x02, 'a',  'b',  'z', // Tag
    0xE1, 0xE2,            // Spare
    0x01, 0xFF, 0xFF,      // Corners[1]: 1, -1
    0x02, 0x00, 0x01,      // Corners[2]: 2, 256
    0x03, 0x05, 0x00,      // Points[1]
    0x04, 0x06, 0x00,      // Points[2]
    'x',  'y',  'z',       // Text[0..2]
};

std::string RangeErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const ERangeError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(FieldIO, OneListReadsAndWritesTheSameLayout)
{
    TStreamReader r(SampleBytes, "sample.bin");
    TFieldReader reader(r);
    TSample s;
    TSample::Fields(s, reader);
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(s.Tag.text(), "ab");
    EXPECT_EQ(s.Spare[1], 0xE2);
    EXPECT_EQ(s.Corners[1].Y, -1);
    EXPECT_EQ(s.Corners[2].Y, 256);
    ASSERT_EQ(s.Points.length(), 3); // entry 0 before the run stays zero
    EXPECT_EQ(s.Points[0].X, 0);
    EXPECT_EQ(s.Points[2].X, 4);
    EXPECT_EQ(s.Points[2].Y, 6);
    ASSERT_EQ(s.Text.length(), 3);
    EXPECT_EQ(s.Text[2], 'z');

    TStreamWriter w;
    TFieldWriter writer(w);
    TSample::Fields(std::as_const(s), writer);
    EXPECT_EQ(w.data(), SampleBytes);
}

TEST(FieldIO, ACountNeverSizesAnArrayBeyondTheFile)
{
    // Count 100 passes its check, but the file holds far fewer than 100 points: the run is
    // refused before the array is sized, and the array keeps what it had.
    std::vector<std::uint8_t> bytes(SampleBytes.begin(), SampleBytes.begin() + 14);
    bytes[0] = 100;
    TStreamReader r(bytes, "sample.bin");
    TFieldReader reader(r);
    TSample s;
    s.Points.setLength(1);
    EXPECT_EQ(RangeErrorOf([&] { TSample::Fields(s, reader); }),
              "File sample.bin is truncated: Points needs 100 bytes at offset 14, 0 left");
    EXPECT_EQ(s.Points.length(), 1);
}

TEST(FieldIO, ReaderChecksNameTheFileAndOffsetWriterPassesOverThem)
{
    const std::vector<std::uint8_t> bytes = {0x07, 0x09, 'a', 'b', 'c', 0x00, 0x00};
    TStreamReader r(bytes, "f.bin");
    TFieldReader reader(r);
    std::uint8_t b = 0;
    reader(b);
    TShortString<3> tooLong;
    tooLong.read(r); // length byte 9 would not fit in 3
    struct {
        const char* what;
        std::function<void()> check;
        std::string message;
    } rows[] = {
        {"count", [&] { reader.CheckCount("Things", b, 0, 5); }, "File f.bin: Things 7 outside 0..5 at offset 5"},
        {"bytes", [&] { reader.RequireBytes(3, "block"); },
         "File f.bin is truncated: block needs 3 bytes at offset 5, 2 left"},
        {"negative bytes", [&] { reader.RequireBytes(-1, "block"); },
         "File f.bin is truncated: block needs -1 bytes at offset 5, 2 left"},
        {"length", [&] { reader.CheckLength("Tag", tooLong); }, "File f.bin: Tag length 9 above 3"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(RangeErrorOf(row.check), row.message) << row.what;

    TStreamWriter w;
    TFieldWriter writer(w);
    writer.CheckCount("Things", 7, 0, 5);
    writer.RequireBytes(1000, "block");
    writer.CheckLength("Tag", tooLong);
    EXPECT_EQ(w.size(), 0u);
}

TEST(FieldIO, WriterRefusesARunTheArrayDoesNotHold)
{
    TSample s;
    s.Count = 4;           // four points and five text bytes claimed,
    s.Points.setLength(3); // but points only up to index 2
    s.Text.setLength(5);
    TStreamWriter w;
    TFieldWriter writer(w);
    EXPECT_EQ(RangeErrorOf([&] { TSample::Fields(std::as_const(s), writer); }),
              "Range check error: Points index 3 outside 0..2");
}
