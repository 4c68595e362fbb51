#pragma once
// What a material selection means in verses: a table of flags by global verse number
// (TVerseSelection) or by global memory-verse number (TMemoryVerseSelection), with the number
// of items offered and the number chosen. The selection frames build them; the question
// store's material test and the working lists read them.

#include "common/BoundedArray.h"

#include <cstdint>

namespace sv {

struct TVerseSelection {
    std::int32_t Total = 0;    // verses of the scripture store
    std::int32_t Selected = 0; // flags set among 1..Total
    TFixedArray<std::uint8_t, 1, 1200> Flags{"verse selection"};

    // Sets Flags[i] and keeps Selected in step.
    void Choose(int i, bool on = true)
    {
        std::uint8_t& f = Flags[i];
        if ((f != 0) != on)
            Selected += on ? 1 : -1;
        f = on ? 1 : 0;
    }
};

struct TMemoryVerseSelection {
    std::int32_t Total = 0;    // memory-verse entries of the scripture store
    std::int32_t Selected = 0; // flags set among 1..Total
    TFixedArray<std::uint8_t, 1, 1200> Flags{"memory verse selection"};

    void Choose(int i, bool on = true)
    {
        std::uint8_t& f = Flags[i];
        if ((f != 0) != on)
            Selected += on ? 1 : -1;
        f = on ? 1 : 0;
    }
};

} // namespace sv
