#include "program/TipList.h"

#include <fstream>

namespace sv {

bool TTipList::Load(const std::string& path)
{
    m_lines.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        m_lines.push_back(line);
    }
    return true;
}

int TTipList::FirstIndex(int lastSeen, int count)
{
    const long long next = static_cast<long long>(lastSeen) + 1;
    return next < count && next >= 0 ? static_cast<int>(next) : 0;
}

int TTipList::NextIndex(int current, int count) { return current + 1 >= count ? 0 : current + 1; }

} // namespace sv
