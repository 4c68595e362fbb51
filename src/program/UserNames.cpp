#include "program/UserNames.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace sv {

namespace {
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
} // namespace

std::string DeriveFileName(std::string_view typed)
{
    std::string name;
    for (char c : typed)
        if (IsAsciiLetter(c))
            name += Lower(c);
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
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
    for (std::filesystem::directory_iterator it(usersDir, ec), end; !ec && it != end; it.increment(ec))
        files.push_back(it->path().filename().string());
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
        if (std::none_of(names.begin(), names.end(),
                         [&](const std::string& n) { return SameNameNoCase(n, name); }))
            names.push_back(std::move(name));
    }
    return names;
}

std::string UserFilePath(const std::string& usersDir, const std::string& fileName)
{
    const std::string wanted = fileName + ".219";
    std::error_code ec;
    if (std::filesystem::exists(usersDir + wanted, ec))
        return usersDir + wanted;
    for (std::filesystem::directory_iterator it(usersDir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string f = it->path().filename().string();
        if (SameNameNoCase(f, wanted))
            return usersDir + f;
    }
    return usersDir + wanted;
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
