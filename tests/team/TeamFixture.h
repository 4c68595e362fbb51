#pragma once
// Three persons of the small fixture content in a Users folder of their own: Ann has studied
// a little of everything, Bob most questions of the first collection, Cy has never answered.
// The fixture's chapters hold questions Ga 1: 3, Ga 2: 1, Ga 3: 5, Pm 1: 4; memory passages
// 1, 0, 1, 1; verses 5, 3, 7, 8.

#include "user/StudyDate.h"
#include "user/User.h"

#include <QDate>
#include <QTemporaryDir>

#include <string>

namespace sv::test {

inline TUser TeamPerson(const std::string& fullName, const std::string& fileName)
{
    TUser u;
    u.Reset(false, false);
    u.FullName.setText(fullName);
    u.FileName.setText(fileName);
    return u;
}

// Writes the three persons into usersDir (ending in "/").
inline void WriteThreePersons(const std::string& usersDir)
{
    TUser ann = TeamPerson("Ann Lee", "Annlee");
    ann.QuestionByte({0, 1}) = 31; // Ga 1
    ann.QuestionByte({0, 3}) = 15; // Ga 2
    ann.QuestionByte({1, 3}) = 31; // Pm 1
    ann.MemoryKnowledge[1] = 31;
    ann.ReferenceKnowledge[2] = 31; // Ga 1:2
    ann.ReferenceKnowledge[20] = 0;
    ann.SaveToFile(usersDir + "Annlee.219");
    WriteStudyDate(StudyDatePath(usersDir, "Annlee"), QDate(2026, 11, 30));

    TUser bob = TeamPerson("Bob, \"the quick\"", "Bobthequick");
    for (int n = 1; n <= 8; ++n)
        bob.QuestionByte({0, n}) = 31;
    bob.QuestionByte({0, 1}) = 29; // Ga 1: mastered once, then wrong
    bob.MemoryKnowledge[2] = 31;
    bob.MemoryKnowledge[3] = 31;
    for (int v = 6; v <= 15; ++v)
        bob.ReferenceKnowledge[v] = 31;
    bob.SaveToFile(usersDir + "Bobthequick.219");
    WriteStudyDate(StudyDatePath(usersDir, "Bobthequick"), QDate(2026, 12, 9));

    TeamPerson("Cy", "Cy").SaveToFile(usersDir + "Cy.219");
}

struct TTeamFolder {
    QTemporaryDir Dir;
    std::string Users() const { return Dir.path().toStdString() + "/"; }
    TUser Person(const std::string& fullName, const std::string& fileName) const
    {
        return TeamPerson(fullName, fileName);
    }
    TTeamFolder() { WriteThreePersons(Users()); }
};

} // namespace sv::test
