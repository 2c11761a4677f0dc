// Published and independently computed vectors of the named alphabets, both ways, and the forms'
// rules for leading zeros, case and odd digit counts; the streaming byte codecs on the published vectors
// of their forms, in pieces of any size, and each of their refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "cli/byte_codec.h"
#include "cli/named_alphabets.h"
#include "engine/digit_alphabet.h"
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
    {"", "base64", "48656C6C6F", "SGVsbG8="},
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

// What a user of the standard tools expects: padding written and read, lower case on request, either
// case in radix 2-36, Base58 keeping its leading zero bytes, names in either case. (The byte forms'
// own vectors are the codecs', below.)
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
        {{"--from", "10", "--to", "10"},
         "18446744073709551616\n18446744073709551615\n",
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

// The streaming byte codecs.

struct codec_form {
    const char* name;
    byte_codec_kind kind;
    std::string digits;
    const char* aliases;  // pairs: a character that also reads as a digit, then that digit
};

const codec_form base64_form{"base64", byte_codec_kind::base64, BASE64_ALPHABET, ""};
const codec_form base64url_form{"base64url", byte_codec_kind::base64, find_named_alphabet("base64url")->digits, ""};
const codec_form base32_form{"base32", byte_codec_kind::base32, BASE32_DIGITS, ""};
const codec_form base32hex_form{"base32hex", byte_codec_kind::base32, BASE32HEX_DIGITS, ""};
const codec_form base16_form{"base16", byte_codec_kind::base16, HEX_DIGITS_UPPER, "aAbBcCdDeEfF"};
const codec_form binary_form{"base2msbf", byte_codec_kind::base2msbf, BINARY_DIGITS, ""};
const codec_form z85_form{"z85", byte_codec_kind::z85, Z85_DIGITS, ""};
const codec_form* const codec_forms[] = {&base64_form, &base64url_form, &base32_form, &base32hex_form,
                                         &base16_form, &binary_form,    &z85_form};

struct codec_options {
    bool drop_garbage = false;
    odd_hex odd = odd_hex::refused;
    uint64_t hold_limit = 0;
};

// The text of bytes, put `piece` bytes at a time.
std::string encode_in_pieces(const codec_form& form, const std::string& bytes, bool padding, size_t piece)
{
    byte_encoder encoder(form.kind, form.digits, padding);
    std::string text;
    for (size_t at = 0; at < bytes.size(); at += piece)
        encoder.put(reinterpret_cast<const uint8_t*>(bytes.data()) + at, std::min(piece, bytes.size() - at), text);
    EXPECT_TRUE(encoder.finish(text)) << encoder.problem();
    return text;
}

struct decoded {
    bool ok;
    std::string bytes, problem;
};

// The bytes of text put `piece` characters at a time, or why it was refused.
decoded decode_in_pieces(const codec_form& form, const std::string& text, size_t piece,
                         const codec_options& options = {})
{
    const digit_alphabet alphabet = make_alphabet(form.digits, form.aliases);
    byte_decoder decoder(form.kind, alphabet, options.drop_garbage, options.odd, options.hold_limit);
    std::string bytes;
    bool ok = true;
    for (size_t at = 0; ok && at < text.size(); at += piece)
        ok = decoder.put(text.data() + at, std::min(piece, text.size() - at), bytes);
    ok = ok && decoder.finish(bytes);
    return {ok, bytes, decoder.problem()};
}

std::string without_padding(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '='), text.end());
    return text;
}

// Encodes bytes padded and not, and decodes text and its unpadded form, checking each against the other.
void check_vector(const codec_form& form, const std::string& bytes, const std::string& text)
{
    SCOPED_TRACE(std::string(form.name) + " " + text);
    EXPECT_EQ(encode_in_pieces(form, bytes, true, bytes.size() + 1), text);
    EXPECT_EQ(encode_in_pieces(form, bytes, false, bytes.size() + 1), without_padding(text));
    for (const std::string& digits : {text, without_padding(text)}) {
        decoded d = decode_in_pieces(form, digits, digits.size() + 1);
        EXPECT_TRUE(d.ok) << d.problem;
        EXPECT_EQ(d.bytes, bytes);
    }
}

// RFC 4648's vectors (section 10), Z85's published one, and the url alphabet's two digits.
TEST(ByteCodecs, PublishedVectorsBothWaysPaddedAndNot)
{
    const char* const rfc_bytes[] = {"", "f", "fo", "foo", "foob", "fooba", "foobar"};
    const struct {
        const codec_form& form;
        const char* texts[std::size(rfc_bytes)];
    } rfc_vectors[] = {
        {base64_form, {"", "Zg==", "Zm8=", "Zm9v", "Zm9vYg==", "Zm9vYmE=", "Zm9vYmFy"}},
        {base32_form, {"", "MY======", "MZXQ====", "MZXW6===", "MZXW6YQ=", "MZXW6YTB", "MZXW6YTBOI======"}},
        {base32hex_form, {"", "CO======", "CPNG====", "CPNMU===", "CPNMUOG=", "CPNMUOJ1", "CPNMUOJ1E8======"}},
        {base16_form, {"", "66", "666F", "666F6F", "666F6F62", "666F6F6261", "666F6F626172"}},
    };
    for (const auto& v : rfc_vectors)
        for (size_t i = 0; i < std::size(rfc_bytes); ++i)
            check_vector(v.form, rfc_bytes[i], v.texts[i]);
    check_vector(z85_form, "\x86\x4F\xD2\x6F\xB5\x59\xF7\x5B", "HelloWorld");
    check_vector(binary_form, "a", "01100001");
    check_vector(binary_form, std::string("\x00\xFF", 2), "0000000011111111");
    check_vector(base64url_form, "\xFB\xFF\xBF", "-_-_");
    check_vector(base64url_form, "\xFB\xFF", "-_8=");
}

// Blanks anywhere, either case of hex, garbage dropped (padding too), unused bits that are not
// zero, '=' as a Z85 digit, and an odd hex count within the hold.
TEST(ByteCodecs, ReadingRules)
{
    const codec_options drop{true};
    const codec_options hex_rule{false, odd_hex::first_digit_alone, 2};
    const struct {
        const codec_form& form;
        codec_options options;
        std::string text, bytes;
    } cases[] = {
        {base16_form, {}, "66 6f\r\n6F\t", "foo"},
        {base64_form, {}, " Zm9v\nYg=\v=\f\n", "foob"},
        {base32_form, {}, "MZXW6\n===", "foo"},
        {base64_form, drop, "Zm!9v*Yg=~=", "foob"},
        {z85_form, drop, "Hello_World", "\x86\x4F\xD2\x6F\xB5\x59\xF7\x5B"},
        {base64_form, {}, "Zh==", "f"},
        {base32_form, {}, "MZ", "f"},
        {z85_form, {}, "=====", "\xCF\xCC\x0B\x9A"},
        {base16_form, hex_rule, "ABC", std::string("\x0A\xBC", 2)},
        {base16_form, hex_rule, "F", "\x0F"},
        {base16_form, hex_rule, "ABCD", "\xAB\xCD"},
        {base16_form, hex_rule, "ABCDEF", "\xAB\xCD\xEF"},
    };
    for (const auto& c : cases)
        for (size_t piece : {c.text.size() + 1, size_t(1)}) {
            SCOPED_TRACE(std::string(c.form.name) + " " + c.text + " in pieces of " + std::to_string(piece));
            decoded d = decode_in_pieces(c.form, c.text, piece, c.options);
            EXPECT_TRUE(d.ok) << d.problem;
            EXPECT_EQ(d.bytes, c.bytes);
        }
}

// Lines of 76 characters, as text is usually written.
std::string wrapped(const std::string& text)
{
    std::string lines;
    for (size_t at = 0; at < text.size(); at += 76)
        lines += text.substr(at, 76) + "\n";
    return lines;
}

// Random data gives the same text put in pieces of any size as in one, and that text (in lines) read back
// in pieces gives the data; for hex with the odd rule, an odd text reads as its digits after a '0' do.
TEST(ByteCodecs, PiecesOfAnySizeGiveTheSameResult)
{
    const std::string data = bytes_text(random_bytes(1000, 77));
    const size_t pieces[] = {1, 2, 3, 7, 64};
    for (const codec_form* form : codec_forms) {
        const std::string text = encode_in_pieces(*form, data, true, data.size());
        for (size_t piece : pieces) {
            SCOPED_TRACE(std::string(form->name) + " in pieces of " + std::to_string(piece));
            EXPECT_EQ(encode_in_pieces(*form, data, true, piece), text);
            decoded d = decode_in_pieces(*form, wrapped(text), piece);
            EXPECT_TRUE(d.ok) << d.problem;
            EXPECT_EQ(d.bytes, data);
        }
    }
    const std::string odd_hex_text = encode_in_pieces(base16_form, data, false, data.size()).substr(1);
    const decoded pairs = decode_in_pieces(base16_form, "0" + odd_hex_text, odd_hex_text.size());
    for (size_t piece : pieces) {
        SCOPED_TRACE("odd hex in pieces of " + std::to_string(piece));
        decoded d =
            decode_in_pieces(base16_form, wrapped(odd_hex_text), piece, {false, odd_hex::first_digit_alone, 1000});
        EXPECT_TRUE(d.ok) << d.problem;
        EXPECT_EQ(d.bytes, pairs.bytes);
    }
}

// Each refusal and its message, the same whether the text comes whole or a character at a time.
TEST(ByteCodecs, Refusals)
{
    const codec_options drop{true};
    const codec_options hex_rule{false, odd_hex::first_digit_alone, 2};
    const struct {
        const codec_form& form;
        codec_options options;
        std::string text, problem;
    } cases[] = {
        {base16_form, {}, "41 4!", "offset 4 (line 1, column 5): '!' is not a hex digit"},
        {base64_form, {}, "SGVs\nbG8*", "offset 8 (line 2, column 4): '*' is not a Base64 digit"},
        {base32_form, {}, "MZ\r\nX\x01", "offset 5 (line 2, column 2): 0x01 is not a Base32 digit"},
        {binary_form, {}, "0110 2", "offset 5 (line 1, column 6): '2' is not a binary digit"},
        {z85_form, {}, "Hello\n\nWor_d", "offset 10 (line 3, column 4): '_' is not a Z85 digit"},
        {base64_form,
         {},
         "Z===",
         "offset 1 (line 1, column 2): '=' is padding in the wrong place: it may follow 2 or 3 digits of a Base64 "
         "group, not 1"},
        {base64_form,
         {},
         "Zm9v=",
         "offset 4 (line 1, column 5): '=' is padding in the wrong place: it may follow 2 or 3 digits of a Base64 "
         "group, not 0"},
        {base32_form,
         {},
         "MZX=====",
         "offset 3 (line 1, column 4): '=' is padding in the wrong place: it may follow 2, 4, 5 or 7 digits of a "
         "Base32 group, not 3"},
        {base64_form,
         {},
         "Zg= ==",
         "offset 5 (line 1, column 6): '=' is padding in the wrong place: 2 digits of a Base64 group take 2 '=', not "
         "more"},
        {base64_form,
         {},
         "Zg== Zg==",
         "offset 5 (line 1, column 6): 'Z' follows the padding, which may only end the text"},
        {base64_form, {}, "Zg=", "the Base64 padding is short: 2 digits of a group take 2 '=', the text has 1"},
        {base32_form, {}, "MZXQ==", "the Base32 padding is short: 4 digits of a group take 4 '=', the text has 2"},
        {base64_form, {}, "Zm9vY", "the Base64 text ends in a lone digit (5 digits), which holds no whole byte"},
        {base32_form, {}, "MZXW6YTBO", "the Base32 text ends in a lone digit (9 digits), which holds no whole byte"},
        {base32_form,
         {},
         "MZXW6YTBOI4",
         "the Base32 text ends in 3 digits of a group (11 digits), which no bytes encode to: a group ends in 2, 4, 5 "
         "or 7 digits"},
        {binary_form,
         {},
         "0110000101",
         "the binary text ends in a partial byte of 2 digits (10 digits), and a whole one takes 8"},
        {z85_form,
         {},
         "HelloWor",
         "the Z85 text ends in a partial group of 3 digits (8 digits), and a whole one takes 5"},
        {z85_form, drop, "Hello#~####",
         "offset 10 (line 1, column 11): '#' ends a Z85 group of value 4437053124, more than 4 bytes hold (at most "
         "4294967295)"},
        {base16_form, {}, "ABC", "the hex text has an odd number of digits (3), and a byte takes 2"},
        {base16_form, hex_rule, "ABCDE",
         "the hex text has an odd number of digits (5): its first digit would be a byte of its own, which shows "
         "only at the end, but from 4 digits on the bytes are written in pairs as they come"},
    };
    for (const auto& c : cases)
        for (size_t piece : {c.text.size() + 1, size_t(1)}) {
            SCOPED_TRACE(std::string(c.form.name) + " " + c.text + " in pieces of " + std::to_string(piece));
            decoded d = decode_in_pieces(c.form, c.text, piece, c.options);
            EXPECT_FALSE(d.ok);
            EXPECT_EQ(d.problem, c.problem);
        }

    byte_encoder encoder(byte_codec_kind::z85, Z85_DIGITS, false);
    std::string text;
    encoder.put(reinterpret_cast<const uint8_t*>("abcde"), 5, text);
    EXPECT_FALSE(encoder.finish(text));
    EXPECT_EQ(encoder.problem(), "the data is 5 bytes, not a multiple of 4: Z85 text holds whole groups of 4 bytes");
}

}  // namespace
