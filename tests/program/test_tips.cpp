#include "program/TipList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace sv {
namespace {

TEST(TipCycling, ContinuesAfterTheLastTipSeenAndWraps)
{
    const struct {
        int lastSeen, count, first;
    } cases[] = {
        {2, 3, 0},                        // the last line was seen: back to the first
        {-1, 3, 0},                       // a new user starts at line 0
        {0, 3, 1},  {1, 3, 2}, {7, 3, 0}, // a stored index beyond a shorter file
        {-5, 3, 0},                       // a damaged index never reaches below line 0
    };
    for (const auto& c : cases)
        EXPECT_EQ(TTipList::FirstIndex(c.lastSeen, c.count), c.first) << c.lastSeen;
    EXPECT_EQ(TTipList::NextIndex(0, 3), 1);
    EXPECT_EQ(TTipList::NextIndex(2, 3), 0);
}

TEST(TipFile, ReadsEveryLineAndReportsAMissingFile)
{
    const auto path = std::filesystem::temp_directory_path() / "sv_tips_test.txt";
    std::ofstream(path, std::ios::binary) << "one <B>bold</B>\r\ntwo\r\nthree";
    TTipList tips;
    ASSERT_TRUE(tips.Load(path.string()));
    ASSERT_EQ(tips.Count(), 3);
    EXPECT_EQ(tips.Line(0), "one <B>bold</B>");
    EXPECT_EQ(tips.Line(2), "three");
    std::filesystem::remove(path);
    EXPECT_FALSE(tips.Load(path.string()));
    EXPECT_EQ(tips.Count(), 0);
}

} // namespace
} // namespace sv
