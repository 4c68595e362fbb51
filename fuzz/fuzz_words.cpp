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
        sv::TStreamReader r(bytes, "wf.wl");
        w.LoadFromStream(r);
        sv::TStreamWriter out;
        w.SaveToStream(out);
        // Decode a few texts through the loaded tables.
        for (int i = 0; i <= w.TotalWords() && i < 64; ++i)
            (void)w.WordText(static_cast<sv::TWordCode>(i));
        (void)w.FindWord("grace");
    } catch (const sv::ERangeError&) { }
    return 0;
}
