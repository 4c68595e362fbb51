#pragma once
// How the memory-verse and reference lists move to the next entry to ask. Entries are
// 1..count with a state each (0 not answered, 1 right, 2 wrong).
//
// In order: the next entry, skipping entries answered right (wrong ones come back in turn).
// At random: once every entry has been answered, the wrong ones are opened again; then a
// random step of 1..count-1 from the current entry (never the same entry twice running,
// when there is a choice), walking on past entries already answered.

#include "common/Random.h"

namespace sv {

// steps current on by one, 1 after count
inline int StepOnEntry(int current, int count)
{
    current = (current + 1) % (count + 1);
    return current == 0 ? 1 : current;
}

template <class StateOf>
int NextInOrderEntry(int current, int count, StateOf&& state)
{
    current = current + 1 > count ? 1 : current + 1;
    for (int k = 0; k < count && state(current) == 1; ++k)
        current = StepOnEntry(current, count);
    return current;
}

// state(i) returns a reference so that wrong answers can be opened again.
template <class StateOf>
int NextRandomEntry(int current, int count, IRandom& random, StateOf&& state)
{
    bool anyOpen = false;
    for (int i = 1; i <= count && !anyOpen; ++i)
        anyOpen = state(i) == 0;
    if (!anyOpen)
        for (int i = 1; i <= count; ++i)
            if (state(i) == 2)
                state(i) = 0;
    const int d = current;
    current = (random.Random(count - 1) + d + 1) % (count + 1);
    if (current == d)
        current = current + 1 > count ? 1 : current + 1;
    if (current == 0)
        current = 1;
    for (int k = 0; k < count && state(current) != 0; ++k)
        current = StepOnEntry(current, count);
    return current;
}

} // namespace sv
