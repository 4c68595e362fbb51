#include "program/UserNames.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace sv {
namespace {

TEST(FileNameDerivation, KeepsOnlyLettersLowerCasedWithCapitalFirst)
{
    const struct {
        const char* typed;
        const char* fileName;
    } cases[] = {
        {"mary-ann", "Maryann"},
        {"MARYANN", "Maryann"},
        {"Bob", "Bob"},
        {"bob", "Bob"},
        {"Mary Ann 2", "Maryann"},
        {"  j.r. o'neil 3rd", "Jroneilrd"},
        {"42", ""},
        {"", ""},
        {"Zo\xEB", "Zo\xEB"},          // the letters of Windows-1252 are kept: Zoë
        {"ZO\xCB", "Zo\xEB"},          // ... lower-cased as A-Z are
        {"\xE9mile", "\xC9mile"},      // ... and the first one capitalised: Émile
        {"\xFEorir", "\xDEorir"},      // Þórir
        {"\xFFves", "\x9Fves"},        // ÿ has its capital at 0x9F
        {"\x9Aime", "\x8Aime"},        // Šime
        {"\xDF", "\xDF"},              // ß has no capital of its own
        {"Ni\xF1o \xD7 2", "Ni\xF1o"}, // the multiplication sign is no letter
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeriveFileName(c.typed), c.fileName) << "typed: " << c.typed;
}

TEST(TypedNameResolution, AsksForANameLoadsListedOrOffersNew)
{
    const std::vector<std::string> listed = {"bob", "Maryann"};
    const struct {
        const char* typed;
        TNameAction action;
        const char* fileName;
    } cases[] = {
        {"<Select name>", TNameAction::AskForName, ""},
        {"", TNameAction::AskForName, ""},
        {" ", TNameAction::AskForName, ""},
        {"Bob", TNameAction::LoadListed, "Bob"}, // the list is compared without case
        {"MARYANN", TNameAction::LoadListed, "Maryann"},
        {"Ann", TNameAction::AskNew, "Ann"},
        {"mary-ann", TNameAction::LoadListed, "Maryann"}, // derived name of a listed person
        // Mended: "Mary Ann" derives Maryann; a new record would overwrite Maryann's file.
        {"Mary Ann", TNameAction::LoadListed, "Maryann"},
        // Mended: no letter at all would make a nameless ".219" file.
        {"123", TNameAction::AskForName, ""},
        {"--", TNameAction::AskForName, ""},
        {"\xE9", TNameAction::AskNew, "\xC9"},   // one accented letter is a name
        {"Ann\xA0", TNameAction::AskNew, "Ann"}, // a no-break space is no letter

        {"  ", TNameAction::AskForName, ""},
    };
    for (const auto& c : cases) {
        const TNameResolution r = ResolveTypedName(c.typed, listed);
        EXPECT_EQ(r.Action, c.action) << "typed: " << c.typed;
        EXPECT_EQ(r.FileName, c.fileName) << "typed: " << c.typed;
    }
}

class UserFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path()
                / ("sv_users_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_"
                   + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    void Touch(const std::string& name) { std::ofstream(m_dir / name) << "x"; }
    std::string Dir() const { return m_dir.string() + "/"; }
    std::filesystem::path m_dir;
};

TEST_F(UserFolder, ListsEachPersonOnceInNameOrder)
{
    for (const char* f : {"Maryann.219", "bob.219", "Bob.219h", "Carl.219.bak", "notes.txt", "Dave.21"})
        Touch(f);
    EXPECT_EQ(ListUserNames(Dir()), (std::vector<std::string>{"bob", "Carl", "Maryann"}));
}

TEST_F(UserFolder, MissingFolderListsNobody) { EXPECT_TRUE(ListUserNames(Dir() + "missing/").empty()); }

TEST_F(UserFolder, UserFileFoundWithoutRegardToCase)
{
    Touch("bob.219");
    EXPECT_EQ(UserFilePath(Dir(), "Bob"), Dir() + "bob.219");
    EXPECT_EQ(UserFilePath(Dir(), "Ann"), Dir() + "Ann.219");
}

TEST_F(UserFolder, AccentedNamesAreUtf8OnDiskAndWindows1252InTheProgram)
{
    Touch("zo\xC3\xAB.219");       // zoë.219, as the desktop writes it
    Touch("\xD0\x98\xD0\xB2.219"); // Ив.219: no letter of ours
    EXPECT_EQ(ListUserNames(Dir()), (std::vector<std::string>{"zo\xEB"}));
    EXPECT_EQ(UserFilePath(Dir(), "Zo\xEB"), Dir() + "zo\xC3\xAB.219");
    EXPECT_EQ(UserFilePath(Dir(), "\xC9mile"), Dir() + "\xC3\x89mile.219");
}

} // namespace
} // namespace sv
