// Round trips of random data through every form and every named alphabet: all lengths up to 64 bytes,
// then a spread up to the limit (a byte form has none: it also takes four times the limit). With --keep-leading-zeros
// the bytes come back as they were; by default a number form gives back the shortest bytes of the value.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/forms.h"
#include "cli/limits.h"
#include "cli/named_alphabets.h"
#include "tests/cli/cli_test_support.h"

namespace {

struct form_case {
    std::string form;      // --to of the way there, --from of the way back
    std::string alphabet;  // a named alphabet, or "" for the form's own digits
    std::string digits;    // the characters the text may hold
};

std::vector<form_case> every_form()
{
    const std::string base64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::vector<form_case> forms = {
        {"hex", "", "0123456789ABCDEF"},
        {"raw", "", ""},
        {"base16", "", "0123456789ABCDEF"},
        {"base32", "", "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567="},
        {"base32hex", "", "0123456789ABCDEFGHIJKLMNOPQRSTUV="},
        {"base64url", "", base64 + "-_="},
        {"base2msbf", "", "01"},
        {"z85", "", "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ.-:+=^!/*?&<>()[]{}@%$#"},
        {"base58", "", find_named_alphabet("bitcoin")->digits},
    };
    for (int radix = 2; radix <= 62; ++radix)
        forms.push_back({std::to_string(radix), "", std::string(ALPHABET62, static_cast<size_t>(radix))});
    forms.push_back({"base64", "", base64 + "+/="});
    for (const named_alphabet& a : named_alphabets())
        forms.push_back({a.radix == 64 ? "base64" : std::to_string(a.radix), a.name,
                         a.digits + std::string(a.radix == 64 ? "=" : "")});
    return forms;
}

// Lengths every form takes: all up to 64, then a spread to the dialog's limit.
std::vector<size_t> common_lengths()
{
    std::vector<size_t> lengths;
    for (size_t n = 0; n <= 64; ++n)
        lengths.push_back(n);
    for (size_t n : {100, 255, 256, 1000, 4096, 32767})
        lengths.push_back(n);
    return lengths;
}

// Lengths beyond the dialog's limit, one for each form in turn: the limit itself, and below it.
const size_t large_lengths[] = {MAX_CLI_BYTES, 65536, MAX_CLI_BYTES - 1, 100003};

std::vector<std::string> args(const std::string& from, const std::string& to, const form_case& form, bool keep)
{
    std::vector<std::string> a = {"--from", from, "--to", to};
    if (!form.alphabet.empty())
        a.insert(a.end(), {"--alphabet", form.alphabet});
    if (keep)
        a.push_back("--keep-leading-zeros");
    return a;
}

// What the bytes of a number text are by default: no leading zero bytes, one zero byte for zero.
std::vector<uint8_t> shortest(const std::vector<uint8_t>& bytes)
{
    size_t first = 0;
    while (first + 1 < bytes.size() && bytes[first] == 0)
        ++first;
    return std::vector<uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(first), bytes.end());
}

class CliRoundTrip : public testing::TestWithParam<size_t> {};

TEST_P(CliRoundTrip, BytesComeBack)
{
    const size_t index = GetParam();
    const form_case form = every_form()[index];
    std::vector<size_t> lengths = common_lengths();
    lengths.push_back(large_lengths[index % (sizeof large_lengths / sizeof large_lengths[0])]);
    if (!is_number(*parse_form(form.form)))
        lengths.push_back(4 * MAX_CLI_BYTES + 1);
    const data_form kind = *parse_form(form.form);
    // Base58 keeps its leading zero bytes like a byte form.
    const bool shortens = kind.kind == form_kind::radix;
    for (size_t length : lengths) {
        if (kind.kind == form_kind::z85 && length % 4 != 0)
            continue;  // Z85 takes whole groups of four bytes
        // Every third length starts with zero bytes, and one is all zeros.
        const size_t zeros = length == 7 ? 7 : length % 3 == 0 ? std::min<size_t>(length, 2) : 0;
        const std::vector<uint8_t> data = random_bytes(length, static_cast<uint32_t>(length * 61 + index), zeros);
        for (bool keep : {true, false}) {
            SCOPED_TRACE(form.form + " " + form.alphabet + ", " + std::to_string(length) + " bytes" +
                         (keep ? ", zeros kept" : ""));
            cli_result there = run_cli(args("raw", form.form, form, keep), bytes_text(data));
            ASSERT_EQ(there.status, exit_status::done) << there.err;
            if (!form.digits.empty()) {
                ASSERT_FALSE(there.out.empty());
                EXPECT_EQ(there.out.back(), '\n');
                EXPECT_EQ(there.out.find_first_not_of(form.digits), there.out.size() - 1);
            }
            cli_result back = run_cli(args(form.form, "raw", form, keep), there.out);
            ASSERT_EQ(back.status, exit_status::done) << back.err;
            const std::vector<uint8_t> expected = keep || !shortens ? data : shortest(data);
            EXPECT_TRUE(back.out == bytes_text(expected)) << "the bytes differ";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryForm, CliRoundTrip, testing::Range<size_t>(0, every_form().size()));

}  // namespace
