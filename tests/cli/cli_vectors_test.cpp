// Published and independently computed vectors of the named alphabets, both ways, and the forms'
// rules for leading zeros, case and odd digit counts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/cli_test_support.h"

namespace {

struct vector_case {
    const char* alphabet;  // --alphabet value; "" for the form's own digits
    const char* to;        // the form of text
    const char* hex;       // the bytes
    const char* text;      // their text with leading zeros kept
};

// Base58: the published vectors of the address alphabet (the last two with leading zero bytes), and the
// same bytes in the other alphabets as an independent implementation computes them.
const vector_case vectors[] = {
    {"bitcoin", "58", "", ""},
    {"bitcoin", "58", "48656C6C6F20576F726C6421", "2NEpo7TZRRrLZSi2U"},
    {"bitcoin", "58", "54686520717569636B2062726F776E20666F78206A756D7073206F76657220746865206C617A7920646F672E",
     "USm3fpXnKG5EUBx2ndxBDMPVciP5hGey2Jh4NDv6gmeo1LkMeiKrLJUUBk6Z"},
    {"bitcoin", "58", "61", "2g"},
    {"bitcoin", "58", "626262", "a3gV"},
    {"bitcoin", "58", "636363", "aPEr"},
    {"bitcoin", "58", "73696D706C792061206C6F6E6720737472696E67", "2cFupjhnEsSn59qHXstmK2ffpLv2"},
    {"bitcoin", "58", "516B6FCD0F", "ABnLTmg"},
    {"bitcoin", "58", "BF4F89001E670274DD", "3SEo3LWLoPntC"},
    {"bitcoin", "58", "572E4794", "3EFU7m"},
    {"bitcoin", "58", "ECAC89CAD93923C02321", "EJDM8drfXA6uyA"},
    {"bitcoin", "58", "10C8511E", "Rt5zm"},
    {"bitcoin", "58", "0000287FB4CD", "11233QC4"},
    {"bitcoin", "58", "00EB15231DFCEB60925886B67D065299925915AEB172C06647", "1NS17iag9jJgTHD1VXjvLCEnZuQ3rJDE9L"},
    {"bitcoin", "58", "00000000000000000000", "1111111111"},
    {"flickr", "58", "48656C6C6F20576F726C6421", "2nePN7syqqRkyrH2t"},
    {"flickr", "58", "0000287FB4CD", "11233pc4"},
    {"flickr", "58", "FF", "5p"},
    {"digits-upper-lower", "62", "48656C6C6F20576F726C6421", "T8dgcjRGkZ3aysdN"},
    {"digits-upper-lower", "62", "0000287FB4CD", "00jyw3x"},
    {"digits-lower-upper", "62", "48656C6C6F20576F726C6421", "t8DGCJrgKz3AYSDn"},
    {"digits-lower-upper", "62", "0000287FB4CD", "00JYW3X"},
    {"crockford", "32", "48656C6C6F20576F726C6421", "J35DHP6Y82QDXS6RS11"},
    {"crockford", "32", "04D2", "16J"},
    {"crockford", "32", "FFFFFFFFFFFFFFFF", "FZZZZZZZZZZZZ"},
    {"digits-lower", "36", "48656C6C6F20576F726C6421", "2678lx5gvmsv1dro9b5"},
    {"digits-lower", "36", "0000287FB4CD", "00b8j559"},
    {"base64url", "base64", "FBFF3E", "-_8-"},
    {"", "base64", "FBFF3E", "+/8+"},
    {"", "base64", "48656C6C6F", "SGVsbG8"},
    {"", "36", "FF", "73"},
    {"", "60", "0E0F", "xx"},
    {"", "60", "0E10", "100"},
    {"", "62", "0F04", "100"},
    {"", "62", "0F03", "zz"},
    {"", "61", "00", "0"},
};

std::vector<std::string> with_alphabet(std::vector<std::string> args, const char* alphabet)
{
    if (alphabet[0] != '\0') {
        args.push_back("--alphabet");
        args.push_back(alphabet);
    }
    return args;
}

TEST(CliVectors, EncodeAndDecodeWithLeadingZerosKept)
{
    for (const vector_case& v : vectors) {
        SCOPED_TRACE(std::string(v.alphabet) + " " + v.hex);
        cli_result encoded =
            run_cli(with_alphabet({"--from", "hex", "--to", v.to, "--keep-leading-zeros"}, v.alphabet), v.hex);
        EXPECT_EQ(encoded.status, exit_status::done) << encoded.err;
        EXPECT_EQ(encoded.out, std::string(v.text) + "\n");
        cli_result decoded =
            run_cli(with_alphabet({"--from", v.to, "--to", "hex", "--keep-leading-zeros"}, v.alphabet), v.text);
        EXPECT_EQ(decoded.status, exit_status::done) << decoded.err;
        EXPECT_EQ(decoded.out, std::string(v.hex) + "\n");
    }
}

// By default a number has no leading zero digits: zero bytes in front are dropped, the value zero is
// one zero digit, and a text of zeros reads as one zero byte.
TEST(CliVectors, DefaultRuleDropsLeadingZeros)
{
    struct {
        std::vector<std::string> args;
        std::string in, out;
    } cases[] = {
        {{"--from", "hex", "--to", "58", "--alphabet", "bitcoin"}, "0000287FB4CD", "233QC4\n"},
        {{"--from", "hex", "--to", "10"}, "0000", "0\n"},
        {{"--from", "hex", "--to", "10"}, "", "\n"},
        {{"--from", "10", "--to", "hex"}, "000", "00\n"},
        {{"--from", "10", "--to", "hex"}, "", "\n"},
        {{"--from", "10", "--to", "hex"}, "0065535", "FFFF\n"},
        {{"--from", "58", "--to", "hex", "--alphabet", "bitcoin"}, "11233QC4", "287FB4CD\n"},
        {{"--from", "10", "--to", "2"}, "256", "100000000\n"},
        // Radix 16 is a number: its text has no leading zero, and hex keeps every byte.
        {{"--from", "hex", "--to", "16"}, "000F0A", "F0A\n"},
        {{"--from", "16", "--to", "hex"}, "F0A", "0F0A\n"},
        // With leading zeros kept, bytes of zeros are zero digits only.
        {{"--from", "hex", "--to", "10", "--keep-leading-zeros"}, "0000", "00\n"},
        {{"--from", "10", "--to", "hex", "--keep-leading-zeros"}, "000", "000000\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[1] + " -> " + c.args[3] + ": " + c.in);
        cli_result r = run_cli(c.args, c.in);
        EXPECT_EQ(r.status, exit_status::done) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
}

// Reading: hex takes either case and an odd count (first digit a byte of its own); Crockford's alphabet
// reads lower case and the look-alikes; blanks and line breaks anywhere are skipped.
TEST(CliVectors, ReadingRules)
{
    struct {
        std::vector<std::string> args;
        std::string in, out;
    } cases[] = {
        {{"--from", "hex", "--to", "hex"}, "abcDEF", "ABCDEF\n"},
        {{"--from", "hex", "--to", "hex"}, "FFF", "0FFF\n"},
        {{"--from", "hex", "--to", "raw"}, "41 42\r\n43\t44\v45\f", "ABCDE"},
        {{"--from", "32", "--to", "10", "--alphabet", "crockford"}, "16j", "1234\n"},
        {{"--from", "32", "--to", "10", "--alphabet", "crockford"}, "IiLl", "33825\n"},
        {{"--from", "32", "--to", "10", "--alphabet", "crockford"}, "oO1", "1\n"},
        {{"--from", "base64", "--to", "raw"}, "SGVs\nbG8", "Hello"},
        {{"--from", "raw", "--to", "hex"}, std::string("\x00\x1A\r\n", 4), "001A0D0A\n"},
        {{"--from", "raw", "--to", "raw"}, std::string("\x00\xFF\r\n", 4), std::string("\x00\xFF\r\n", 4)},
        {{"--from", "10", "--to", "10", "--ignore-garbage"}, "1,234,567.", "1234567\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[1] + " -> " + c.args[3] + ": " + c.in);
        cli_result r = run_cli(c.args, c.in);
        EXPECT_EQ(r.status, exit_status::done) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
}

// What a user of the standard tools expects: padding written and read, the RFC 4648 forms, lower case on
// request, either case in radix 2-36, Base58 keeping its leading zero bytes, names in either case.
TEST(CliVectors, StandardToolConventions)
{
    struct {
        std::vector<std::string> args;
        std::string in, out;
    } cases[] = {
        {{"--from", "raw", "--to", "base64"}, "hello", "aGVsbG8=\n"},
        {{"--from", "raw", "--to", "base64", "--no-padding"}, "hello", "aGVsbG8\n"},
        {{"--from", "base64", "--to", "raw"}, "aGVsbG8=\n", "hello"},
        {{"--from", "base64", "--to", "raw"}, "aGVsbG8", "hello"},
        {{"--from", "raw", "--to", "base64url"}, "\xFB\xFF", "-_8=\n"},
        {{"--from", "raw", "--to", "base32"}, "foobar", "MZXW6YTBOI======\n"},
        {{"--from", "base32hex", "--to", "raw"}, "CPNMUOJ1E8======", "foobar"},
        {{"--from", "raw", "--to", "base2msbf"}, "a", "01100001\n"},
        {{"--from", "hex", "--to", "z85"}, "864FD26FB559F75B", "HelloWorld\n"},
        {{"--from", "base16", "--to", "raw"}, "4a4B", "JK"},
        {{"--from", "raw", "--to", "hex", "--lower"}, "\xAB\xCD", "abcd\n"},
        {{"--from", "10", "--to", "36", "--lower"}, "1295", "zz\n"},
        {{"--from", "16", "--to", "10"}, "ff", "255\n"},
        {{"--from", "36", "--to", "10"}, "Zz", "1295\n"},
        {{"--from", "hex", "--to", "base58"}, "0000287FB4CD", "11233QC4\n"},
        {{"--from", "base58", "--to", "hex"}, "11233QC4", "0000287FB4CD\n"},
        {{"--from", "hex", "--to", "base58", "--alphabet", "Flickr"}, "0000287FB4CD", "11233pc4\n"},
        {{"--from", "hex", "--to", "58", "--alphabet", "BITCOIN"}, "0000287FB4CD", "233QC4\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args) + ": " + c.in);
        cli_result r = run_cli(c.args, c.in);
        EXPECT_EQ(r.status, exit_status::done) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
}

// --lines: one value a line, one output line each, in order; an empty line gives an empty line and a last
// line without a newline still counts. Lines cross the pieces the input is read in.
TEST(CliVectors, EachLineAValue)
{
    std::string many_in, many_out;
    for (int i = 0; i < 30000; ++i) {
        many_in += "12345\n";
        many_out += "3039\n";
    }
    struct {
        std::vector<std::string> args;
        std::string in, out;
    } cases[] = {
        {{"--from", "10", "--to", "hex"}, "255\n16\n", "FF\n10\n"},
        {{"--from", "10", "--to", "62"}, "\n0\n61\n62", "\n0\nz\n10\n"},
        {{"--from", "10", "--to", "10"}, "18446744073709551616\n18446744073709551615\n",
         "18446744073709551616\n18446744073709551615\n"},
        {{"--from", "raw", "--to", "hex"}, "ab\r\n\n", "61620D\n\n"},
        {{"--from", "hex", "--to", "raw"}, "41\n4243\n", "A\nBC\n"},
        {{"--from", "base64", "--to", "hex"}, "QQ==\nQUI=\n", "41\n4142\n"},
        {{"--from", "10", "--to", "hex"}, many_in, many_out},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args) + ": " + c.in.substr(0, 40));
        c.args.push_back("--lines");
        cli_result r = run_cli(c.args, c.in);
        EXPECT_EQ(r.status, exit_status::done) << r.err;
        EXPECT_TRUE(r.out == c.out) << r.out.substr(0, 80);
    }
}

// -w breaks the text into lines of that many characters; raw output has no newline of its own.
TEST(CliVectors, Wrapping)
{
    struct {
        const char* wrap;
        std::string in, out;
    } cases[] = {
        {"4", "0123456789", "0123\n4567\n89\n"},
        {"5", "0123456789", "01234\n56789\n"},
        {"0", "0123456789", "0123456789\n"},
        {"1", "1", "1\n"},
        {"3", "", "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("-w ") + c.wrap + " " + c.in);
        cli_result r = run_cli({"--from", "10", "--to", "10", "--keep-leading-zeros", "-w", c.wrap}, c.in);
        EXPECT_EQ(r.out, c.out);
    }
    EXPECT_EQ(run_cli({"--from", "10", "--to", "10", "-w3"}, "12345").out, "123\n45\n");
    EXPECT_EQ(run_cli({"--from", "10", "--to", "10", "--wrap=2"}, "12345").out, "12\n34\n5\n");
}

}  // namespace
