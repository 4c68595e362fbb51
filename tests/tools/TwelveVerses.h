#pragma once
// A tiny portion for compiling questions: Galatians 1 with twelve verses, each reading
// "Paul wrote verse number N.", and questions whose answer is their verse's words.

#include "compiler/Compiler.h"

#include <string>
#include <vector>

namespace sv::test {

inline content::TScriptureSource TwelveVerses()
{
    return [](const std::string&, const std::string&, const std::string&, const std::string&) {
        std::string raw;
        for (int v = 1; v <= 12; ++v)
            raw += "Galatians 1:" + std::to_string(v) + ": Paul wrote verse number " + std::to_string(v) + ".\n";
        return raw + "(mod)\n";
    };
}

// The same portion as a portion.yaml.
inline constexpr const char* TwelveVersesPortionYaml =
    "module: mod\n"
    "books:\n"
    "  - name: Galatians\n"
    "    abbrev: \"Gal\"\n"
    "    key: Gal\n"
    "    chapters: [12]\n"
    "collections:\n"
    "  - {number: 0, name: \"A\"}\n  - {number: 1, name: \"B\"}\n  - {number: 2, name: \"C\"}\n"
    "  - {number: 3, name: \"D\"}\n  - {number: 4, name: \"E\"}\n  - {number: 5, name: \"F\"}\n"
    "  - {number: 6, name: \"G\"}\n  - {number: 7, name: \"H\"}\n";

inline std::string AskedAt(int verse) { return "What did Paul write in verse " + std::to_string(verse) + "?"; }

// A question of collection 1 on Gal 1:verse, written at q.yaml line verse.
inline content::TAuthoredQuestion Question(int id, int verse, const std::string& text)
{
    content::TAuthoredQuestion q;
    q.Id = id;
    q.Collection = 1;
    q.Type = 3;
    q.Question = text;
    q.Parts = {{TVerseRef(1, 1, verse), "Verse number " + std::to_string(verse), {}}};
    q.Pos = {"q.yaml", verse};
    return q;
}

inline content::TSourceSet Portion(const std::vector<content::TAuthoredQuestion>& questions)
{
    content::TSourceSet s;
    s.Portion.Module = "mod";
    s.Portion.Books.push_back({"Galatians", "Gal", "Gal", {12}, {"portion.yaml", 3}});
    for (int c = 0; c < 8; ++c)
        s.Portion.Collections[static_cast<std::size_t>(c)].Name = "C" + std::to_string(c);
    s.Sections = {{TVerseRef(1, 1, 1), "Greeting", {}}};
    s.Authored = questions;
    return s;
}

} // namespace sv::test
