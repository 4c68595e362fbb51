#include "common/Errors.h"
#include "user/Knowledge.h"
#include "user/MaterialSelections.h"
#include "user/User.h"

#include <gtest/gtest.h>

using namespace sv;

namespace {

struct TAnswerCase {
    std::uint8_t Start;
    std::vector<bool> Answers;
    std::vector<int> After; // byte after each answer
};

void RunTable(const std::vector<TAnswerCase>& table, std::uint8_t (*rule)(std::uint8_t, bool))
{
    for (const auto& c : table) {
        std::uint8_t b = c.Start;
        for (std::size_t i = 0; i < c.Answers.size(); ++i) {
            b = rule(b, c.Answers[i]);
            EXPECT_EQ(b, c.After[i]) << "from " << int(c.Start) << ", answer " << i + 1;
        }
    }
}

} // namespace

TEST(Knowledge, QuestionAnswerRule)
{
    const bool R = true, W = false;
    RunTable(
        {
            {7, {R}, {15}},            // untried, right: level 7, count 1
            {7, {W}, {5}},             // untried, wrong
            {5, {R, R}, {6, 15}},      // reaching level 7 also counts
            {31, {W}, {29}},           // mastered, wrong: level 5, count 3
            {255, {R}, {255}},         // count 31 stays
            {247, {R, R}, {255, 255}}, // 247 < 248: counts once more
            {0, {W}, {0}},             // level 0 stays
            {9, {W, W}, {8, 8}},       // level 1 drops to 0, then stays
            {14, {R}, {23}},           // level 6, count 1: to level 7 and counts (count 2)
            {2, {W, R, R}, {0, 1, 2}},
        },
        &ApplyAnswer);
}

TEST(Knowledge, ReferenceAnswerRule)
{
    const bool R = true, W = false;
    RunTable(
        {
            {7, {R}, {15}},
            {6, {R}, {7}}, // reaching level 7 does not count
            {5, {R, R, R, R, R}, {6, 7, 15, 23, 31}},
            {9, {W, W}, {8, 8}},
            {255, {R}, {255}},
            {0, {W}, {0}},
            {31, {W, R, R}, {29, 30, 31}},
        },
        &ApplyReferenceAnswer);
}

TEST(Knowledge, Classification)
{
    const std::vector<std::pair<int, TKnowledgeClass>> table = {
        {7, TKnowledgeClass::Untried},
        {0, TKnowledgeClass::Unmastered},
        {5, TKnowledgeClass::Unmastered},
        {29, TKnowledgeClass::Unmastered},
        {254, TKnowledgeClass::Unmastered},
        {15, TKnowledgeClass::CorrectFewerThan3},
        {23, TKnowledgeClass::CorrectFewerThan3},
        {31, TKnowledgeClass::Mastered},
        {255, TKnowledgeClass::Mastered},
    };
    for (const auto& [b, cls] : table) {
        EXPECT_EQ(ClassOf(static_cast<std::uint8_t>(b)), cls) << b;
        EXPECT_EQ(IsTried(static_cast<std::uint8_t>(b)), b != 7) << b;
        EXPECT_EQ(IsMastered(static_cast<std::uint8_t>(b)), cls == TKnowledgeClass::Mastered) << b;
    }
}

TEST(Knowledge, RecordReferenceAndQueriesCheckTheirIndexes)
{
    TUser u;
    u.RecordReference(1200, true);
    EXPECT_EQ(u.ReferenceKnowledge[1200], 15);
    EXPECT_TRUE(u.IsReferenceTried(1200));
    EXPECT_FALSE(u.IsReferenceMastered(1200));
    EXPECT_FALSE(u.IsMemoryVerseTried(1));
    EXPECT_FALSE(u.IsUnmastered({0, 1}));

    EXPECT_THROW(u.RecordReference(0, true), ERangeError);
    EXPECT_THROW(u.RecordReference(1201, true), ERangeError);
    EXPECT_THROW(u.IsTried({8, 1}), ERangeError);
    EXPECT_THROW(u.IsTried({-1, 1}), ERangeError);
    EXPECT_THROW(u.IsTried({0, 0}), ERangeError);
    EXPECT_THROW(u.IsTried({0, 8192}), ERangeError);
    EXPECT_THROW(u.IsMemoryVerseMastered(1201), ERangeError);
    try {
        u.QuestionByte({0, 8192});
        ADD_FAILURE() << "question index 8192 was accepted";
    } catch (const ERangeError& e) {
        EXPECT_NE(std::string(e.what()).find("8192"), std::string::npos) << e.what();
    }
}

// A selection frame switches modes back and forth; each mode keeps its own check marks,
// and confirming writes all four arrays back.
TEST(MaterialSelections, EachModeKeepsItsChecksWhileSwitching)
{
    TUser u;
    u.ChapterSel[2] = 1;
    u.MemorySel[5] = 1;
    TMaterialSelections sel;
    sel.Create(u, u.SelectionMode());
    ASSERT_EQ(sel.Kind(), TSelectionKind::ByChapter);

    // The person checks chapters 1 and 3 (list of 3 chapters), then switches to verses.
    sel.StoreList(TSelectionKind::ByVerse, {true, false, true});
    EXPECT_EQ(sel.Kind(), TSelectionKind::ByVerse);
    // Verses list: checks verse 4, then back to chapters.
    sel.StoreList(TSelectionKind::ByChapter, {false, false, false, true});
    const auto ch = sel.Flags(TSelectionKind::ByChapter);
    EXPECT_EQ((std::vector<int>{ch[0], ch[1], ch[2]}), (std::vector<int>{1, 0, 1}));
    // Then to memory verses without changing the chapters.
    sel.StoreList(TSelectionKind::ByMemory, {true, false, true});
    EXPECT_EQ(sel.Flags(TSelectionKind::ByMemory)[4], 1) << "memory selection copied from the user";

    // The user record is untouched until RestoreToUser.
    EXPECT_EQ(u.ChapterSel[1], 0);
    sel.RestoreToUser(u);
    EXPECT_EQ(u.ChapterSel[1], 1);
    EXPECT_EQ(u.ChapterSel[2], 0);
    EXPECT_EQ(u.ChapterSel[3], 1);
    EXPECT_EQ(u.VerseSel[4], 1);
    EXPECT_EQ(u.VerseSel[1], 0);
    EXPECT_EQ(u.MemorySel[5], 1);
}

TEST(MaterialSelections, ListLongerThanTheArrayStoresOnlyWhatFits)
{
    TUser u;
    TMaterialSelections sel;
    sel.Create(u, TSelectionKind::ByChapter);
    sel.StoreList(TSelectionKind::BySection, std::vector<bool>(40, true));
    sel.RestoreToUser(u);
    for (int i = 1; i <= 29; ++i)
        EXPECT_EQ(u.ChapterSel[i], 1);
    EXPECT_EQ(u.SectionSel[1], 0);
}

TEST(MaterialSelections, ModeFlagsOfTheUserRecord)
{
    TUser u;
    for (auto kind :
         {TSelectionKind::ByVerse, TSelectionKind::BySection, TSelectionKind::ByMemory, TSelectionKind::ByChapter}) {
        u.SetSelectionMode(kind);
        EXPECT_EQ(u.SelectionMode(), kind);
        EXPECT_EQ(u.Options.ByChapters + u.Options.ByVerses + u.Options.BySections + u.Options.ByMemory, 1);
        EXPECT_EQ(u.SelectionFlags(kind).size(), kind == TSelectionKind::ByChapter   ? 29u
                                                 : kind == TSelectionKind::BySection ? 1275u
                                                                                     : 1200u);
    }
}
