// Feeds arbitrary bytes to the loader; range errors are the expected outcome of bad input,
// anything else (a crash, a sanitizer report) is a fault.
#include "common/Errors.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "content/Words.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> bytes(data, data + size);
    try {
        sv::TWords w;
        sv::TBooks b(w);
        sv::TStreamReader r(bytes, "wf.bk");
        b.LoadFromStream(r);
        sv::TStreamWriter out;
        b.SaveToStream(out);
        const int total = b.TotalVerses();
        sv::TWordPairs pairs;
        for (int v = 1; v <= total && v <= 32; ++v)
            b.GetPassageWords(b.RefOfVerseNo(v), 1, pairs);
    } catch (const sv::ERangeError&) { }
    return 0;
}
