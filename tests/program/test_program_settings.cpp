#include "program/ProgramSettings.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace sv {
namespace {

using TSchedule = TProgramSettings::TSchedule;

TEST(DayNumbers, CountDaysSince18991230WithTheTimeAsFraction)
{
    EXPECT_DOUBLE_EQ(ToDayNumber(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_DOUBLE_EQ(ToDayNumber(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
    const QDateTime t(QDate(2023, 5, 14), QTime(9, 30));
    EXPECT_EQ(FromDayNumber(ToDayNumber(t)), t);
}

TEST(ScheduledUpdate, DueOnlyWithAScheduleWhenPastAndNotYetShown)
{
    TProgramSettings s(QString{});
    s.NextUpdateDue = 100.0;
    const struct {
        TProgramSettings::TSchedule schedule;
        bool shown;
        double now;
        bool due;
    } cases[] = {
        {TSchedule::None, false, 500.0, false},   {TSchedule::Weekly, false, 100.5, true},
        {TSchedule::Monthly, false, 100.5, true}, {TSchedule::Weekly, false, 99.0, false},
        {TSchedule::Weekly, false, 100.0, false}, {TSchedule::Weekly, true, 500.0, false},
    };
    for (const auto& c : cases) {
        s.UpdateSchedule = c.schedule;
        EXPECT_EQ(s.ScheduledUpdateDue(c.shown, c.now), c.due) << static_cast<int>(c.schedule) << " " << c.now;
    }
    s.UpdateSchedule = TSchedule::Weekly;
    s.MoveNextUpdateDue(200.25);
    EXPECT_DOUBLE_EQ(s.NextUpdateDue, 207.25);
    s.UpdateSchedule = TSchedule::Monthly;
    s.MoveNextUpdateDue(200.25);
    EXPECT_DOUBLE_EQ(s.NextUpdateDue, 228.25);
}

TEST(ProgramSettingsFile, SurvivesARestart)
{
    const QString path = QDir::temp().filePath(QStringLiteral("sv_settings_test.ini"));
    QFile::remove(path);
    {
        TProgramSettings s(path);
        s.Load();
        EXPECT_EQ(s.UpdateSchedule, TSchedule::None);
        s.UpdateSchedule = TSchedule::Monthly;
        s.NextUpdateDue = 45123.5;
        s.UseProxy = true;
        s.ProxyServer = QStringLiteral("proxy.local:8080");
        s.ProxyUserID = QStringLiteral("ann, b");
        s.ProxyPassword = QStringLiteral("p;w\\d");
        ASSERT_TRUE(s.Save());
    }
    TProgramSettings again(path);
    again.Load();
    EXPECT_EQ(again.UpdateSchedule, TSchedule::Monthly);
    EXPECT_DOUBLE_EQ(again.NextUpdateDue, 45123.5);
    EXPECT_TRUE(again.UseProxy);
    EXPECT_EQ(again.ProxyServer, QStringLiteral("proxy.local:8080"));
    EXPECT_EQ(again.ProxyUserID, QStringLiteral("ann, b"));
    // The password never goes into the file (the keyring keeps it).
    EXPECT_TRUE(again.ProxyPassword.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_FALSE(f.readAll().contains("p;w"));
    QFile::remove(path);
}

} // namespace
} // namespace sv
