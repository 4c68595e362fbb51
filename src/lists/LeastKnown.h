#pragma once
// The least-known-first draw of the memory-verse and reference lists: from the selected
// numbers 1..Total, take those whose knowledge byte is 0, then 1, and so on. When a byte
// value has no more numbers than still wanted, all of them are taken in number order;
// otherwise each pick draws d = Random(Selected), finds the (d + 1)-th selected number and
// walks on from the number after it (wrapping round, the drawn number itself last) to the
// first selected number of that byte value that is not yet listed.
//
// The selection must be consistent (Selected = the flags set among 1..Total): an
// inconsistent one is a range error instead of a draw that can never finish.

#include "common/Errors.h"
#include "common/Random.h"
#include "content/VerseSelection.h"

#include <string>
#include <vector>

namespace sv {

template <class Selection, class ByteOf, class IsListed, class Add>
void PickLeastKnown(const Selection& sel, int wanted, IRandom& random, ByteOf byteOf, IsListed isListed, Add add)
{
    const int total = sel.Total;
    if (total < 0 || total > 1200)
        ThrowRange("Range check error: selection total " + std::to_string(total) + " outside 0..1200");
    std::vector<int> selected; // the selected numbers in order
    for (int m = 1; m <= total; ++m)
        if (sel.Flags[m])
            selected.push_back(m);
    if (static_cast<int>(selected.size()) != sel.Selected)
        ThrowRange("Range check error: the selection says " + std::to_string(sel.Selected) + " chosen but "
                   + std::to_string(selected.size()) + " flags are set");
    if (wanted > sel.Selected)
        ThrowRange("Range check error: " + std::to_string(wanted) + " wanted from " + std::to_string(sel.Selected)
                   + " chosen");

    for (int k = 0; wanted > 0; ++k) {
        if (k > 255)
            ThrowRange("Range check error: knowledge values exhausted before the list was full");
        int j = 0;
        for (int m : selected)
            if (byteOf(m) == k)
                ++j;
        if (j == 0)
            continue;
        if (wanted >= j) {
            for (int m : selected)
                if (byteOf(m) == k) {
                    add(m);
                    --wanted;
                }
            continue;
        }
        while (wanted > 0) {
            const int d = random.Random(sel.Selected);
            const int drawn = selected[static_cast<std::size_t>(d)];
            int m = drawn;
            bool found = false;
            for (int step = 0; step < total && !found; ++step) {
                m = m % total + 1;
                found = sel.Flags[m] && byteOf(m) == k && !isListed(m);
            }
            if (!found)
                ThrowRange("Range check error: no unlisted number left to draw");
            add(m);
            --wanted;
        }
    }
}

} // namespace sv
