#include "FileTestHelpers.h"
#include "common/Errors.h"
#include "user/History.h"

#include <gtest/gtest.h>

using namespace sv;
using sv::test::ReadAll;
using sv::test::WriteAll;

TEST(History, FileIsExactlyTheCountsInQuestionOrder)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("ann.219h")).toStdString();
    THistory h;
    h.At({0, 1}) = 1;
    h.At({3, 8191}) = 200;
    h.At({7, 8191}) = 255;
    h.SaveToFile(path);
    const auto b = ReadAll(path);
    ASSERT_EQ(b.size(), 65528u);
    EXPECT_EQ(b[0], 1);
    EXPECT_EQ(b[3 * 8191 + 8190], 200);
    EXPECT_EQ(b[65527], 255);

    THistory back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.SetUseCount({3, 8191}), 200);
    back.Clear();
    EXPECT_EQ(back.SetUseCount({7, 8191}), 0);
}

TEST(History, ShortFileLeavesTheRestUnchanged)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("h")).toStdString();
    WriteAll(path, {9, 8, 7});
    THistory h;
    h.At({0, 3}) = 50;
    h.At({0, 4}) = 60;
    h.LoadFromFile(path);
    EXPECT_EQ(h.SetUseCount({0, 1}), 9);
    EXPECT_EQ(h.SetUseCount({0, 3}), 7);
    EXPECT_EQ(h.SetUseCount({0, 4}), 60);
}

TEST(History, IndexesAreRangeChecked)
{
    THistory h;
    EXPECT_THROW(h.SetUseCount({8, 1}), ERangeError);
    EXPECT_THROW(h.SetUseCount({0, 0}), ERangeError);
    EXPECT_THROW(h.SetUseCount({0, 8192}), ERangeError);
    EXPECT_THROW(h.At({-1, 5}), ERangeError);
}

TEST(History, MissingFileAndFailedSave)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("ann.219h")).toStdString();
    THistory h;
    try {
        h.LoadFromFile(path);
        ADD_FAILURE() << "no error";
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
    }

    h.At({1, 1}) = 4;
    h.SaveToFile(path);
    const auto old = ReadAll(path);
    h.At({1, 1}) = 5;
    {
        sv::test::TFileSizeLimit limit(1000);
        try {
            h.SaveToFile(path);
            ADD_FAILURE() << "save past the size limit reported success";
        } catch (const EFileError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot create file " + path);
        }
    }
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(sv::test::Entries(dir), QStringList{QStringLiteral("ann.219h")});
}
