#include "voice/Personality.h"

#include <fstream>
#include <sstream>

namespace sv {

namespace {
const char* const kEventNames[CommentEventCount] = {
    "Correct1",   "Correct3",   "Correct5", "AllCorrect", "Incorrect1",
    "Incorrect3", "Incorrect5", "Quit",     "QuitEarly",  "Goodbye",
};
} // namespace

const char* CommentEventName(int event) { return event >= 0 && event < CommentEventCount ? kEventNames[event] : ""; }

int CommentEventOf(const std::string& name)
{
    for (int e = 0; e < CommentEventCount; ++e)
        if (name == kEventNames[e])
            return e;
    return -1;
}

TPersonality::TPersonality()
{
    for (int e = 0; e < CommentEventCount; ++e) {
        Header[e] = -1;
        Last[e] = -1;
    }
}

void TPersonalities::Parse(const std::string& fileText)
{
    Lines.clear();
    std::size_t pos = 0;
    while (pos < fileText.size()) {
        std::size_t end = fileText.find('\n', pos);
        if (end == std::string::npos)
            end = fileText.size();
        std::string line = fileText.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            Lines.push_back(std::move(line));
        pos = end + 1;
    }

    Slots.assign(10, TPersonality());
    Count = 0;
    int current = 0; // the current comment event
    const int n = static_cast<int>(Lines.size());
    for (int i = 0; i < n; ++i) {
        const std::string& line = Lines[i];
        const std::size_t eq = line.find('=');
        if (line[0] != '[' || eq == std::string::npos)
            continue;
        if (Count > 0 && Slots[Count - 1].Header[current] > 0)
            Slots[Count - 1].Last[current] = i - 1;
        const std::string key = line.substr(1, eq - 1);
        // The value ends before the line's last character (the closing "]").
        const std::string value = eq + 1 < line.size() ? line.substr(eq + 1, line.size() - eq - 2) : std::string();
        if (key == "Personality") {
            ++Count;
            if (static_cast<int>(Slots.size()) < Count)
                Slots.resize(Count + 4);
            Slots[Count - 1].Name = value;
        } else if (key == "Category") {
            const int e = CommentEventOf(value);
            if (e >= 0)
                current = e;
            // A category before the first personality belongs to nobody and is ignored.
            if (Count > 0)
                Slots[Count - 1].Header[current] = i;
        }
    }
    // The last section runs to the end of the file. (A personality without that event keeps
    // it absent: a remark range without a header would pick arbitrary lines of the file.)
    if (Count > 0 && Slots[Count - 1].Header[current] >= 0)
        Slots[Count - 1].Last[current] = n - 1;
}

void TPersonalities::LoadFromFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        Parse(std::string());
        return;
    }
    std::ostringstream text;
    text << in.rdbuf();
    Parse(text.str());
}

int TPersonalities::Find(const std::string& name) const
{
    for (int i = 0; i < Count; ++i)
        if (Slots[i].Name == name)
            return i;
    return 0;
}

} // namespace sv
