#include "voice/Personality.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

const char* const kFile = "[Personality=Encourager]\r\n" // 0
                          "[Category=Correct1]\r\n"      // 1
                          "Well done!\r\n"               // 2
                          "\r\n"
                          "Right!\r\n"                   // 3
                          "[Category=Incorrect1]\r\n"    // 4
                          "Try again.\r\n"               // 5
                          "[Category=Quit]\r\n"          // 6  (a header without lines)
                          "[Category=AllCorrect]\r\n"    // 7
                          "Perfect!\r\n"                 // 8
                          "[Personality=Coach]\r\n"      // 9
                          "[Category=Correct1]\r\n"      // 10
                          "Good.\r\n"                    // 11
                          "[Category=Correct1]\r\n"      // 12 (a second header: the later one counts)
                          "Correct.\r\n"                 // 13
                          "Yes.\r\n"                     // 14
                          "[Personality=Encourager]\r\n" // 15 (a duplicate name)
                          "[Category=Goodbye]\n"         // 16
                          "Bye!";                        // 17

TEST(PersonalityFile, SectionsRunToTheNextHeaderAndEmptyLinesAreDropped)
{
    TPersonalities p;
    p.Parse(kFile);
    ASSERT_EQ(p.Lines.size(), 18u);
    EXPECT_EQ(p.Lines[3], "Right!");
    ASSERT_EQ(p.Count, 3);
    EXPECT_EQ(p.Slots.size(), 10u);
    EXPECT_EQ(p.Slots[0].Name, "Encourager");
    EXPECT_EQ(p.Slots[1].Name, "Coach");
    EXPECT_EQ(p.Slots[2].Name, "Encourager");

    const TPersonality& e = p.Slots[0];
    EXPECT_EQ(e.HeaderOf(TCommentEvent::Correct1), 1);
    EXPECT_EQ(e.LastOf(TCommentEvent::Correct1), 3);
    EXPECT_EQ(e.HeaderOf(TCommentEvent::Incorrect1), 4);
    EXPECT_EQ(e.LastOf(TCommentEvent::Incorrect1), 5);
    EXPECT_EQ(e.HeaderOf(TCommentEvent::Quit), 6);
    EXPECT_EQ(e.LastOf(TCommentEvent::Quit), 6); // no lines: l - h = 0, silent
    EXPECT_EQ(e.HeaderOf(TCommentEvent::AllCorrect), 7);
    EXPECT_EQ(e.LastOf(TCommentEvent::AllCorrect), 8);
    EXPECT_EQ(e.HeaderOf(TCommentEvent::Correct3), -1); // missing events stay absent
    EXPECT_EQ(e.LastOf(TCommentEvent::Correct3), -1);

    const TPersonality& c = p.Slots[1];
    EXPECT_EQ(c.HeaderOf(TCommentEvent::Correct1), 12);
    EXPECT_EQ(c.LastOf(TCommentEvent::Correct1), 14);

    EXPECT_EQ(p.Slots[2].HeaderOf(TCommentEvent::Goodbye), 16);
    EXPECT_EQ(p.Slots[2].LastOf(TCommentEvent::Goodbye), 17); // the last section runs to the end of the file
    EXPECT_EQ(p.Find("Encourager"), 0);                       // duplicates: the first
    EXPECT_EQ(p.Find("Coach"), 1);
    EXPECT_EQ(p.Find("Nobody"), 0);
    EXPECT_EQ(p.Find(""), 0); // empty slots are not personalities
}

TEST(PersonalityFile, UnknownAndOrphanHeadersAndGrowth)
{
    TPersonalities p;
    std::string text = "[Category=Correct1]\nOrphan remark\n"; // before any personality: ignored
    for (int i = 0; i < 11; ++i)
        text += "[Personality=P" + std::to_string(i) + "]\n";
    text += "[Category=Correct3]\nA\n[Category=Shouting]\nB\nC\n[Other=x]\nD\n[Category=Quit]\nE\n";
    p.Parse(text);
    EXPECT_EQ(p.Count, 11);
    EXPECT_EQ(p.Slots.size(), 15u); // grown to count + 4
    EXPECT_EQ(p.Slots[0].HeaderOf(TCommentEvent::Correct1), -1);
    const TPersonality& last = p.Slots[10];
    // An unknown category name keeps the previous event selected and moves its header.
    EXPECT_EQ(p.Lines[last.HeaderOf(TCommentEvent::Correct3)], "[Category=Shouting]");
    // The section runs to the next Personality or Category header; another "[key=value]" line
    // inside it does not end it.
    EXPECT_EQ(p.Lines[last.LastOf(TCommentEvent::Correct3)], "D");
    EXPECT_EQ(p.Lines[last.HeaderOf(TCommentEvent::Quit)], "[Category=Quit]");
    EXPECT_EQ(p.Lines[last.LastOf(TCommentEvent::Quit)], "E");
}

TEST(PersonalityFile, LastPersonalityWithoutTheCurrentEventStaysSilent)
{
    TPersonalities p;
    p.Parse("[Personality=A]\n[Category=Goodbye]\nBye\n[Personality=B]\nloose line\n");
    EXPECT_EQ(p.Slots[0].LastOf(TCommentEvent::Goodbye), 2);
    EXPECT_EQ(p.Slots[1].HeaderOf(TCommentEvent::Goodbye), -1);
    EXPECT_EQ(p.Slots[1].LastOf(TCommentEvent::Goodbye), -1);
}

TEST(PersonalityFile, MissingFileGivesNoPersonalities)
{
    TPersonalities p;
    p.LoadFromFile("/nonexistent/personality.txt");
    EXPECT_EQ(p.Count, 0);
    EXPECT_TRUE(p.Lines.empty());
}

} // namespace
} // namespace sv
