// The game's material over the real working lists: stock types, wording without keyword
// colours, the whole question shown at once, and answers reaching the knowledge bytes.

#include "game/GameMaterial.h"
#include "lists/MVList.h"
#include "lists/QsList.h"
#include "study/FakeSession.h"
#include "support/ContentFixture.h"
#include "user/Knowledge.h"
#include "user/User.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

struct Lists {
    std::unique_ptr<test::TLoadedContent> content = test::LoadFixture(test::SmallFixture());
    TUser user;
    test::QueuedRandom random;
    TQsList qs{content->Questions, user, random};
    TMVList mvs{content->Books, user, random};
    TListGameMaterial material{qs, mvs, content->Questions, content->Books, user};

    Lists()
    {
        user.Reset(content->Questions.UsesSituation(), false);
        TVerseSelection verses;
        verses.Total = content->Books.TotalVerses();
        for (int v = 1; v <= verses.Total; ++v)
            verses.Choose(v);
        TCollectionFlags chosen;
        chosen.fill(0);
        chosen[0] = chosen[1] = 1;
        qs.BuildFull(verses, false, chosen, 1, false);
        TMemoryVerseSelection memory;
        memory.Total = content->Books.TotalMemoryVerses();
        for (int m = 1; m <= memory.Total; ++m)
            memory.Choose(m);
        mvs.Build(memory, MemoryKindQuote, true);
    }
};

TEST(GameMaterial, ComposesAndRecordsQuestionsAndMemoryVerses)
{
    Lists l;
    ASSERT_GT(l.material.QuestionCount(), 5);
    ASSERT_EQ(l.material.MemoryCount(), 3);
    const TQuestionAddr first = l.material.QuestionAt(1);
    const TQuestionId id = first.Id();
    EXPECT_EQ(l.material.QuestionType(first), l.content->Questions.QuestionType(first));
    EXPECT_EQ(l.material.Knowledge(first), KnowledgeUntried);

    for (const TGameCell cell :
         {TGameCell{id, TGameCellKind::Question, 0}, TGameCell{2, TGameCellKind::MemoryVerse, 0}}) {
        TMarkedText q, a;
        l.material.Compose(cell, q, a);
        EXPECT_GT(q.Len, 0);
        EXPECT_GT(a.Len, 0);
        EXPECT_EQ(q.RevealPos, q.Len);
        for (int i = 1; i <= a.Len; ++i)
            EXPECT_TRUE(a.Tags[i] == 0 || a.Tags[i] == TagReference) << "no keyword colours";
    }

    l.material.Record(TGameCell{id, TGameCellKind::Question, 0}, true);
    EXPECT_NE(l.material.Knowledge(first), KnowledgeUntried);
    const TVerseRef ref = l.mvs.Entry(2).Ref;
    const int m = l.content->Books.MemoryVerseNoOf(ref);
    const std::uint8_t before = l.user.MemoryKnowledge[m];
    l.material.Record(TGameCell{2, TGameCellKind::MemoryVerse, 0}, false);
    EXPECT_NE(l.user.MemoryKnowledge[m], before);
}

} // namespace
} // namespace sv
