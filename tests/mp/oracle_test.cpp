// The reference itself: the schoolbook code that stands in for GMP under Windows agrees with it.
#include <random>

#include "tests/mp/support.h"

namespace {

TEST(Oracle, SchoolbookDigitsRebuildTheValue)
{
    std::mt19937 generator(3);
    const uint32_t radixes[] = {2, 3, 10, 60, 64, 200, 256, 65536, 0xFFFFFFFFu};
    for (uint32_t radix : radixes) {
        const byte_value v = random_value(generator(), 1 + static_cast<int>(generator() % 30));
        const std::vector<uint32_t> digits = schoolbook_digits(v, radix);
        ASSERT_FALSE(digits.empty());
        EXPECT_NE(digits.front(), 0u);
        for (uint32_t d : digits)
            EXPECT_LT(d, radix);
        EXPECT_EQ(schoolbook_value(digits, radix), v) << radix;
    }
    EXPECT_TRUE(schoolbook_digits({}, 10).empty());
    EXPECT_EQ(schoolbook_digits({1, 0}, 10), (std::vector<uint32_t>{2, 5, 6}));
    EXPECT_EQ(schoolbook_mul_add({0xFF, 0xFF}, {0xFF}, {1}), (byte_value{0xFE, 0xFF, 0x02}));
}

#ifndef _WIN32
TEST(Oracle, SchoolbookTextAgreesWithGmp)
{
    std::mt19937 generator(4);
    for (int radix = 2; radix <= 60; ++radix) {
        const byte_value v = random_value(generator(), 1 + static_cast<int>(generator() % 40));
        std::string text;
        for (uint32_t d : schoolbook_digits(v, static_cast<uint32_t>(radix)))
            text += ORACLE_DIGITS60[d];
        EXPECT_EQ(text, oracle_text(v, radix)) << radix;
        EXPECT_EQ(oracle_value(text, radix), v) << radix;
    }
}
#endif

}  // namespace
