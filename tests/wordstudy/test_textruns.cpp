// Cutting marked text into runs and wrapping them: the rules the scripture canvas draws by.

#include "wordstudy/TextRuns.h"

#include <gtest/gtest.h>

#include <memory>

namespace sv {
namespace {

// Every character 10 pixels wide, bold ones 12.
int Measure(std::string_view text, bool bold) { return static_cast<int>(text.size()) * (bold ? 12 : 10); }

struct TPiece {
    const char* Text;
    std::uint32_t Tag;
    std::uint8_t Mark;
};

std::unique_ptr<TMarkedText> Marked(std::initializer_list<TPiece> pieces)
{
    auto t = std::make_unique<TMarkedText>();
    for (const TPiece& p : pieces)
        t->Append(p.Text, p.Tag, p.Mark);
    t->Terminate();
    return t;
}

std::vector<std::string> Texts(const TTextBlock& b)
{
    std::vector<std::string> out;
    for (const auto& r : b.Runs)
        out.push_back(r.Text);
    return out;
}

TEST(TextRuns, RunsEndAfterBlanksAtTheEndAndWhereColourOrWeightChanges)
{
    TKeywordTags colours;
    InitKeywordColours(colours, 3);
    const auto t = Marked({{"The ", 0, 0},
                           {"zebra", ColourUse1, MarkBold},
                           {" ", 0, 0},
                           {"ran", 0, 0},
                           {"ning", 0, MarkBold},
                           {".", 0, MarkBold}});
    const TTextBlock b = LayoutMarkedText(*t, 44, 1000, false, colours, Measure);
    EXPECT_EQ(Texts(b), (std::vector<std::string>{"The ", "zebra", " ", "ran", "ning."}));
    ASSERT_EQ(b.Runs.size(), 5u);
    EXPECT_EQ(b.Runs[1].Colour, static_cast<std::uint32_t>(ColourUse1));
    EXPECT_TRUE(b.Runs[1].Bold);
    EXPECT_FALSE(b.Runs[3].Bold);
    EXPECT_TRUE(b.Runs[4].Bold);
    // x advances by the measured widths (bold wider).
    EXPECT_EQ(b.Runs[0].X, 44);
    EXPECT_EQ(b.Runs[1].X, 84);
    EXPECT_EQ(b.Runs[2].X, 84 + 60);
    EXPECT_EQ(b.Lines, 1);
}

TEST(TextRuns, ARunThatWouldPassTheWidthStartsANewLineAtTheIndent)
{
    TKeywordTags colours;
    InitKeywordColours(colours, 0);
    struct TCase {
        const char* Text;
        int Width;
        std::vector<int> Lines; // line of each run
        int LineCount;
    };
    // From x = 44 the text may reach width - 2.
    const TCase cases[] = {
        {"aaa bbb ccc", 120, {0, 1, 1}, 2},  // "bbb " would end at 124 > 118
        {"aaa bbb ccc", 126, {0, 0, 1}, 2},  // "bbb " ends at 124 <= 124; "ccc" would pass
        {"aaa bbb ccc", 156, {0, 0, 0}, 1},  // ends exactly at width - 2: stays
        {"abcdefghijkl mn", 100, {0, 1}, 2}, // too wide for any line: stays where it starts
    };
    for (const TCase& c : cases) {
        const auto t = Marked({{c.Text, 0, 0}});
        const TTextBlock b = LayoutMarkedText(*t, 44, c.Width, false, colours, Measure);
        std::vector<int> lines;
        for (const auto& r : b.Runs) {
            lines.push_back(r.Line);
            if (r.X != 44) { // only a run that starts a line may pass the edge
                EXPECT_LE(r.X + Measure(r.Text, false), c.Width - 2) << c.Text << " at " << c.Width;
            }
        }
        EXPECT_EQ(lines, c.Lines) << c.Text << " at " << c.Width;
        EXPECT_EQ(b.Lines, c.LineCount) << c.Text << " at " << c.Width;
        EXPECT_EQ(b.Runs.front().X, 44);
    }
}

TEST(TextRuns, HidingStarsKeywordLettersOnly)
{
    TKeywordTags colours;
    InitKeywordColours(colours, 4);
    const auto t = Marked({{"Grace", ColourUse2, MarkBold},
                           {", ", 0, 0},
                           {"peace", ColourUse4Up, MarkBold},
                           {" and ", 0, 0},
                           {"odd", 0x123456, 0},
                           {"!", 0, 0}});
    std::string shown;
    for (const auto& r : LayoutMarkedText(*t, 44, 1000, true, colours, Measure).Runs)
        shown += r.Text;
    EXPECT_EQ(shown, "*****, ***** and odd!");
    std::string plain;
    for (const auto& r : LayoutMarkedText(*t, 44, 1000, false, colours, Measure).Runs)
        plain += r.Text;
    EXPECT_EQ(plain, "Grace, peace and odd!");
    // With no keywords in the table nothing is a keyword colour.
    InitKeywordColours(colours, 0);
    EXPECT_FALSE(IsKeywordColour(ColourUse1, colours));
    EXPECT_FALSE(IsKeywordColour(0, colours));
}

TEST(TextRuns, PlainTextWrapsTheSameWay)
{
    const TTextBlock b = LayoutPlainText("Paul in Jerusalem", 0x808000, true, 44, 44 + 12 * 9 + 2, Measure);
    EXPECT_EQ(Texts(b), (std::vector<std::string>{"Paul ", "in ", "Jerusalem"}));
    EXPECT_EQ(b.Lines, 2);
    EXPECT_EQ(b.Runs[2].Line, 1);
    EXPECT_TRUE(b.Runs[0].Bold);
    EXPECT_EQ(LayoutPlainText("", 0, false, 44, 100, Measure).Lines, 1);
}

} // namespace
} // namespace sv
