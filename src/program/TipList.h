#pragma once
// The tips file: one tip per line ("tips.txt" in the program folder), shown one at a time,
// each opening continuing after the last tip seen.

#include <string>
#include <vector>

namespace sv {

class TTipList {
public:
    // Reads every line; false when the file does not exist.
    bool Load(const std::string& path);
    int Count() const { return static_cast<int>(m_lines.size()); }
    const std::string& Line(int index) const { return m_lines.at(static_cast<std::size_t>(index)); }

    // The tip shown first: the one after lastSeen, and 0 past the end.
    static int FirstIndex(int lastSeen, int count);
    // The next tip, cycling to 0.
    static int NextIndex(int current, int count);

private:
    std::vector<std::string> m_lines;
};

} // namespace sv
