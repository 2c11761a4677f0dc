// Helpers shared by the library's tests: a fixture that starts and releases the instance, and moving
// values between the library and the reference as hex text.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mp/mp.h"
#include "tests/mp/oracle.h"

// Writes x in radix (io_base) with cotstr; io_base is put back.
std::string write_number(bignum x, int radix);
// Reads text in radix (io_base) with cinstr; returns cinstr's count. io_base is put back.
int read_number(bignum x, const std::string& text, int radix);
// Reads exactly text.size() characters (input_length), for texts that hold NUL digits.
int read_number_exact(bignum x, const std::string& text, int radix);
// x = value, or its negative.
void set_value(bignum x, const byte_value& value, bool negative = false);
// The value of an integer x through hex text; sets negative to its sign.
byte_value value_of(bignum x, bool* negative = nullptr);
// Text of x in the current packing, written by otstr (no change of base).
std::string write_packed(bignum x);

// Starts the instance with mpsys(65536, 16) (or start() with other arguments) and releases the numbers
// made by number() and the instance after each test.
class MpTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Releases the current instance and starts a new one.
    mp_context* start(int32_t digits, uint32_t radix);
    // A number of the current instance, released with the fixture.
    bignum number(int32_t initial_value = 0);
    mp_context* ctx = nullptr;
    std::vector<bignum> numbers;
};
