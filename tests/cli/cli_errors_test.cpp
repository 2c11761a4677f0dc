// Every refusal: its exit status, its message on standard error, and nothing on standard output.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/limits.h"
#include "tests/cli/cli_test_support.h"

namespace {

struct error_case {
    std::vector<std::string> args;
    std::string input;
    exit_status status;
    std::string message;  // the whole first line of standard error
};

const std::string LIMIT = std::to_string(MAX_CLI_BYTES);
const std::string TOO_BIG = "morvane-cli: the input holds more than " + LIMIT + " bytes of data, the limit";
const std::vector<std::string> HEX_TO_58 = {"--from", "hex", "--to", "58"};
const std::string FORMS =
    "raw, hex, base16, base32, base32hex, base64, base64url, base2msbf, z85, base58, or a radix 2 to 62";

std::vector<std::string> plus(std::vector<std::string> args, const std::vector<std::string>& more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

void expect_refusal(const error_case& c)
{
    cli_result r = run_cli(c.args, c.input);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')), c.message);
    if (c.status == exit_status::usage_error) {
        EXPECT_NE(r.err.find("Try 'morvane-cli --help'"), std::string::npos);
    }
}

TEST(CliErrors, UsageErrors)
{
    const std::string u = "morvane-cli: ";
    const error_case cases[] = {
        {{}, "", exit_status::usage_error, u + "--from FORM is missing"},
        {{"--from", "hex"}, "", exit_status::usage_error, u + "--to FORM is missing"},
        {{"--to", "hex"}, "", exit_status::usage_error, u + "--from FORM is missing"},
        {{"--from", "63", "--to", "hex"},
         "",
         exit_status::usage_error,
         u + "--from: '63' is not a form (" + FORMS + ")"},
        {{"--from", "hex", "--to", "1"}, "", exit_status::usage_error, u + "--to: '1' is not a form (" + FORMS + ")"},
        {{"--from", "hex", "--to", "010"},
         "",
         exit_status::usage_error,
         u + "--to: '010' is not a form (" + FORMS + ")"},
        {{"--from", "02", "--to", "hex"},
         "",
         exit_status::usage_error,
         u + "--from: '02' is not a form (" + FORMS + ")"},
        {{"--from", "hex", "--to", "64"}, "", exit_status::usage_error, u + "--to: '64' is not a form (" + FORMS + ")"},
        {{"--frm", "hex"}, "", exit_status::usage_error, u + "unknown option '--frm'"},
        {{"-x"}, "", exit_status::usage_error, u + "unknown option '-x'"},
        {{"--from"}, "", exit_status::usage_error, u + "--from needs FORM"},
        {{"--help=yes"}, "", exit_status::usage_error, u + "--help takes no value"},
        {{"-hv"}, "", exit_status::usage_error, u + "--help takes no value"},
        {plus(HEX_TO_58, {"a", "b"}), "", exit_status::usage_error, u + "more than one FILE: 'a' and 'b'"},
        {plus(HEX_TO_58, {"-w", "x"}), "", exit_status::usage_error,
         u + "--wrap: 'x' is not a number of columns (0 to 100000000)"},
        {plus(HEX_TO_58, {"-w", "100000001"}), "", exit_status::usage_error,
         u + "--wrap: '100000001' is not a number of columns (0 to 100000000)"},
        {{"--from", "hex", "--to", "raw", "-w", "8"},
         "",
         exit_status::usage_error,
         u + "--wrap: raw output is the bytes themselves and has no lines"},
        // Alphabets: a repeated, a missing, a superfluous or a blank character, named.
        {plus(HEX_TO_58, {"--alphabet", "123456789ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxy1"}), "",
         exit_status::usage_error, u + "--alphabet: the alphabet repeats '1' (characters 1 and 58) (--to 58)"},
        {{"--from", "hex", "--to", "10", "--alphabet", "012345678"},
         "",
         exit_status::usage_error,
         u + "--alphabet: the alphabet has 9 characters; radix 10 needs 10: 1 missing (--to 10)"},
        {{"--from", "hex", "--to", "3", "--alphabet", "abcd"},
         "",
         exit_status::usage_error,
         u + "--alphabet: the alphabet has 4 characters; radix 3 needs 3: 1 too many (--to 3)"},
        {{"--from", "hex", "--to", "3", "--alphabet", "a b"},
         "",
         exit_status::usage_error,
         u + "--alphabet: the alphabet holds a blank (0x20, character 2), which input text skips (--to 3)"},
        {{"--from", "hex", "--to", "3", "--alphabet",
          "a\xE9"
          "a"},
         "",
         exit_status::usage_error,
         u + "--alphabet: the alphabet repeats 'a' (characters 1 and 3) (--to 3)"},
        {{"--from", "hex", "--to", "36", "--alphabet", "bitcoin"},
         "",
         exit_status::usage_error,
         u + "--alphabet: the alphabet bitcoin has 58 digits; --to 36 needs 36"},
        {{"--from", "10", "--to", "36", "--alphabet", "bitcoin"},
         "",
         exit_status::usage_error,
         u + "--alphabet: it has 58 digits; neither --from 10 nor --to 36 has as many"},
        {{"--from", "10", "--to", "36", "--alphabet", "01234012"},
         "",
         exit_status::usage_error,
         u + "--alphabet: the alphabet repeats '0' (characters 1 and 6)"},
        {{"--from", "hex", "--to", "raw", "--alphabet", "01"},
         "",
         exit_status::usage_error,
         u + "--alphabet: no side takes it (--from hex, --to raw)"},
        {{"--from", "hex", "--to", "10", "--from-alphabet", "0123456789ABCDEF"},
         "",
         exit_status::usage_error,
         u + "--from-alphabet: --from hex takes no alphabet"},
        {{"--from", "10", "--to", "hex", "--from-alphabet", "flickr"},
         "",
         exit_status::usage_error,
         u + "--from-alphabet: the alphabet flickr has 58 digits; --from 10 needs 10"},
        {{"--from", "hex", "--to", "2", "--to-alphabet", "0"},
         "",
         exit_status::usage_error,
         u + "--to-alphabet: the alphabet has 1 characters; radix 2 needs 2: 1 missing (--to 2)"},
        // A mistyped name is answered as a name, with the nearest one.
        {plus(HEX_TO_58, {"--alphabet", "bitcoins"}), "", exit_status::usage_error,
         u + "--alphabet: unknown alphabet 'bitcoins' (did you mean 'bitcoin'? --list-alphabets prints the names)"},
        {{"--from", "hex", "--to", "base64", "--alphabet", "base64-url"},
         "",
         exit_status::usage_error,
         u + "--alphabet: unknown alphabet 'base64-url' (did you mean 'base64url'? --list-alphabets prints the names)"},
        {{"--from", "10", "--to", "36", "--alphabet", "Flicker"},
         "",
         exit_status::usage_error,
         u + "--alphabet: unknown alphabet 'Flicker' (did you mean 'flickr'? --list-alphabets prints the names)"},
        // Padding that would read back as a digit.
        {{"--from", "raw", "--to", "base64", "--alphabet", "=BCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"},
         "",
         exit_status::usage_error,
         u + "--no-padding is needed: the alphabet of --to base64 holds '=', its padding character"},
        // Options that would change nothing of the output form.
        {{"--from", "raw", "--to", "hex", "--no-padding"},
         "",
         exit_status::usage_error,
         u + "--no-padding: --to hex has no padding"},
        {{"--from", "raw", "--to", "58", "--lower"},
         "",
         exit_status::usage_error,
         u + "--lower: --to 58 has no lower case of its default digits"},
        {{"--from", "raw", "--to", "36", "--lower", "--alphabet", "digits-lower"},
         "",
         exit_status::usage_error,
         u + "--lower: --to 36 has no lower case of its default digits"},
    };
    for (const error_case& c : cases) {
        SCOPED_TRACE(c.message);
        expect_refusal(c);
    }
}

TEST(CliErrors, InputRefusals)
{
    const std::string u = "morvane-cli: ";
    const error_case cases[] = {
        // The first character that is not a digit, with its offset, line and column.
        {{"--from", "16", "--to", "10"},
         "gb\n c!d",
         exit_status::failed,
         u + "offset 0 (line 1, column 1): 'g' is not a digit of radix 16"},
        {{"--from", "hex", "--to", "10"},
         "ab\n c!d",
         exit_status::failed,
         u + "offset 5 (line 2, column 3): '!' is not a hex digit"},
        {{"--from", "hex", "--to", "10"},
         "00\r\n11\r\n\t2\xC3\xA9",
         exit_status::failed,
         u + "offset 10 (line 3, column 3): 0xC3 is not a hex digit"},
        {{"--from", "base64", "--to", "hex"},
         "SG=Vs",
         exit_status::failed,
         u + "offset 3 (line 1, column 4): 'V' follows the padding, which may only end the text"},
        {{"--from", "base64", "--to", "hex"},
         std::string("SG\0V", 4),
         exit_status::failed,
         u + "offset 2 (line 1, column 3): 0x00 is not a Base64 digit"},
        {{"--from", "58", "--to", "hex", "--alphabet", "bitcoin"},
         "2NEpo7TZ0RR",
         exit_status::failed,
         u + "offset 8 (line 1, column 9): '0' is not a digit of radix 58"},
        {{"--from", "base64", "--to", "hex"},
         "SGVsb",
         exit_status::failed,
         u + "the Base64 text ends in a lone digit (5 digits), which holds no whole byte"},
        // A number beyond the limit, from each kind of form, before any conversion where the digit count
        // shows it.
        {{"--from", "raw", "--to", "10"}, std::string(MAX_CLI_BYTES + 1, 'x'), exit_status::failed, TOO_BIG},
        {{"--from", "hex", "--to", "36"}, std::string(2 * MAX_CLI_BYTES + 2, 'F'), exit_status::failed, TOO_BIG},
        {{"--from", "base64", "--to", "base58"},
         std::string((4 * MAX_CLI_BYTES + 2) / 3 + 1, 'A'),
         exit_status::failed,
         TOO_BIG},
        {{"--from", "16", "--to", "raw"}, "1" + std::string(2 * MAX_CLI_BYTES, '0'), exit_status::failed, TOO_BIG},
        {{"--from", "2", "--to", "raw"}, "1" + std::string(8 * MAX_CLI_BYTES, '0'), exit_status::failed, TOO_BIG},
        {{"--from", "10", "--to", "raw", "--keep-leading-zeros"},
         std::string(MAX_CLI_BYTES, '0') + "1",
         exit_status::failed,
         TOO_BIG},
        {{"--from", "10", "--to", "raw", "--keep-leading-zeros"},
         std::string(MAX_CLI_BYTES + 1, '0'),
         exit_status::failed,
         TOO_BIG},
        // A file that is not there, and an empty name, with the system's reason.
        {{"--from", "hex", "--to", "10", "/nonexistent/morvane.txt"},
         "",
         exit_status::failed,
         u + "/nonexistent/morvane.txt: No such file or directory"},
        {{"--from", "hex", "--to", "10", ""}, "ff", exit_status::failed, u + "'': No such file or directory"},
    };
    for (const error_case& c : cases) {
        SCOPED_TRACE(c.message);
        expect_refusal(c);
    }
}

// At the limit: the largest data passes in every form, and a number one above it is refused although
// its digit count alone cannot tell (it is converted, then counted).
TEST(CliErrors, TheLimitItself)
{
    const std::string ff(MAX_CLI_BYTES, '\xFF');
    cli_result decimal = run_cli({"--from", "raw", "--to", "10"}, ff);
    ASSERT_EQ(decimal.status, exit_status::done);
    std::string text = line_of(decimal);
    EXPECT_EQ(run_cli({"--from", "10", "--to", "raw"}, text).out, ff);
    // 256^limit: the decimal text plus one has as many digits, and one byte too many.
    size_t i = text.size();
    while (i > 0 && text[i - 1] == '9')
        text[--i] = '0';
    ASSERT_GT(i, 0u);
    ++text[i - 1];
    expect_refusal({{"--from", "10", "--to", "raw"}, text, exit_status::failed, TOO_BIG});
    EXPECT_EQ(run_cli({"--from", "raw", "--to", "raw"}, ff).out, ff);
    EXPECT_EQ(run_cli({"--from", "hex", "--to", "raw"}, std::string(2 * MAX_CLI_BYTES, 'F')).out, ff);
    EXPECT_EQ(run_cli({"--from", "16", "--to", "raw"}, std::string(2 * MAX_CLI_BYTES, 'F')).out, ff);
    EXPECT_EQ(run_cli({"--from", "2", "--to", "raw"}, std::string(8 * MAX_CLI_BYTES, '1')).out, ff);
    EXPECT_EQ(run_cli({"--from", "10", "--to", "raw", "--keep-leading-zeros"}, std::string(MAX_CLI_BYTES, '0')).out,
              std::string(MAX_CLI_BYTES, '\0'));
    // Leading zero digits of the default rule count for nothing.
    EXPECT_EQ(run_cli({"--from", "10", "--to", "hex"}, std::string(10 * MAX_CLI_BYTES, '0') + "255").out, "FF\n");
}

// Each line is a value: a refused line ends the run, and the lines before it stay written.
TEST(CliErrors, LinesBeforeARefusal)
{
    struct {
        std::vector<std::string> args;
        std::string in, out, message;
    } cases[] = {
        {{"--from", "10", "--to", "hex"},
         "1\n255\n2x\n4\n",
         "01\nFF\n",
         "offset 7 (line 3, column 2): 'x' is not a digit of radix 10"},
        {{"--from", "base64", "--to", "hex"},
         "QQ==\nQUJD\nQUJ\nQ\n",
         "41\n414243\n4142\n",
         "line 4: the Base64 text ends in a lone digit (1 digit), which holds no whole byte"},
        {{"--from", "10", "--to", "36"},
         "1\n1" + std::string(MAX_CLI_BYTES * 3, '0'),
         "1\n",
         "line 2: " + TOO_BIG.substr(std::string("morvane-cli: ").size())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        std::vector<std::string> args = c.args;
        args.push_back("--lines");
        cli_result r = run_cli(args, c.in);
        EXPECT_EQ(r.status, exit_status::failed);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "morvane-cli: " + c.message + "\n");
    }
}

TEST(CliErrors, GarbageDroppedOnRequest)
{
    cli_result r = run_cli({"--from", "base64", "--to", "raw", "--ignore-garbage"}, "SGVsbG8=\n=");
    EXPECT_EQ(r.status, exit_status::done);
    EXPECT_EQ(r.out, "Hello");
}

}  // namespace
