// personality.txt of any content: parsed, and every personality looked up by name.
#include "voice/Personality.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sv::TPersonalities p;
    p.Parse(std::string(reinterpret_cast<const char*>(data), size));
    for (int i = 0; i < p.Count; ++i)
        (void)p.Find(p.Slots[static_cast<std::size_t>(i)].Name);
    return 0;
}
