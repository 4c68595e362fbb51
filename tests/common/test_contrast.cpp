// The contrast ratio of two colours and the readable form of a text colour on a page.

#include "common/Contrast.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

TEST(Contrast, RatiosOfKnownPairs)
{
    EXPECT_NEAR(ContrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0xFFFFFF, 0x000000), 21.0, 1e-9) << "the order does not matter";
    EXPECT_NEAR(ContrastRatio(0x1C3FD0, 0x1C3FD0), 1.0, 1e-9);
    // Mid grey on white is just short of readable, a shade darker just passes.
    EXPECT_LT(ContrastRatio(0x777777, 0xFFFFFF), ReadableContrast);
    EXPECT_GT(ContrastRatio(0x767676, 0xFFFFFF), ReadableContrast);
}

TEST(Contrast, ReadableOnKeepsReadableColoursAndDarkensOrLightensTheOthers)
{
    struct Case {
        const char* what;
        std::uint32_t text, page;
        bool same;
    };
    const Case cases[] = {
        {"black on white", 0x000000, 0xFFFFFF, true},  {"navy on white", 0x000080, 0xFFFFFF, true},
        {"red on white", 0xFF0000, 0xFFFFFF, false}, // 4.0 : 1
        {"navy on black", 0x000080, 0x000000, false},  {"yellow on white", 0xFFFF00, 0xFFFFFF, false},
        {"white on white", 0xFFFFFF, 0xFFFFFF, false},
    };
    for (const Case& c : cases) {
        const std::uint32_t r = ReadableOn(c.text, c.page);
        EXPECT_GE(ContrastRatio(r, c.page), ReadableContrast) << c.what;
        EXPECT_EQ(r == c.text, c.same) << c.what;
    }
    // A darkened red is still red.
    const std::uint32_t red = ReadableOn(0xFF0000, 0xFFFFFF);
    EXPECT_GT((red >> 16) & 0xFF, 0x80u);
    EXPECT_EQ(red & 0xFFFF, 0u);
}

} // namespace
} // namespace sv
