#pragma once
// TTeamTable: the progress of a whole team, the persons of one Users folder, chapter by
// chapter. For every person and chapter it holds how many questions (of the chosen
// collections), memory passages and reference questions are mastered out of how many, counted
// by the progress chart's own TProgressCounts, so a row shows what that person's chart shows;
// and the date the person last studied. The totals of a chapter add up every person's counts:
// the chapters with the lowest share are the team's weakest.

#include "content/Questions.h"

#include <QDate>

#include <optional>
#include <string>
#include <vector>

namespace sv {

class TBooks;
class TUser;

// Mastered items out of those counted.
struct TShare {
    int Mastered = 0;
    int Available = 0;
    // Whole percent, rounded down; 0 when nothing is counted.
    int Percent() const { return Available > 0 ? Mastered * 100 / Available : 0; }
    TShare& operator+=(const TShare& o)
    {
        Mastered += o.Mastered;
        Available += o.Available;
        return *this;
    }
    bool operator==(const TShare&) const = default;
};

// What a table cell counts.
enum class TTeamMeasure { Questions, MemoryPassages, References };
inline constexpr TTeamMeasure TeamMeasures[] = {TTeamMeasure::Questions, TTeamMeasure::MemoryPassages,
                                                TTeamMeasure::References};

struct TTeamChapter {
    TShare Questions;
    TShare MemoryPassages;
    TShare References;
    const TShare& Of(TTeamMeasure m) const;
    TShare& Of(TTeamMeasure m);
};

struct TTeamMember {
    std::string FullName; // Windows-1252, as in the user file
    std::string FileName; // the user file's name without ".219"
    std::optional<QDate> LastStudy;
    std::vector<TTeamChapter> Chapters; // ChapterNo order: index 0 is chapter 1
};

// Every collection chosen: what the team view counts unless told otherwise.
TCollectionFlags AllCollections();

class TTeamTable {
public:
    TTeamTable(const TBooks& books, const TQuestions& questions, const TCollectionFlags& chosen);

    // Adds a person's row, counted from the record.
    void Add(const TUser& user, const std::string& fileName, std::optional<QDate> lastStudy);
    // Adds every person of usersDir (ending in "/"), in name order, with the study dates kept
    // beside their files. A missing folder or a user file that cannot be read throws EFileError.
    void LoadFolder(const std::string& usersDir);

    const std::vector<TTeamMember>& Members() const { return m_members; }
    int Chapters() const { return m_chapters; }
    // "Ga 1", ... (Windows-1252) of chapter index 0..Chapters()-1.
    std::string ChapterLabel(int chapter) const;
    // Every person's counts of a chapter added up.
    TTeamChapter Total(int chapter) const;

private:
    const TBooks& m_books;
    const TQuestions& m_questions;
    TCollectionFlags m_chosen;
    int m_chapters = 0;
    std::vector<TTeamMember> m_members;
};

} // namespace sv
