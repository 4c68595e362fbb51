#pragma once
// Who the person is: the file name derived from a typed name, the list of known people (the
// user files in the "Users" folder) and what OK in the user selection window does with a name.
// Names are Windows-1252 bytes; on disk the file names are UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace sv {

inline constexpr const char* SelectNamePrompt = "<Select name>";
inline constexpr int MaxNameLength = 100;

// A letter Windows-1252 has: A-Z, a-z and the accented and other Western European letters
// (é, ë, ñ, ß, Š, Œ, ...).
bool IsNameLetter(char c);

// Keeps the letters in order, lower-cased, with the first one upper-cased ("mary-ann" ->
// "Maryann", "zoë" -> "Zoë"). Everything else is dropped.
std::string DeriveFileName(std::string_view typed);

// Compares two names without regard to the case of their letters (accented ones included).
bool SameNameNoCase(std::string_view a, std::string_view b);

// A typed name without the blanks (spaces, tabs, line breaks) before and after it: names are
// kept and compared this way, so that "Ann " is Ann.
std::string TrimName(std::string_view name);

// The people with a user file in usersDir: for each file name containing ".219", the text
// before its first ".219", once (compared without regard to case), in name order. A file
// name Windows-1252 cannot hold is passed over.
std::vector<std::string> ListUserNames(const std::string& usersDir);

// The path of the user file of fileName in usersDir (ending in "/"), in UTF-8. An existing
// file whose name differs only in case is used, so that "Bob" finds "bob.219" as it does on a
// desktop with case-blind file names.
std::string UserFilePath(const std::string& usersDir, const std::string& fileName);

enum class TNameAction {
    AskForName, // nothing usable typed: "Please enter your name."
    LoadListed, // a known person: load the file of FileName
    AskNew,     // not listed: ask whether the name is spelled correctly, then create
};

struct TNameResolution {
    TNameAction Action;
    std::string FileName;
};

// What OK does with the typed text given the listed names.
//  - The prompt, an empty text or a single space asks for a name; so does a name without any
//    letter (it would give a nameless ".219" file).
//  - A typed text in the list (without regard to case) loads that person.
//  - A typed text whose derived file name is a listed person's loads that person as well:
//    creating a new record would overwrite that person's file at the next save.
//  - Anything else is a new person.
TNameResolution ResolveTypedName(std::string_view typed, const std::vector<std::string>& listed);

} // namespace sv
