// tips.txt of any content: read, and walked from the first tip through every tip.
#include "FuzzFile.h"
#include "program/TipList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sv::TTipList tips;
    if (!tips.Load(sv::fuzz::WriteInput(data, size, "tips.txt")) || tips.Count() == 0)
        return 0;
    int i = sv::TTipList::FirstIndex(static_cast<int>(size), tips.Count());
    for (int n = 0; n < tips.Count(); ++n) {
        (void)tips.Line(i);
        i = sv::TTipList::NextIndex(i, tips.Count());
    }
    return 0;
}
