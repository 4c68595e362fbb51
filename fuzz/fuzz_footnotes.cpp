// footnotes.txt of any content: read; a malformed line is reported as EFootnoteError, anything
// else is a fault.
#include "FuzzFile.h"
#include "print/ScripturePortion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const sv::TFootnotes notes = sv::ReadFootnotes(sv::fuzz::WriteInput(data, size, "footnotes.txt"));
        if (notes.Items.size() > static_cast<std::size_t>(sv::TFootnotes::Capacity))
            __builtin_trap();
    } catch (const sv::EFootnoteError&) { }
    return 0;
}
