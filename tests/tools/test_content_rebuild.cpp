// Rebuilding the content in the running program: the scripture text kept by the build answers
// without the Bible module, the rebuild's folders follow the program's layout, and a person's
// results stay on their questions through two builds of the shipped portion.

#include "compiler/CoachQuestions.h"
#include "compiler/TextCache.h"
#include "program/ContentPlaces.h"
#include "tools/TwelveVerses.h"

#include "common/Errors.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "content/Words.h"
#include "user/History.h"
#include "user/Knowledge.h"
#include "user/ProgressCarry.h"
#include "user/User.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <map>

using namespace sv;
using namespace sv::content;
using namespace sv::test;

namespace {

TScriptureSource Refusing()
{
    return [](const std::string& module, const std::string& key, const std::string&,
              const std::string&) -> std::string { throw ESourceError(module + " " + key, 0, "no Bible module here"); };
}

} // namespace

TEST(TextCache, WhatTheBuildAskedIsAnsweredWithoutTheModule)
{
    QTemporaryDir dir;
    const std::string cache = dir.filePath(QStringLiteral("text")).toStdString();
    int asked = 0;
    const TScriptureSource counting = [&](const std::string& m, const std::string& k, const std::string& f,
                                          const std::string& o) {
        ++asked;
        return TwelveVerses()(m, k, f, o);
    };
    const auto first = Compile(Portion({Question(1, 2, AskedAt(2))}), RecordingSource(counting, cache));
    EXPECT_GT(asked, 0);
    const auto again = Compile(Portion({Question(1, 2, AskedAt(2))}), CachedSource(cache, Refusing()));
    EXPECT_EQ(again->Stats.Verses, first->Stats.Verses);

    // Each question has its own file, whatever characters its key holds; what the folder does
    // not hold goes to the fallback.
    const std::string a = TextCacheFile(cache, "mod", "1 Pet/../x", "internal", "hf");
    EXPECT_EQ(std::filesystem::path(a).parent_path(), std::filesystem::path(cache));
    EXPECT_NE(a, TextCacheFile(cache, "mod", "1 Pet/../x", "OSIS", "f"));
    EXPECT_THROW(CachedSource(cache, Refusing())("mod", "Eph", "internal", "hf"), ESourceError);
}

TEST(ContentPlaces, ARebuildGoesWhereTheProgramMayWrite)
{
    QTemporaryDir dir;
    const std::string root = dir.path().toStdString() + "/";
    const TProgramPaths folder{root + "prog/", root + "prog/", root + "prog/Users/", {}, TDataLayout::ProgramFolder};
    const TProgramPaths installed{root + "share/", root + "data/", root + "data/Users/", {}, TDataLayout::PerUser};
    const TContentPlaces f = ContentPlacesOf(folder), i = ContentPlacesOf(installed);
    EXPECT_EQ(f.SourcesDir, root + "prog/source/");
    EXPECT_EQ(f.TextCacheDir, root + "prog/source/text/");
    EXPECT_EQ(f.CoachDir, root + "prog/Coach/shipped/");
    EXPECT_EQ(f.BuildDir, root + "prog/");
    EXPECT_EQ(i.SourcesDir, root + "share/source/");
    EXPECT_EQ(i.CoachDir, root + "data/Coach/shipped/");
    EXPECT_EQ(i.BuildDir, root + "data/Content/shipped/");
    EXPECT_EQ(ContentDirToLoad(folder, f), folder.ProgramDir);

    // An installed program loads its rebuild only while the shipped content is the one it was
    // made from: after an update the shipped files come first again.
    std::filesystem::create_directories(i.BuildDir);
    std::filesystem::create_directories(installed.ProgramDir);
    std::ofstream(installed.ProgramDir + "wf.qs") << "shipped one";
    EXPECT_EQ(ContentDirToLoad(installed, i), installed.ProgramDir) << "no rebuild yet";
    std::ofstream(i.BuildDir + "wf.qs") << "rebuilt";
    NoteRebuildOrigin(installed, i);
    EXPECT_EQ(ContentDirToLoad(installed, i), i.BuildDir);
    std::ofstream(installed.ProgramDir + "wf.qs") << "shipped two";
    EXPECT_EQ(ContentDirToLoad(installed, i), installed.ProgramDir);
}

#ifdef SV_PROGRAM_DIR
namespace {

// Every authored question's number in the built folder, by its text.
std::map<std::string, TQuestionAddr> Numbers(const std::string& dir)
{
    TWords words;
    words.LoadFromFile(dir + "wf.wl");
    TBooks books(words);
    books.LoadFromFile(dir + "wf.bk");
    TQuestions qs(words, books);
    qs.LoadFromFile(dir + "wf.qs");
    std::map<std::string, TQuestionAddr> out;
    for (int c = 0; c < MaxCollections; ++c)
        for (int i = 1; i <= qs.QuestionCount(c); ++i)
            out.emplace(qs.QuestionPlainText({c, i}), TQuestionAddr{c, i});
    return out;
}

} // namespace

// The shipped portion as the program carries it (sources and scripture text beside it), built
// twice: a question inserted at the start of Galatians renumbers nearly every question, and the
// person's grades follow their questions.
TEST(ShippedRebuild, APersonsResultsStayOnTheirQuestionsWhenAQuestionIsInserted)
{
    const std::string program = SV_PROGRAM_DIR "/";
    const TScriptureSource text = CachedSource(program + "source/text/", Refusing());
    QTemporaryDir tmp;
    const std::string before = tmp.filePath(QStringLiteral("before/")).toStdString();
    const std::string after = tmp.filePath(QStringLiteral("after/")).toStdString();
    const std::string users = tmp.filePath(QStringLiteral("Users/")).toStdString();
    std::filesystem::create_directories(before);
    std::filesystem::create_directories(after);
    std::filesystem::create_directories(users);

    TCoachQuestions coach(ReadSourceSet(program + "source"), tmp.filePath(QStringLiteral("coach")).toStdString());
    const auto first = RebuildContent(coach.Sources(), text, before);
    ASSERT_TRUE(first.Built) << first.Problem;
    const auto oldNumbers = Numbers(before);

    TAuthoredQuestion inserted;
    inserted.Collection = 1;
    inserted.Type = *AuthoredTypeCode("who");
    inserted.Question = "Who sent Paul, not from men?";
    inserted.Parts = {{TVerseRef(1, 1, 1), "Jesus Christ", {}}};
    coach.Add(inserted);
    const auto second = RebuildContent(coach.Sources(), text, after);
    ASSERT_TRUE(second.Built) << second.Problem;
    const auto newNumbers = Numbers(after);

    // A person graded on every fifth question of the first build, each with its own byte.
    TUser user;
    std::map<std::string, std::uint8_t> graded;
    int n = 0;
    for (const auto& [question, at] : oldNumbers)
        if (n++ % 5 == 0) {
            const auto byte = static_cast<std::uint8_t>(0x10 + n % 0x60);
            user.QuestionByte(at) = byte;
            graded[question] = byte;
        }
    user.FileName.setText("Ann");
    user.SaveToFile(users + "Ann.219");
    const TPersonFiles files = PersonFilesOf(users + "Ann.219", users, "Ann");
    TPortionKeys oldKeys = LoadPortionKeys(before + "wf.qid", before + "wf.qs");
    ASSERT_TRUE(oldKeys.Keys) << oldKeys.Problem;
    oldKeys.Keys->SaveToFile(files.KeysFile);
    TPortionKeys newKeys = LoadPortionKeys(after + "wf.qid", after + "wf.qs");
    ASSERT_TRUE(newKeys.Keys) << newKeys.Problem;

    const TCarryReport report = FollowQuestions(*newKeys.Keys, files, user, "2026-12-10");
    EXPECT_EQ(report.Outcome, TCarryOutcome::Carried);
    EXPECT_EQ(report.Counts, (TCarryCounts{1, 0}));
    int moved = 0;
    for (const auto& [question, byte] : graded) {
        const TQuestionAddr now = newNumbers.at(question);
        EXPECT_EQ(user.QuestionByte(now), byte) << question;
        moved += now != oldNumbers.at(question);
    }
    EXPECT_GT(moved, 10) << "the inserted question renumbered the later ones";
    EXPECT_EQ(user.QuestionByte(newNumbers.at("Who sent Paul, not from men?")), KnowledgeUntried);
}
#endif
