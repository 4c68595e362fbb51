// Questions written as a question file read back field for field, whatever their text holds.

#include "compiler/QuestionFile.h"

#include "common/Errors.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::content;

namespace {

TPortion Portion()
{
    TPortion p;
    p.Module = "mod";
    p.Books.push_back({"Galatians", "Gal", "Gal", {5, 4}, {}});
    p.Books.push_back({"Ephesians", "Eph", "Eph", {3}, {}});
    return p;
}

void ExpectSame(const TAuthoredQuestion& a, const TAuthoredQuestion& b)
{
    EXPECT_EQ(a.Id, b.Id);
    EXPECT_EQ(a.Collection, b.Collection);
    EXPECT_EQ(a.Also, b.Also);
    EXPECT_EQ(a.Type, b.Type);
    EXPECT_EQ(a.Prefix, b.Prefix);
    EXPECT_EQ(a.Question, b.Question);
    ASSERT_EQ(a.Parts.size(), b.Parts.size()) << a.Question;
    for (std::size_t i = 0; i < a.Parts.size(); ++i) {
        EXPECT_EQ(a.Parts[i].Ref, b.Parts[i].Ref) << a.Question;
        EXPECT_EQ(a.Parts[i].Text, b.Parts[i].Text) << a.Question;
    }
    EXPECT_EQ(a.Allow, b.Allow);
    EXPECT_EQ(a.Reviewed, b.Reviewed);
    EXPECT_EQ(a.WordingReviewed, b.WordingReviewed);
}

} // namespace

TEST(QuestionFile, WrittenQuestionsReadBackUnchanged)
{
    std::vector<TAuthoredQuestion> qs(4);
    qs[0].Id = 12;
    qs[0].Collection = 1;
    qs[0].Type = *AuthoredTypeCode("who");
    qs[0].Question = "Who said: \"Grace to you\" # not a comment?";
    qs[0].Parts = {{TVerseRef(1, 1, 3),
                    "Paul\x92s \x93"
                    "friend\x94 \xE9"
                    "lan",
                    {}}}; // ’ “ ” é
    qs[1].Collection = 3;
    qs[1].Also = {7, 5};
    qs[1].Type = *AuthoredTypeCode("what");
    qs[1].Prefix = "Three-part answer.";
    qs[1].Question = "What three things?";
    qs[1].Parts = {
        {TVerseRef(1, 1, 1), "yes", {}}, {TVerseRef(1, 2, 4), "no; maybe", {}}, {TVerseRef(2, 1, 3), "- true", {}}};
    qs[1].Allow = {"maybe"};
    qs[1].Reviewed = {TVerseRef(2, 1, 2)};
    qs[1].WordingReviewed = {"what", "these gifts"};
    qs[2].Id = 3;
    qs[2].Collection = 0;
    qs[2].Type = 9; // a type without a name: written as its code
    qs[2].Question = "'Quoted'?";
    qs[2].Parts = {{TVerseRef(1, 2, 1), "null", {}}};
    qs[3].Collection = 6;
    qs[3].Type = *AuthoredTypeCode("according-to");
    qs[3].Question = "what happened?";
    qs[3].Parts = {{TVerseRef(2, 1, 1), "123", {}}};

    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("local.yaml")).toStdString();
    WriteQuestionFile(path, qs, Portion());
    const auto back = ReadQuestionFile(path, Portion());
    ASSERT_EQ(back.size(), qs.size()) << QuestionFileText(qs, Portion());
    for (std::size_t i = 0; i < qs.size(); ++i)
        ExpectSame(back[i], qs[i]);

    WriteQuestionFile(path, {}, Portion());
    EXPECT_TRUE(ReadQuestionFile(path, Portion()).empty());
}

TEST(QuestionFile, AFileThatCannotBeWrittenSaysWhich)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("missing/local.yaml")).toStdString();
    try {
        WriteQuestionFile(path, {}, Portion());
        FAIL() << "no error";
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + path);
    }
}
