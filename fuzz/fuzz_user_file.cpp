// A person's file of any length and content: read, written back, and its knowledge read at
// the edges; range errors are the expected outcome of bad values, anything else is a fault.
#include "common/Errors.h"
#include "user/User.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> bytes(data, data + size);
    try {
        sv::TUser u;
        sv::TStreamReader r(bytes, "fuzz.219", sv::TShortReads::Keep);
        u.LoadFromStream(r);
        sv::TStreamWriter out;
        u.SaveToStream(out);
        if (out.data().size() != sv::TUser::FileSize)
            __builtin_trap();
        (void)u.SelectionFlags(sv::TSelectionKind::ByChapter);
    } catch (const sv::ERangeError&) { }
    return 0;
}
