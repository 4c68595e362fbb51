// Undo of a grade through the real working lists: every byte of the user record the grade
// changed comes back, for questions (with their copies), memory verses and references.

#include "lists/AccToList.h"
#include "lists/MVList.h"
#include "lists/QsList.h"
#include "study/AskerLogic.h"
#include "study/FakeSession.h"
#include "study/SessionItems.h"
#include "support/ContentFixture.h"
#include "user/User.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace {

std::vector<std::uint8_t> Bytes(const TUser& user)
{
    TStreamWriter w;
    user.SaveToStream(w);
    return w.data();
}

struct Rig {
    const TLoadedContent& content = SmallContent();
    TUser user;
    QueuedRandom random;
    FakeClock clock;
    FakeVoice voice;
    FakeHost host;
    std::uint8_t useLips = 0;
    TKeywordTags tags{"keyword colours"};
    TVerseSelection material;
    TMemoryVerseSelection memory;
    TQsList qs{content.Questions, user, random};
    TMVList mvs{content.Books, user, random};
    TAccToList accTos{content.Books, content.Questions, user, random};

    Rig()
    {
        material.Total = content.Books.TotalVerses();
        for (int v = 1; v <= material.Total; ++v)
            material.Choose(v);
        memory.Total = content.Books.TotalMemoryVerses();
        for (int m = 1; m <= memory.Total; ++m)
            memory.Choose(m);
    }
};

} // namespace

TEST(UndoGrade, RestoresEveryByteTheGradeChangedInEachKindOfStudy)
{
    Rig rig;
    // The home question Ga 3:6 has copies in collections 1 and 2: a grade changes three bytes.
    TCollectionFlags chosen;
    chosen[0] = chosen[1] = chosen[2] = 1;
    rig.qs.BuildFull(rig.material, false, chosen, 1, false);
    ASSERT_GT(rig.qs.Count(), 0);
    rig.mvs.Build(rig.memory, 1, true);
    rig.accTos.Build(rig.material);

    TSessionSettings settings;
    TQsListItems qsItems(rig.qs, rig.content.Questions, rig.tags, settings);
    TMVListItems mvItems(rig.mvs, rig.tags, false);
    TAccToListItems accItems(rig.accTos, rig.content.Books, rig.tags);
    struct Kind {
        const char* Name;
        ISessionItems* Items;
        TAskerKind AskerKind;
    } kinds[] = {{"questions", &qsItems, TAskerKind::Questions},
                 {"memory verses", &mvItems, TAskerKind::MemoryVerses},
                 {"references", &accItems, TAskerKind::References}};

    for (const Kind& k : kinds) {
        settings.Kind = k.AskerKind;
        TAskerLogic logic(settings, *k.Items, rig.voice, rig.host, rig.clock, rig.random, rig.useLips, "Ann");
        for (bool right : {true, false}) {
            logic.StartStopClick(); // ask
            logic.StartStopClick(); // answer
            const std::vector<std::uint8_t> before = Bytes(rig.user);
            const int total = logic.TotalCount(), rightCount = logic.RightCount(), missed = logic.MissedCount();
            right ? logic.RightClick() : logic.WrongClick();
            EXPECT_NE(Bytes(rig.user), before) << k.Name << right;
            ASSERT_TRUE(logic.UndoGrade()) << k.Name << right;
            EXPECT_EQ(Bytes(rig.user), before) << k.Name << right;
            EXPECT_EQ(logic.TotalCount(), total);
            EXPECT_EQ(logic.RightCount(), rightCount);
            EXPECT_EQ(logic.MissedCount(), missed);
            // Graded again the other way, and that grade stays once the next item starts.
            right ? logic.WrongClick() : logic.RightClick();
            const std::vector<std::uint8_t> graded = Bytes(rig.user);
            logic.StartStopClick();
            EXPECT_FALSE(logic.UndoGrade());
            EXPECT_EQ(Bytes(rig.user), graded);
        }
    }
}
