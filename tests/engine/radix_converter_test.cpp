// The radix converter that the dialog's engine and the console program share: the largest value its
// start-up promises (the capacity and the headroom byte) in small and large radixes, from the smallest
// capacities to the largest, and recorded errors, named, that leave the process going.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/limits.h"
#include "engine/radix_converter.h"
#include "mp/mp.h"

namespace {

// The bytes read into the converter, written as digit values of radix, read back and written as bytes.
std::vector<uint8_t> through_radix(radix_converter& converter, const std::vector<uint8_t>& bytes, uint32_t radix)
{
    std::vector<uint8_t> digits(8 * bytes.size() + 1);  // radix 2 writes the most digits: 8 a byte
    converter.read_bytes(bytes.data(), bytes.size());
    digits.resize(converter.write_digits(digits.data(), radix));
    converter.read_digits(digits.data(), digits.size(), radix);
    std::vector<uint8_t> back(converter.byte_count());
    back.resize(converter.write_bytes(back.data()));
    return back;
}

TEST(RadixConverter, LargestValueOfTheCapacityAndHeadroomByteGoesThroughEveryKindOfRadix)
{
    const std::vector<uint32_t> every_kind = {2, 3, 7, 10, 32, 36, 60, 61, 62, 64, 85, 255, 256};
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
        const int32_t io_base = current_context()->io_base;
        const std::vector<uint8_t> all_ff(size_t(c.capacity) + 1, 0xFF);
        for (uint32_t radix : c.radixes) {
            EXPECT_EQ(through_radix(converter, all_ff, radix), all_ff) << c.capacity << " bytes, radix " << radix;
            EXPECT_FALSE(converter.failed()) << c.capacity << " bytes, radix " << radix;
            EXPECT_EQ(current_context()->io_base, io_base) << radix;
            EXPECT_EQ(current_context()->input_length, 0) << radix;
        }
    }
}

TEST(RadixConverter, RecordedErrorStopsTheConverterAndTheNextOneStartsClean)
{
    const std::vector<uint8_t> long_value(9 * 4 + 1, 0x80);  // beyond 8 bytes and the library's spare word
    struct bad_input {
        const char* what;
        std::vector<uint8_t> digits;
        uint32_t radix;
        converter_error error;
    } cases[] = {
        {"a digit of 10 in radix 10", {1, 2, 10}, 10, converter_error::not_a_digit},
        {"a digit of 16 in radix 16", {1, 16}, 16, converter_error::not_a_digit},
        {"a digit of 2 in radix 2", {1, 0, 2}, 2, converter_error::not_a_digit},
        {"37 bytes into 8", long_value, 256, converter_error::too_big},
    };
    for (const bad_input& c : cases) {
        radix_converter converter(8, library_errors::recorded);
        converter.read_digits(c.digits.data(), c.digits.size(), c.radix);
        EXPECT_EQ(converter.error(), c.error) << c.what;
        uint8_t out[16] = {7};
        EXPECT_EQ(converter.write_digits(out, 10), 0u) << c.what;
        EXPECT_EQ(converter.write_bytes(out), 0u) << c.what;
        EXPECT_EQ(out[0], 7) << c.what;
    }
    radix_converter fresh(8, library_errors::recorded);
    const uint8_t digits[] = {2, 5, 5};
    fresh.read_digits(digits, 3, 10);
    uint8_t out[16] = {};
    ASSERT_EQ(fresh.write_bytes(out), 1u);
    EXPECT_EQ(out[0], 0xFF);
    EXPECT_FALSE(fresh.failed());
}

}  // namespace
