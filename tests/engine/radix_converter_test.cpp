// The radix converter that the dialog's engine and the console program share: the largest value its
// start-up promises (the capacity and the headroom byte) in letter and character-code radixes, from
// the smallest capacities to the largest, and recorded errors that leave the process going.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/limits.h"
#include "engine/radix_converter.h"

namespace {

// The hex text read into the converter, written in radix, read back and written as hex again.
std::string through_radix(radix_converter& converter, const std::string& hex, uint32_t radix)
{
    std::string text(4 * hex.size() + 1, '\0');  // radix 2 writes the most digits: 4 a hex digit
    converter.read(hex.c_str(), 16);
    text.resize(converter.write(&text[0], radix));
    if (radix > LIBRARY_LETTER_RADIX)
        converter.read_codes(text.data(), text.size(), radix);
    else
        converter.read(text.c_str(), radix);
    std::string back(hex.size() + 1, '\0');
    back.resize(converter.write(&back[0], 16));
    return back;
}

TEST(RadixConverter, LargestValueOfTheCapacityAndHeadroomByteGoesThroughEveryKindOfRadix)
{
    const std::vector<uint32_t> every_kind = {2, 3, 7, 10, 32, 36, 60, 61, 62};
    struct boundary {
        uint32_t capacity;
        std::vector<uint32_t> radixes;
    } cases[] = {
        {1, every_kind},
        {2, every_kind},
        {3, every_kind},
        {4, every_kind},
        {7, every_kind},
        {MAX_DATA_BYTES, {3, 36, 60, 62}},
        {MAX_CONVERTER_BYTES, {2, 36, 62}},
    };
    for (const boundary& c : cases) {
        radix_converter converter(c.capacity, library_errors::recorded);
        const std::string all_ff(2 * (size_t(c.capacity) + 1), 'F');
        for (uint32_t radix : c.radixes) {
            EXPECT_EQ(through_radix(converter, all_ff, radix), all_ff) << c.capacity << " bytes, radix " << radix;
            EXPECT_FALSE(converter.failed()) << c.capacity << " bytes, radix " << radix;
            EXPECT_EQ(current_context()->io_base, 16) << radix;
            EXPECT_EQ(current_context()->input_length, 0) << radix;
        }
    }
}

TEST(RadixConverter, RecordedErrorStopsTheConverterAndTheNextOneStartsClean)
{
    struct bad_text {
        const char* text;
        uint32_t radix;
    } cases[] = {{"12Z", 10}, {"1G", 16}, {"102", 2}};
    for (const bad_text& c : cases) {
        radix_converter converter(8, library_errors::recorded);
        converter.read(c.text, c.radix);
        EXPECT_TRUE(converter.failed()) << c.text;
        char out[16] = "untouched";
        EXPECT_EQ(converter.write(out, 10), 0u) << c.text;
        EXPECT_STREQ(out, "untouched");
    }
    radix_converter fresh(8, library_errors::recorded);
    fresh.read("255", 10);
    char out[16] = {};
    EXPECT_EQ(fresh.write(out, 16), 2u);
    EXPECT_STREQ(out, "FF");
    EXPECT_FALSE(fresh.failed());
}

}  // namespace
