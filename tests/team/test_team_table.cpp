#include "TeamFixture.h"
#include "content/Books.h"
#include "progress/ProgressCounts.h"
#include "support/ContentFixture.h"
#include "team/TeamTable.h"
#include "user/StudyDate.h"
#include "user/User.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace sv;
using namespace sv::test;

namespace {

TShare ChartShare(const TProgressCounts& counts, int point)
{
    int available = 0;
    for (TProgressSeries s : {TProgressSeries::Mastered, TProgressSeries::CorrectFewerThan3,
                              TProgressSeries::Unmastered, TProgressSeries::Untried})
        available += counts.Value(point, s);
    return {counts.Value(point, TProgressSeries::Mastered), available};
}

} // namespace

TEST(TeamTable, EveryPersonsCountsAreTheirChartsCounts)
{
    const TLoadedContent& content = SmallContent();
    const TTeamFolder folder;
    TTeamTable table(content.Books, content.Questions, AllCollections());
    table.LoadFolder(folder.Users());

    ASSERT_EQ(table.Members().size(), 3u);
    ASSERT_EQ(table.Chapters(), 4);
    for (const TTeamMember& m : table.Members()) {
        TUser user;
        user.LoadFromFile(folder.Users() + m.FileName + ".219");
        TProgressCounts chart(content.Books, content.Questions, user);
        const struct {
            TTeamMeasure Measure;
            TProgressView View;
        } views[] = {{TTeamMeasure::Questions, TProgressView::Questions},
                     {TTeamMeasure::MemoryPassages, TProgressView::MemoryVerses},
                     {TTeamMeasure::References, TProgressView::References}};
        for (const auto& v : views) {
            chart.Count(v.View, AllCollections());
            for (int c = 0; c < 4; ++c)
                EXPECT_EQ(m.Chapters[static_cast<std::size_t>(c)].Of(v.Measure), ChartShare(chart, c))
                    << m.FileName << " chapter " << c << " measure " << int(v.Measure);
        }
    }
}

TEST(TeamTable, RowsFollowTheFolderWithNamesDatesAndKnownCounts)
{
    const TLoadedContent& content = SmallContent();
    const TTeamFolder folder;
    TTeamTable table(content.Books, content.Questions, AllCollections());
    table.LoadFolder(folder.Users());

    const auto& ms = table.Members();
    ASSERT_EQ(ms.size(), 3u);
    EXPECT_EQ(ms[0].FullName, "Ann Lee");
    EXPECT_EQ(ms[1].FileName, "Bobthequick");
    EXPECT_EQ(ms[0].LastStudy, QDate(2026, 11, 30));
    EXPECT_EQ(ms[2].LastStudy, std::nullopt); // Cy studied before dates were kept
    EXPECT_EQ(table.ChapterLabel(3), "Pm 1");

    // Ga 1 holds 2 questions of collection 0: Bob mastered the second only.
    EXPECT_EQ(ms[1].Chapters[0].Questions.Mastered, 1);
    EXPECT_EQ(ms[0].Chapters[3].Questions.Mastered, 1); // Ann's Pm 1 question of collection 1
    for (const TTeamChapter& ch : ms[2].Chapters)
        for (TTeamMeasure k : TeamMeasures)
            EXPECT_EQ(ch.Of(k).Mastered, 0);
}

TEST(TeamTable, TotalsAddUpEveryPersonPerChapter)
{
    const TLoadedContent& content = SmallContent();
    const TTeamFolder folder;
    TTeamTable table(content.Books, content.Questions, AllCollections());
    table.LoadFolder(folder.Users());
    for (int c = 0; c < table.Chapters(); ++c) {
        const TTeamChapter total = table.Total(c);
        for (TTeamMeasure k : TeamMeasures) {
            TShare sum;
            for (const TTeamMember& m : table.Members())
                sum += m.Chapters[static_cast<std::size_t>(c)].Of(k);
            EXPECT_EQ(total.Of(k), sum) << c;
            EXPECT_EQ(total.Of(k).Available,
                      3 * table.Members()[0].Chapters[static_cast<std::size_t>(c)].Of(k).Available);
        }
    }
    EXPECT_THROW(table.Total(4), std::exception);
}

TEST(TeamTable, ShareRoundsDownAndIsZeroWhenNothingIsCounted)
{
    const struct {
        TShare Share;
        int Percent;
    } cases[] = {{{0, 0}, 0}, {{1, 3}, 33}, {{2, 3}, 66}, {{3, 3}, 100}, {{0, 5}, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c.Share.Percent(), c.Percent) << c.Share.Mastered << "/" << c.Share.Available;
}

TEST(StudyDate, ASaveThatChangesStudyResultsRecordsTheDay)
{
    QTemporaryDir dir;
    const std::string users = dir.path().toStdString() + "/";
    const std::string userPath = users + "Ann.219";
    const std::string datePath = StudyDatePath(users, "Ann");
    TUser ann;
    ann.Reset(false, false);

    // A new person who answered nothing yet: no study day.
    SaveUserAndStudyDate(ann, userPath, datePath, QDate(2026, 12, 1));
    EXPECT_FALSE(ReadStudyDate(datePath));

    const struct {
        const char* What;
        void (*Change)(TUser&);
    } changes[] = {
        {"question",
         [](TUser& u) {
             u.QuestionByte({3, 17}) = 15;
         }},
        {"memory verse", [](TUser& u) { u.MemoryKnowledge[4] = 0; }},
        {"reference", [](TUser& u) { u.ReferenceKnowledge[1200] = 31; }},
    };
    int day = 2;
    for (const auto& c : changes) {
        c.Change(ann);
        SaveUserAndStudyDate(ann, userPath, datePath, QDate(2026, 12, day));
        EXPECT_EQ(ReadStudyDate(datePath), QDate(2026, 12, day)) << c.What;
        ++day;
    }
    // Saving again without an answer (options changed only) keeps the day.
    ann.MaxQuestions = 12;
    SaveUserAndStudyDate(ann, userPath, datePath, QDate(2026, 12, 20));
    EXPECT_EQ(ReadStudyDate(datePath), QDate(2026, 12, 4));
    EXPECT_EQ(std::filesystem::file_size(userPath), TUser::FileSize);
}

TEST(StudyDate, AMissingOrDamagedDateFileIsNoDate)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("x.studied")).toStdString();
    EXPECT_FALSE(ReadStudyDate(path));
    for (const char* text : {"", "yesterday", "2026-13-01", "\xff\xfe"}) {
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        f.close();
        EXPECT_FALSE(ReadStudyDate(path)) << text;
    }
}
