#include "program/UserNames.h"

#include "common/Win1252.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <optional>
#include <system_error>

namespace sv {

namespace {

// The Windows-1252 letters beyond A-Z: their capital and small forms.
constexpr unsigned char kPairs[][2] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};

bool IsUpper(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)
           || std::any_of(std::begin(kPairs), std::end(kPairs), [c](const auto& p) { return p[0] == c; });
}

bool IsLower(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 0xDF && c != 0xF7)
           || std::any_of(std::begin(kPairs), std::end(kPairs), [c](const auto& p) { return p[1] == c; });
}

char Lower(char ch)
{
    const auto c = static_cast<unsigned char>(ch);
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<char>(c + 0x20);
    for (const auto& p : kPairs)
        if (p[0] == c)
            return static_cast<char>(p[1]);
    return ch;
}

char Upper(char ch)
{
    const auto c = static_cast<unsigned char>(ch);
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<char>(c - 0x20);
    for (const auto& p : kPairs)
        if (p[1] == c)
            return static_cast<char>(p[0]);
    return ch; // the sharp s has no capital of its own
}

} // namespace

bool IsNameLetter(char c) { return IsUpper(static_cast<unsigned char>(c)) || IsLower(static_cast<unsigned char>(c)); }

std::string DeriveFileName(std::string_view typed)
{
    std::string name;
    for (char c : typed)
        if (IsNameLetter(c))
            name += Lower(c);
    if (!name.empty())
        name[0] = Upper(name[0]);
    return name;
}

bool SameNameNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

std::string TrimName(std::string_view name)
{
    constexpr std::string_view blanks = " \t\r\n\v\f";
    const std::size_t first = name.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return std::string(name.substr(first, name.find_last_not_of(blanks) - first + 1));
}

std::vector<std::string> ListUserNames(const std::string& usersDir)
{
    std::vector<std::string> files;
    std::error_code ec;
    // File names on disk are UTF-8; a name Windows-1252 cannot hold is no person of ours.
    for (std::filesystem::directory_iterator it(usersDir, ec), end; !ec && it != end; it.increment(ec))
        if (std::optional<std::string> name = Utf8ToWin1252(it->path().filename().string()))
            files.push_back(std::move(*name));
    std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return Lower(x) < Lower(y); });
    });
    std::vector<std::string> names;
    for (const std::string& f : files) {
        const std::size_t at = f.find(".219");
        if (at == std::string::npos)
            continue;
        std::string name = f.substr(0, at);
        if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return SameNameNoCase(n, name); }))
            names.push_back(std::move(name));
    }
    return names;
}

std::string UserFilePath(const std::string& usersDir, const std::string& fileName)
{
    const std::string wanted = fileName + ".219";
    const std::string wantedOnDisk = Win1252ToUtf8(wanted);
    std::error_code ec;
    if (std::filesystem::exists(usersDir + wantedOnDisk, ec))
        return usersDir + wantedOnDisk;
    for (std::filesystem::directory_iterator it(usersDir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string f = it->path().filename().string();
        if (const std::optional<std::string> name = Utf8ToWin1252(f); name && SameNameNoCase(*name, wanted))
            return usersDir + f;
    }
    return usersDir + wantedOnDisk;
}

TNameResolution ResolveTypedName(std::string_view typed, const std::vector<std::string>& listed)
{
    if (typed == SelectNamePrompt || typed.empty() || typed == " ")
        return {TNameAction::AskForName, {}};
    std::string fileName = DeriveFileName(typed);
    if (fileName.empty())
        return {TNameAction::AskForName, {}};
    for (const std::string& name : listed)
        if (SameNameNoCase(name, typed) || SameNameNoCase(name, fileName))
            return {TNameAction::LoadListed, fileName};
    return {TNameAction::AskNew, fileName};
}

} // namespace sv
