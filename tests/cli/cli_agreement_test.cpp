// The command against the dialog's engine (same texts and bytes for the same data, up to the dialog's
// limit, in every radix and with a custom alphabet) and, natively, against GMP up to the command's limit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifdef MORVANE_HAVE_GMP
#include <gmp.h>
#endif

#include "cli/limits.h"
#include "engine/engine.h"
#include "tests/cli/cli_test_support.h"

namespace {

// The dialog's engine, around one conversion: the command starts and releases the library for each of
// its own, and the library's instance is process-wide, so the two never live at once.
class dialog_engine {
public:
    dialog_engine(uint32_t radix, const std::string& custom)
    {
        EXPECT_EQ(engine_.change_radix(radix), radix_outcome::changed);
        if (!custom.empty()) {
            EXPECT_EQ(engine_.store_custom_alphabet(custom.data(), custom.size()), alphabet_outcome::stored);
            engine_.choose_alphabet(alphabet_choice::custom_alphabet);
        }
    }

    // The BASE(X) text the dialog shows for bytes typed into the ASCII field.
    std::string text_of(const std::vector<uint8_t>& bytes)
    {
        return std::string(engine_.from_bytes(reinterpret_cast<const char*>(bytes.data()), bytes.size()).basex);
    }
    // The bytes the dialog shows for a BASE(X) text.
    std::vector<uint8_t> bytes_of(const std::string& text)
    {
        conversion_result result = engine_.from_basex(text.data(), text.size());
        EXPECT_EQ(result.status, conversion_status::basex_changed);
        return std::vector<uint8_t>(result.bytes.begin(), result.bytes.end());
    }

private:
    conversion_engine engine_;
};

struct agreement_case {
    uint32_t radix;        // 2-60, or 64
    std::string alphabet;  // --alphabet and the dialog's custom alphabet; "" for the default
};

std::vector<agreement_case> agreement_cases()
{
    std::vector<agreement_case> cases;
    for (uint32_t radix = 2; radix <= 60; ++radix)
        cases.push_back({radix, ""});
    cases.push_back({64, ""});
    cases.push_back({58, "123456789ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz"});
    cases.push_back({10, "9876543210"});
    cases.push_back({64, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"});
    return cases;
}

std::vector<std::string> form_args(const char* side, const agreement_case& c)
{
    std::vector<std::string> a = {side, c.radix == 64 ? "base64" : std::to_string(c.radix)};
    if (c.radix == 64 && std::string(side) == "--to")
        a.push_back("--no-padding");  // the dialog's Base64 has no padding
    if (!c.alphabet.empty())
        a.insert(a.end(), {"--alphabet", c.alphabet});
    return a;
}

TEST(CliAgreement, SameTextsAndBytesAsTheDialog)
{
    const size_t lengths[] = {1, 2, 3, 17, 32, 33, 100, 1000, MAX_DATA_BYTES};
    for (const agreement_case& c : agreement_cases()) {
        for (size_t length : lengths) {
            SCOPED_TRACE("radix " + std::to_string(c.radix) + " " + c.alphabet + ", " + std::to_string(length) +
                         " bytes");
            // Two leading zero bytes when there is room: the dialog's rule drops them from a number.
            const std::vector<uint8_t> data =
                random_bytes(length, c.radix * 7 + static_cast<uint32_t>(length), length > 2 ? 2 : 0);
            std::vector<std::string> to = {"--from", "raw"};
            for (const std::string& a : form_args("--to", c))
                to.push_back(a);
            cli_result text = run_cli(to, bytes_text(data));
            ASSERT_EQ(text.status, exit_status::done) << text.err;
            std::vector<std::string> from = form_args("--from", c);
            from.insert(from.end(), {"--to", "raw"});
            cli_result bytes = run_cli(from, line_of(text));
            ASSERT_EQ(bytes.status, exit_status::done) << bytes.err;

            dialog_engine engine(c.radix, c.alphabet);
            const std::string dialog_text = engine.text_of(data);
            EXPECT_TRUE(line_of(text) == dialog_text) << "texts differ";
            EXPECT_TRUE(bytes.out == bytes_text(engine.bytes_of(dialog_text))) << "bytes differ";
        }
    }
}

#ifdef MORVANE_HAVE_GMP
// GMP writes radix 37-62 in 0-9A-Za-z (the command's 61 and 62 too), and radix 2-36 in upper case for a negative base.
std::string gmp_text(const std::vector<uint8_t>& bytes, int radix)
{
    mpz_t z;
    mpz_init(z);
    mpz_import(z, bytes.size(), 1, 1, 1, 0, bytes.data());
    std::vector<char> text(mpz_sizeinbase(z, radix) + 2);
    mpz_get_str(text.data(), radix <= 36 ? -radix : radix, z);
    mpz_clear(z);
    return text.data();
}

std::vector<uint8_t> gmp_bytes(const std::string& text, int radix)
{
    mpz_t z;
    mpz_init_set_str(z, text.c_str(), radix);
    std::vector<uint8_t> bytes((mpz_sizeinbase(z, 2) + 7) / 8);
    size_t count = 0;
    mpz_export(bytes.data(), &count, 1, 1, 1, 0, z);
    mpz_clear(z);
    bytes.resize(count);
    if (bytes.empty())
        bytes.push_back(0);
    return bytes;
}

TEST(CliAgreement, SameNumbersAsGmpUpToTheLimit)
{
    for (int radix = 2; radix <= 62; ++radix) {
        std::vector<size_t> lengths = {1, 9, 1000, MAX_DATA_BYTES};
        // The largest data in a spread of radixes: powers of two, the worst packing (36), and the ends.
        for (int big : {2, 3, 10, 16, 36, 58, 60, 62})
            if (radix == big)
                lengths.push_back(MAX_CLI_BYTES);
        for (size_t length : lengths) {
            SCOPED_TRACE("radix " + std::to_string(radix) + ", " + std::to_string(length) + " bytes");
            const std::vector<uint8_t> data = random_bytes(length, static_cast<uint32_t>(radix + length), 1);
            cli_result text = run_cli({"--from", "raw", "--to", std::to_string(radix)}, bytes_text(data));
            ASSERT_EQ(text.status, exit_status::done) << text.err;
            EXPECT_TRUE(line_of(text) == gmp_text(data, radix)) << "texts differ";
            cli_result bytes = run_cli({"--from", std::to_string(radix), "--to", "raw"}, line_of(text));
            EXPECT_TRUE(bytes.out == bytes_text(gmp_bytes(line_of(text), radix))) << "bytes differ";
        }
    }
}
#endif

}  // namespace
