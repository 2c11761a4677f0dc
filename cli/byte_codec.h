#pragma once
// Byte forms converted a piece at a time in constant memory: base16, base32 and base64 (with or without
// '=' padding), base2msbf and Z85. Each digit stands for a fixed number of bits, or for Z85 each group
// of 5 digits for 4 bytes; the digit characters are the caller's.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/digit_alphabet.h"
#include "cli/input_scan.h"

enum class byte_codec_kind { base16, base32, base64, base2msbf, z85 };

// The digits of the byte forms beside the hex and Base64 ones of engine/digit_alphabet.h.
inline constexpr char BASE32_DIGITS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567";
inline constexpr char BASE32HEX_DIGITS[] = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
inline constexpr char BINARY_DIGITS[] = "01";
inline constexpr char Z85_DIGITS[] =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ.-:+=^!/*?&<>()[]{}@%$#";

// Bytes in pieces to text in pieces.
class byte_encoder {
public:
    // digits holds the kind's 16, 32, 64, 2 or 85 characters, value 0 first; padding adds '=' to a last partial group
    // of base32 and base64 (other kinds have none).
    byte_encoder(byte_codec_kind kind, const std::string& digits, bool padding);
    // Appends to out the text of every whole group the data now completes, and holds the rest.
    void put(const uint8_t* bytes, size_t count, std::string& out);
    // Appends the text of the bytes held (a last partial group). False when the data cannot end here
    // (Z85: a byte count that is not a multiple of 4), with the reason in problem().
    bool finish(std::string& out);
    // Why finish() failed, a full message.
    const std::string& problem() const { return problem_; }

private:
    static constexpr size_t MAX_GROUP_BYTES = 5;  // base32's

    // Appends the text of `groups` whole groups of bytes.
    void put_groups(const uint8_t* bytes, size_t groups, std::string& out) const;
    template <byte_codec_kind K> void put_groups_of(const uint8_t* bytes, size_t groups, std::string& out) const;

    byte_codec_kind kind_;
    std::string digits_;
    std::string unit_text_;  // the digits of each value of an encoding unit in turn (none for Z85)
    bool padding_;
    uint8_t held_[MAX_GROUP_BYTES] = {};  // the bytes of a partial group
    size_t held_count_ = 0;
    uint64_t total_ = 0;  // bytes put so far
    std::string problem_;
};

// How base16 text of an odd digit count reads.
enum class odd_hex {
    refused,            // a byte takes two digits
    first_digit_alone,  // the first digit is a byte of its own ("ABC" = 0A BC)
};

// Text in pieces to bytes in pieces. Blanks (is_blank) are skipped anywhere; '=' is padding for base32
// and base64 unless the alphabet has it as a digit.
class byte_decoder {
public:
    // alphabet holds the kind's 16, 32, 64, 2 or 85 digits (other characters may read as one of them). With
    // drop_garbage, characters that are not digits, padding included, are skipped like blanks (as --ignore-garbage
    // always has).
    // With odd_hex::first_digit_alone (base16 only) the bytes are held until finish() while the text has
    // fewer than 2 * hold_limit digits (so an odd count gives at most hold_limit bytes); from then on they
    // are written as pairs as they come, and an odd count is refused.
    byte_decoder(byte_codec_kind kind, const digit_alphabet& alphabet, bool drop_garbage,
                 odd_hex odd = odd_hex::refused, uint64_t hold_limit = 0);
    // Reads the next piece of text and appends to out the bytes it completes; false once the text is
    // refused (a character out of place), with the reason and its position in problem().
    bool put(const char* text, size_t length, std::string& out);
    // Appends the bytes of the text's end; false when the text cannot end here (a partial group, short
    // padding, an odd base16 count) or was refused before. Ends the text.
    bool finish(std::string& out);
    // Starts a new text, whose first character stands at `at`, as a new decoder would.
    void restart(const text_position& at);
    // Why the text was refused: a full message, positions as "offset N (line L, column C)".
    const std::string& problem() const { return problem_; }

private:
    template <byte_codec_kind K> bool put_text(const char* text, size_t length, std::string& out);
    // Takes the character c at offset, one that is not a digit or that follows padding; false when it is
    // refused.
    bool take_other(unsigned char c, uint64_t offset);
    // Takes '=' (c) at offset; false when padding cannot stand there.
    bool take_padding(unsigned char c, uint64_t offset);
    // Appends the bytes of the last partial group (group_digits_ digits).
    void put_partial_group(std::string& out) const;
    // Refuses the text with a message naming c and its position, or with the message given; false.
    bool refuse(uint64_t offset, unsigned char c, const std::string& why);
    bool refuse(const std::string& message);
    // Why the text cannot end here; empty when it can.
    std::string end_problem() const;

    byte_codec_kind kind_;
    uint8_t classes_[256];  // the digit value of each character, or a class of the others
    odd_hex odd_;
    uint64_t hold_limit_;
    bool holding_;  // bytes go to held_ until the base16 parity is known or can no longer matter
    std::string held_;
    uint64_t group_value_ = 0;  // the digits of the partial group
    unsigned group_digits_ = 0;
    unsigned padding_ = 0;  // '=' read
    uint64_t digits_ = 0;   // digits read
    uint64_t offset_ = 0;   // of the next piece
    uint64_t line_ = 1, line_start_ = 0;
    bool refused_ = false;
    std::string problem_;
};
