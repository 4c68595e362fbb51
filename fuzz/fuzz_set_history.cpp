// A set history file of any length and content: read and written back.
#include "common/Errors.h"
#include "user/History.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> bytes(data, data + size);
    try {
        sv::THistory h;
        sv::TStreamReader r(bytes, "fuzz.219h", sv::TShortReads::Keep);
        h.LoadFromStream(r);
        sv::TStreamWriter out;
        h.SaveToStream(out);
        for (int c = 0; c < 8; ++c)
            (void)h.SetUseCount({c, 1});
    } catch (const sv::ERangeError&) { }
    return 0;
}
