#include "team/TeamTable.h"

#include "common/Errors.h"
#include "content/Books.h"
#include "program/UserNames.h"
#include "progress/ProgressCounts.h"
#include "user/StudyDate.h"
#include "user/User.h"

#include <filesystem>

namespace sv {

namespace {

TShare ShareAt(const TProgressCounts& counts, int point)
{
    return {counts.Value(point, TProgressSeries::Mastered), counts.Available(point)};
}

} // namespace

const TShare& TTeamChapter::Of(TTeamMeasure m) const
{
    switch (m) {
    case TTeamMeasure::Questions:
        return Questions;
    case TTeamMeasure::MemoryPassages:
        return MemoryPassages;
    case TTeamMeasure::References:
        break;
    }
    return References;
}

TShare& TTeamChapter::Of(TTeamMeasure m) { return const_cast<TShare&>(static_cast<const TTeamChapter&>(*this).Of(m)); }

TCollectionFlags AllCollections()
{
    TCollectionFlags all;
    for (int c = 0; c <= 7; ++c)
        all[c] = 1;
    return all;
}

TTeamTable::TTeamTable(const TBooks& books, const TQuestions& questions, const TCollectionFlags& chosen)
    : m_books(books), m_questions(questions), m_chosen(chosen), m_chapters(books.TotalChapters())
{ }

void TTeamTable::Add(const TUser& user, const std::string& fileName, std::optional<QDate> lastStudy)
{
    TTeamMember m;
    m.FullName = user.FullName.text();
    m.FileName = fileName;
    m.LastStudy = lastStudy;
    m.Chapters.resize(static_cast<std::size_t>(m_chapters));
    TProgressCounts counts(m_books, m_questions, user);
    counts.CountQuestions(m_chosen);
    for (int p = 0; p < m_chapters; ++p)
        m.Chapters[static_cast<std::size_t>(p)].Questions = ShareAt(counts, p);
    counts.CountMemoryVerses();
    for (int p = 0; p < m_chapters; ++p)
        m.Chapters[static_cast<std::size_t>(p)].MemoryPassages = ShareAt(counts, p);
    counts.CountReferences();
    for (int p = 0; p < m_chapters; ++p)
        m.Chapters[static_cast<std::size_t>(p)].References = ShareAt(counts, p);
    m_members.push_back(std::move(m));
}

void TTeamTable::LoadFolder(const std::string& usersDir)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(usersDir, ec))
        throw EFileError("Cannot open file " + usersDir);
    for (const std::string& name : ListUserNames(usersDir)) {
        TUser user; // fresh each time: a short file must not keep another person's results
        user.LoadFromFile(UserFilePath(usersDir, name));
        Add(user, name, ReadStudyDate(StudyDatePath(usersDir, name)));
    }
}

std::string TTeamTable::ChapterLabel(int chapter) const
{
    if (chapter < 0 || chapter >= m_chapters)
        ThrowIndex("team chapter", chapter, 0, m_chapters - 1);
    return m_books.ChapterLabel(chapter + 1);
}

TTeamChapter TTeamTable::Total(int chapter) const
{
    if (chapter < 0 || chapter >= m_chapters)
        ThrowIndex("team chapter", chapter, 0, m_chapters - 1);
    TTeamChapter total;
    for (const TTeamMember& m : m_members)
        for (TTeamMeasure k : TeamMeasures)
            total.Of(k) += m.Chapters[static_cast<std::size_t>(chapter)].Of(k);
    return total;
}

} // namespace sv
