// sv-doc items KIND: the numbered items of a material list, as --material counts them.

#include "DocCommand.h"

#include "common/Win1252.h"
#include "content/Books.h"
#include "print/DocMaterial.h"

#include <iostream>

namespace sv::doc {
namespace {

int RunItems(TDocContext& ctx)
{
    const auto pos = ctx.Positional();
    if (pos.size() != 1)
        throw EUsage("items needs one kind: chapters, sections, verses or memory");
    const TMaterialChoice c = [&] {
        try {
            return ParseMaterialChoice(ctx.Books(), pos[0] + ":all");
        } catch (const std::invalid_argument& e) {
            throw EUsage(e.what());
        }
    }();
    const auto items = MaterialItems(ctx.Books(), c.Kind);
    for (std::size_t i = 0; i < items.size(); ++i)
        std::cout << (i + 1) << "\t" << Win1252ToUtf8(items[i]) << "\n";
    return 0;
}

const TDocCommandRegistration reg{{
    "items",
    "the numbered items of a material list (sv-doc items chapters|sections|verses|memory),\n"
    "numbered as --material KIND:ITEMS counts them",
    {},
    RunItems,
}};

} // namespace
} // namespace sv::doc
