#include "common/Errors.h"
#include "common/LeStream.h"
#include "goals/TaskChoices.h"
#include "goals/Tasks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace sv;

namespace {

TTaskDef Sample(TTaskKind kind)
{
    TTaskDef t;
    t.Kind = kind;
    t.SetItemChosen(0, true);
    t.SetItemChosen(9, true);
    t.SetItemChosen(1207, true);
    t.KeywordFlag = true;
    t.KeywordWords = 3;
    t.VerseTypes = 1;
    t.AllAvailable = false;
    t.NumberOfQuestions = 45;
    t.Timed = true;
    t.ByChapters = false;
    t.ByVerses = true;
    t.Details = "Verses of Gal 2 \xE2\x80\x94 twice";
    t.TargetDay = 2461000;
    t.DueDay = 2461007;
    t.Complete = 40;
    return t;
}

struct TTempDir {
    std::filesystem::path Path = std::filesystem::temp_directory_path()
                                 / ("sv_tasks_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed())
                                    + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TTempDir() { std::filesystem::create_directories(Path); }
    ~TTempDir() { std::filesystem::remove_all(Path); }
    std::string File(const char* name) const { return (Path / name).string(); }
};

} // namespace

TEST(Tasks, IdsAreNeverHandedOutTwice)
{
    TTasks tasks;
    TTaskDef a, b, c;
    EXPECT_EQ(tasks.Add(a), 1);
    EXPECT_EQ(tasks.Add(b), 2);
    EXPECT_EQ(a.Id, 1);
    EXPECT_EQ(b.Id, 2);
    tasks.Delete(1);
    EXPECT_EQ(tasks.Count(), 1);
    // The new task gets id 3, not the count + 1 that task 2 already holds.
    EXPECT_EQ(tasks.Add(c), 3);
    EXPECT_EQ(tasks.Count(), 2);
    EXPECT_EQ(tasks.At(1).Id, 2);
    EXPECT_EQ(tasks.At(2).Id, 3);
    EXPECT_THROW(tasks.Find(1), ERangeError);
    EXPECT_THROW(tasks.Delete(1), ERangeError);
    EXPECT_EQ(tasks.LastId(), 3);
}

TEST(Tasks, AddingCopiesTheTaskAndEditingKeepsTheId)
{
    TTasks tasks;
    TTaskDef scratch = Sample(TTaskKind::Questions);
    TTaskDef other;
    tasks.Add(other);
    const int id = tasks.Add(scratch);
    scratch.NumberOfQuestions = 10; // the stored copy does not follow the scratch task
    EXPECT_EQ(tasks.Find(id).NumberOfQuestions, 45);

    TTaskDef edited = tasks.Find(id);
    edited.Id = 0;
    edited.Mixed = true;
    edited.SetItemChosen(9, false);
    tasks.Replace(id, edited);
    EXPECT_EQ(tasks.Find(id).Id, id);
    EXPECT_TRUE(tasks.Find(id).Mixed);
    EXPECT_FALSE(tasks.Find(id).ItemChosen(9));
    EXPECT_EQ(tasks.At(2).Id, id); // still in its place
    EXPECT_THROW(tasks.Replace(7, edited), ERangeError);
}

TEST(Tasks, ResetKeepsTheVerseTypes)
{
    TTaskDef t = Sample(TTaskKind::Memory);
    t.Reset();
    EXPECT_EQ(t.VerseTypes, 1);
    TTaskDef fresh;
    fresh.VerseTypes = 1;
    fresh.Kind = t.Kind;
    fresh.Details = t.Details;
    fresh.TargetDay = t.TargetDay;
    fresh.DueDay = t.DueDay;
    fresh.Complete = t.Complete;
    EXPECT_EQ(t, fresh);
    EXPECT_TRUE(t.AllAvailable);
    EXPECT_EQ(t.NumberOfQuestions, 30);
    EXPECT_TRUE(t.ByChapters);
}

TEST(Tasks, MaterialBitsAndTheirBounds)
{
    TTaskDef t;
    t.SetItemChosen(9, true);
    EXPECT_EQ(t.Material[1], 0x02); // bit i in byte i div 8, bit i mod 8
    EXPECT_TRUE(t.ItemChosen(9));
    EXPECT_FALSE(t.ItemChosen(8));
    EXPECT_THROW(t.ItemChosen(1208), ERangeError);
    EXPECT_THROW(t.SetItemChosen(-1, true), ERangeError);
}

TEST(Tasks, ChoicesRoundTripThroughATask)
{
    TMaterialChoice verses{TSelectionKind::ByVerse, {false, true, false, false, true}};
    TTaskDef t;
    StoreMaterial(t, verses);
    EXPECT_TRUE(t.ByVerses);
    EXPECT_FALSE(t.ByChapters);
    const TMaterialChoice back = MaterialOfTask(t);
    EXPECT_EQ(back.Kind, TSelectionKind::ByVerse);
    ASSERT_EQ(back.Items.size(), 1208u);
    for (std::size_t i = 0; i < back.Items.size(); ++i)
        EXPECT_EQ(back.Items[i], i == 1 || i == 4) << i;
    EXPECT_THROW(StoreMaterial(t, {TSelectionKind::ByChapter, std::vector<bool>(1209, true)}), ERangeError);

    TQuestionChoices q;
    q.Number = {false, true, 12};
    q.Modes = {true, false, true, true};
    q.KeywordTargeting = true;
    q.KeywordTargetWords = 2;
    q.MarkUniques = true;
    StoreQuestionChoices(t, q);
    const TQuestionChoices q2 = QuestionChoicesOfTask(t);
    EXPECT_EQ(q2.Number.MaxQuestions, 12);
    EXPECT_FALSE(q2.Number.AllAvailable);
    EXPECT_TRUE(q2.Number.LimitNumber);
    EXPECT_TRUE(q2.Modes.Mixed && !q2.Modes.Timed && q2.Modes.Prejump && q2.Modes.PrejumpSpoken);
    EXPECT_TRUE(q2.KeywordTargeting && q2.MarkUniques);
    EXPECT_EQ(q2.KeywordTargetWords, 2);

    TMemoryChoices m;
    m.KeywordsOnly = true;
    m.VerseTypes = 0;
    m.Number = {true, false, 30};
    StoreMemoryChoices(t, m);
    EXPECT_EQ(MemoryChoicesOfTask(t).VerseTypes, 0);
    EXPECT_TRUE(MemoryChoicesOfTask(t).KeywordsOnly);
    EXPECT_TRUE(ReferenceChoicesOfTask(t).Number.AllAvailable);
}

TEST(Tasks, TheTaskFileRoundTrips)
{
    TTempDir dir;
    TTasks tasks;
    TTaskDef a = Sample(TTaskKind::Questions), b = Sample(TTaskKind::UserDefined), c = Sample(TTaskKind::Memory);
    b.Details.clear();
    tasks.Add(a);
    tasks.Add(b);
    tasks.Add(c);
    tasks.Delete(2);
    const std::string path = TaskFilePath(dir.Path.string() + "/", "bob");
    EXPECT_EQ(path, dir.Path.string() + "/bob.tasks");
    tasks.SaveToFile(path);

    TTasks loaded;
    loaded.LoadFromFile(path);
    ASSERT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.LastId(), 3);
    EXPECT_EQ(loaded.At(1), tasks.At(1));
    EXPECT_EQ(loaded.At(2), tasks.At(2));
    TTaskDef d;
    EXPECT_EQ(loaded.Add(d), 4);

    TTasks none;
    none.Add(d);
    none.LoadFromFile(dir.File("nobody.tasks"));
    EXPECT_EQ(none.Count(), 0);
    EXPECT_EQ(none.LastId(), 0);
}

TEST(Tasks, ADamagedTaskFileIsRefusedWholeAndLeavesAnEmptyList)
{
    TTempDir dir;
    TTasks tasks;
    TTaskDef a = Sample(TTaskKind::Questions), b = Sample(TTaskKind::AccordingTo);
    tasks.Add(a);
    tasks.Add(b);
    TStreamWriter w;
    tasks.SaveToStream(w);
    const std::vector<std::uint8_t> good = w.data();

    auto variant = [&](auto change) {
        std::vector<std::uint8_t> bytes = good;
        change(bytes);
        return bytes;
    };
    const std::vector<std::vector<std::uint8_t>> damaged = {
        variant([](auto& v) { v.resize(v.size() - 1); }), // truncated
        variant([](auto& v) { v.resize(12 + 100); }),     // cut inside the first task
        variant([](auto& v) { v.push_back(0); }),         // trailing byte
        variant([](auto& v) { v[0] = 2; }),               // unknown version
        variant([](auto& v) {
            v[4] = 0xFF;
            v[5] = 0xFF;
            v[6] = 0xFF;
            v[7] = 0x7F;
        }), // huge count
        variant([](auto& v) {
            v[4] = 0xFF;
            v[5] = 0xFF;
            v[6] = 0xFF;
            v[7] = 0xFF;
        }),                                            // negative count
        variant([](auto& v) { v[12 + 151 + 4] = 2; }), // a flag that is not 0 or 1
        variant([](auto& v) { v[12 + 151] = 9; }),     // id above the last id
        std::vector<std::uint8_t>{1, 0},
        std::vector<std::uint8_t>{},
    };
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        const std::string path = dir.File("damaged.tasks");
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(damaged[i].data()), static_cast<std::streamsize>(damaged[i].size()));
        TTasks loaded;
        TTaskDef old;
        loaded.Add(old);
        try {
            loaded.LoadFromFile(path);
            ADD_FAILURE() << "case " << i << " was accepted";
        } catch (const ERangeError& e) {
            EXPECT_NE(std::string(e.what()).find("damaged.tasks is damaged"), std::string::npos) << e.what();
        }
        EXPECT_EQ(loaded.Count(), 0) << i;
        EXPECT_EQ(loaded.LastId(), 0) << i;
    }
}

TEST(Tasks, AnUnreadableTaskFileIsPutAsideAndNeverWrittenOver)
{
    TTempDir dir;
    const std::string path = dir.File("bob.tasks");
    const std::string newer("\x02\0\0\0", 4); // a version this program does not know
    auto write = [](const std::string& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; };
    auto read = [](const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    TTaskDef task = Sample(TTaskKind::Memory);

    // Put aside as "<name>.tasks.bad", and the message says where.
    write(path, newer);
    TTasks tasks;
    try {
        tasks.LoadFromFile(path);
        ADD_FAILURE() << "a newer version was accepted";
    } catch (const ERangeError& e) {
        EXPECT_NE(std::string(e.what()).find("kept as " + path + ".bad"), std::string::npos) << e.what();
    }
    EXPECT_EQ(read(path + ".bad"), newer);
    tasks.Add(task);
    tasks.SaveToFile(path);
    EXPECT_EQ(read(path + ".bad"), newer);
    TTasks back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.Count(), 1);

    // The name is taken by an earlier one: the file stays where it is and the save leaves it.
    write(path, newer + "x");
    try {
        tasks.LoadFromFile(path);
        ADD_FAILURE() << "a damaged file was accepted";
    } catch (const ERangeError& e) {
        EXPECT_NE(std::string(e.what()).find("not written over"), std::string::npos) << e.what();
    }
    tasks.Add(task);
    tasks.SaveToFile(path);
    EXPECT_EQ(read(path), newer + "x");
    EXPECT_EQ(read(path + ".bad"), newer);
    // Another person's list is written as usual.
    tasks.Clear();
    tasks.Add(task);
    tasks.SaveToFile(dir.File("ann.tasks"));
    EXPECT_TRUE(std::filesystem::exists(dir.File("ann.tasks")));
}

TEST(Tasks, AFailedSaveLeavesTheOldFile)
{
    TTempDir dir;
    TTasks tasks;
    TTaskDef a;
    tasks.Add(a);
    const std::string path = dir.File("bob.tasks");
    tasks.SaveToFile(path);
    const auto size = std::filesystem::file_size(path);
    EXPECT_THROW(tasks.SaveToFile(dir.File("missing/bob.tasks")), EFileError);
    EXPECT_EQ(std::filesystem::file_size(path), size);
}
