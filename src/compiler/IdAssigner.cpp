#include "compiler/IdAssigner.h"

#include "compiler/SourceError.h"
#include "compiler/Sources.h"

#include "common/SaveAtomically.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace sv::content {

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ESourceError(path, 0, "file not found");
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string LineEnd(const std::string& text) { return text.find("\r\n") != std::string::npos ? "\r\n" : "\n"; }

// Byte offset of the start of line `line` (0-based) plus column.
std::size_t OffsetOf(const std::string& text, int line, int column)
{
    std::size_t at = 0;
    for (int l = 0; l < line; ++l) {
        at = text.find('\n', at);
        if (at == std::string::npos)
            return text.size();
        ++at;
    }
    return at + static_cast<std::size_t>(column);
}

// portion.yaml with next-id set: the number replaced where it stands, or a line appended.
std::string WithNextId(const std::string& text, const YAML::Node& root, int next)
{
    const std::string number = std::to_string(next);
    if (const YAML::Node n = root["next-id"]) {
        const auto m = n.Mark();
        const std::size_t at = OffsetOf(text, m.line, m.column);
        std::size_t end = at;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
            ++end;
        return text.substr(0, at) + number + text.substr(end);
    }
    const std::string eol = LineEnd(text);
    std::string out = text;
    if (!out.empty() && out.back() != '\n')
        out += eol;
    return out + "# The id \"sv-content ids\" gives the next authored question that has none." + eol
           + "next-id: " + number + eol;
}

} // namespace

std::string InsertIds(const std::string& text, const std::vector<std::pair<std::size_t, int>>& at)
{
    const std::string eol = LineEnd(text);
    std::vector<std::pair<std::size_t, int>> sorted = at;
    std::sort(sorted.begin(), sorted.end());
    std::string out = text;
    for (auto it = sorted.rbegin(); it != sorted.rend(); ++it) {
        const std::size_t pos = it->first;
        const std::size_t newline = pos == 0 ? std::string::npos : out.rfind('\n', pos - 1);
        const std::size_t column = newline == std::string::npos ? pos : pos - newline - 1;
        out.insert(pos, "id: " + std::to_string(it->second) + eol + std::string(column, ' '));
    }
    return out;
}

TIdAssignment AssignIds(const std::string& sourcesDir)
{
    namespace fs = std::filesystem;
    const fs::path dir(sourcesDir);
    const std::string portionPath = (dir / "portion.yaml").string();
    const TPortion portion = ReadPortion(portionPath);
    std::vector<std::string> files;
    const fs::path folder = dir / "questions";
    if (fs::is_directory(folder))
        for (const auto& e : fs::directory_iterator(folder))
            if (e.is_regular_file() && e.path().extension() == ".yaml")
                files.push_back(e.path().string());
    std::sort(files.begin(), files.end());

    // Every file is read and checked before anything is written.
    int highest = 0;
    std::vector<std::vector<TAuthoredQuestion>> questions;
    for (const auto& f : files) {
        questions.push_back(ReadQuestionFile(f, portion));
        for (const auto& q : questions.back())
            highest = std::max(highest, q.Id);
    }
    int next = std::max({portion.NextId, highest + 1, 1});

    TIdAssignment result;
    std::vector<std::pair<std::string, std::string>> writes; // (path, new text)
    for (std::size_t f = 0; f < files.size(); ++f) {
        const std::string text = ReadText(files[f]);
        const YAML::Node root = YAML::Load(text);
        std::vector<std::pair<std::size_t, int>> at;
        std::size_t k = 0;
        for (const auto& q : root) {
            if (questions[f][k++].Id != 0)
                continue;
            const auto m = q.Mark();
            const std::size_t pos = OffsetOf(text, m.line, m.column);
            if (pos >= text.size() || text[pos] == '{')
                TSourcePos{files[f], m.line + 1}.fail("a question written as {...} on one line gets its id by hand");
            if (next > MaxQuestionIdValue)
                TSourcePos{files[f], m.line + 1}.fail("no id is left below " + std::to_string(MaxQuestionIdValue));
            at.emplace_back(pos, next++);
        }
        if (at.empty())
            continue;
        result.Assigned += static_cast<int>(at.size());
        writes.emplace_back(files[f], InsertIds(text, at));
    }
    result.NextId = next;
    const std::string portionText = ReadText(portionPath);
    if (portion.NextId != next) {
        const std::string withNext = WithNextId(portionText, YAML::Load(portionText), next);
        SaveAtomically(portionPath, std::span<const char>(withNext.data(), withNext.size()));
    }
    for (const auto& [path, text] : writes) {
        SaveAtomically(path, std::span<const char>(text.data(), text.size()));
        result.Files.push_back(path);
    }
    return result;
}

} // namespace sv::content
