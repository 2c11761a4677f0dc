// The library's text conversion with its fast paths (divide-and-conquer cbase, word-at-a-time digits)
// against the same calls on the schoolbook paths. Printing the routine trace turns every fast path off,
// so each case runs twice, the second time with the trace on and its lines sent to the null device, and
// the two runs must agree in text, counts, numbers and errors.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "mp/flash.h"
#include "mp/mp.h"

namespace {

// Standard output sent to the null device while the trace prints.
struct quiet_stdout {
    int saved;
    quiet_stdout()
    {
        std::fflush(stdout);
#if defined(_WIN32)
        saved = _dup(1);
        int null = _open("NUL", _O_WRONLY);
        _dup2(null, 1);
        _close(null);
#else
        saved = dup(1);
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        close(null);
#endif
    }
    ~quiet_stdout()
    {
        std::fflush(stdout);
#if defined(_WIN32)
        _dup2(saved, 1);
        _close(saved);
#else
        dup2(saved, 1);
        close(saved);
#endif
    }
};

#if defined(__SANITIZE_ADDRESS__) || defined(_WIN32)
const bool REDUCED = true;  // the schoolbook side is quadratic: fewer full-size cases
#else
const bool REDUCED = false;
#endif

// Everything one conversion leaves that a caller can see.
struct outcome {
    std::string text;
    int count;
    uint32_t length_word;
    std::vector<uint32_t> words;
    int32_t error;
    bool operator==(const outcome& o) const
    {
        return text == o.text && count == o.count && length_word == o.length_word && words == o.words &&
               error == o.error;
    }
};

std::vector<uint32_t> words_of(bignum x)
{
    uint32_t n = (x->length_word & 0xFFFFu) + ((x->length_word >> 16) & 0x7FFFu);
    return std::vector<uint32_t>(x->digits, x->digits + n);
}

class FastLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ctx = mpsys(65536, 16);
        ctx->io_base = 16;
        set_io_buffer_size(262144);
        x = mpvar(0);
        y = mpvar(0);
    }
    void TearDown() override
    {
        release_number(x);
        release_number(y);
        release_context();
    }
    // Runs f on the fast paths and on the schoolbook paths (trace on), from the same start.
    template <typename F> void expect_same(F f, const std::string& what)
    {
        const std::vector<uint32_t> start = words_of(x);
        const uint32_t start_length = x->length_word;
        outcome fast = f();
        ctx->error_number = 0;
        restore(start, start_length);
        outcome slow;
        {
            quiet_stdout quiet;
            ctx->trace_enabled = 1;
            slow = f();
            ctx->trace_enabled = 0;
        }
        ctx->error_number = 0;
        ctx->call_depth = 0;
        EXPECT_TRUE(fast == slow) << what << ": fast " << fast.count << " chars, error " << fast.error
                                  << "; schoolbook " << slow.count << " chars, error " << slow.error;
    }
    void restore(const std::vector<uint32_t>& w, uint32_t length)
    {
        for (int32_t i = 0; i < ctx->max_words; ++i)
            x->digits[i] = i < static_cast<int32_t>(w.size()) ? w[i] : 0;
        x->length_word = length;
    }
    outcome write(int radix)
    {
        ctx->io_base = radix;
        std::vector<char> buffer(300000, 'z');
        outcome o;
        o.count = cotstr(x, buffer.data());
        o.text.assign(buffer.data(), static_cast<size_t>(o.count) + 1);
        o.length_word = x->length_word;
        o.words = words_of(x);
        o.error = ctx->error_number;
        ctx->io_base = 16;
        return o;
    }
    outcome read(int radix, const std::string& text)
    {
        ctx->io_base = radix;
        outcome o;
        o.count = cinstr(y, text.c_str());
        o.length_word = y->length_word;
        o.words = words_of(y);
        o.error = ctx->error_number;
        ctx->io_base = 16;
        return o;
    }
    // x = the number of `words` binary words of the given shape (as hex text).
    void set_x(const std::string& hex)
    {
        ctx->io_base = 16;
        cinstr(x, hex.c_str());
    }
    mp_context* ctx = nullptr;
    bignum x = nullptr, y = nullptr;
};

std::string random_hex(std::mt19937& rng, size_t digits)
{
    static const char HEX[] = "0123456789ABCDEF";
    std::string s(digits, '0');
    for (auto& c : s)
        c = HEX[rng() % 16];
    s[0] = HEX[1 + rng() % 15];
    return s;
}

std::vector<int> radixes()
{
    std::vector<int> r;
    for (int radix = 2; radix <= 60; ++radix)
        r.push_back(radix);
    for (int radix : {64, 100, 200, 256})
        r.push_back(radix);
    return r;
}

TEST_F(FastLibraryTest, WritingAndReadingMatchTheSchoolbookPathsInEveryRadix)
{
    std::mt19937 rng(17);
    const size_t hex_lengths[] = {1, 8, 9, 150, 1100, 5000};
    for (int radix : radixes()) {
        for (size_t digits : hex_lengths) {
            if (REDUCED && digits > 1100)
                continue;
            // Random, all-ones, a lone high bit, and negatives, and a fraction of two such values.
            const std::string shapes[] = {random_hex(rng, digits), std::string(digits, 'F'),
                                          "8" + std::string(digits - 1, '0'), "-" + random_hex(rng, digits),
                                          random_hex(rng, digits) + "/" + random_hex(rng, digits / 2 + 1)};
            for (const std::string& hex : shapes) {
                set_x(hex);
                const std::string what = "radix " + std::to_string(radix) + ", " + hex.substr(0, 12);
                expect_same([&] { return write(radix); }, "write " + what);
                const std::string text = write(radix).text;
                if (radix <= 60 || radix == 64)  // the raw-byte radixes may write NUL bytes
                    expect_same([&] { return read(radix, text.c_str()); }, "read " + what);
            }
        }
    }
}

TEST_F(FastLibraryTest, TextFormsAndBadCharactersReadAlike)
{
    // Markers, signs, skipped characters and input errors in the middle of long digit runs: the same
    // number (digits stored up to the error included), count and error on both paths.
    ctx->errors_return = 1;
    const std::string run(3000, '7');
    const std::pair<int, std::string> texts[] = {{10, "12.5"},
                                                 {10, ".5"},
                                                 {10, run + "." + run},
                                                 {10, run + "/" + run},
                                                 {10, "1/2/3"},
                                                 {10, run + " " + run},
                                                 {10, "  -+" + run},
                                                 {10, run + "x" + run},
                                                 {16, run + "g"},
                                                 {20, run + "a" + run},
                                                 {60, run + "y"},
                                                 {64, "AQ=="},
                                                 {64, "A Q" + run},
                                                 {64, run + "==" + run},
                                                 {64, "-A"},
                                                 {36, run + "\n99"},
                                                 {200, run},
                                                 {2, std::string(70000, '1')}};
    for (const auto& [radix, text] : texts)
        expect_same([&] { return read(radix, text); }, "radix " + std::to_string(radix) + " " + text.substr(0, 8));
}

TEST_F(FastLibraryTest, FullCapacityValuesMatchTheSchoolbookPaths)
{
    // The application's largest values: 32,767 random bytes, and 32,768 bytes of ones (8192 words).
    std::mt19937 rng(23);
    const int radixes_full[] = {10, 60, 36, 3};
    for (int radix : radixes_full) {
        for (const std::string& hex : {random_hex(rng, 65534), std::string(65536, 'F')}) {
            set_x(hex);
            expect_same([&] { return write(radix); }, "write radix " + std::to_string(radix));
            const std::string text = write(radix).text;
            expect_same([&] { return read(radix, text.c_str()); }, "read radix " + std::to_string(radix));
        }
        if (REDUCED)
            break;
    }
}

TEST_F(FastLibraryTest, ReadingBeyondCapacityFailsAlikeAtTheBoundary)
{
    // Decimal texts whose running power 10^(9n) just fits max_words words, and one word more: the fast
    // path must leave the overflow to the schoolbook routine, with the same error and result.
    ctx->errors_return = 1;
    for (size_t digits : {78912u, 78921u, 78922u, 78930u, 79000u}) {
        const std::string text = "9" + std::string(digits - 1, '7');
        expect_same([&] { return read(10, text); }, "decimal digits " + std::to_string(digits));
        if (REDUCED && digits > 78921)
            break;
    }
}

TEST_F(FastLibraryTest, WritingIntoTheIoBufferStopsAtTheSamePlace)
{
    // Error 17: the digit loop stops with io_buffer_length - 5 characters written, on either path.
    ctx->errors_return = 1;
    set_io_buffer_size(1000);
    std::mt19937 rng(29);
    for (int radix : {10, 2, 60, 64}) {
        set_x(random_hex(rng, 2000));
        expect_same(
            [&] {
                ctx->io_base = radix;
                outcome o;
                o.count = cotstr(x, ctx->io_buffer);
                o.text.assign(ctx->io_buffer, static_cast<size_t>(o.count));
                o.length_word = x->length_word;
                o.words = words_of(x);
                o.error = ctx->error_number;
                ctx->io_base = 16;
                return o;
            },
            "io_buffer radix " + std::to_string(radix));
    }
}

}  // namespace
