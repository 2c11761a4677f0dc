#include "cli/byte_codec.h"

#include <climits>
#include <cstring>

#include "cli/input_scan.h"
#include "cli/text_chars.h"

namespace {

// The character classes of a decoder beside the digit values (all below NOT_DIGIT).
constexpr uint8_t NOT_DIGIT = 0x80;
constexpr uint8_t SKIPPED = 0xFD;  // a blank, or garbage dropped
constexpr uint8_t PADDING = 0xFE;  // '=' of base32 and base64
constexpr uint8_t REFUSED = NOT_A_DIGIT;
static_assert(REFUSED >= NOT_DIGIT && SKIPPED >= NOT_DIGIT && PADDING >= NOT_DIGIT, "classes must not be digits");

constexpr unsigned BYTE_VALUES = 256;
constexpr uint32_t Z85_RADIX = 85;
constexpr uint64_t Z85_GROUP_MAX = UINT32_MAX;  // a group is 4 bytes

struct codec_shape {
    const char* name;     // of the text, in messages
    unsigned digit_bits;  // 0 for Z85, whose digits do not stand for whole bits
    unsigned group_digits;
    unsigned group_bytes;
    unsigned unit_digits;  // the digits an encoder writes from one look-up (none for Z85)
};

constexpr codec_shape shape_of(byte_codec_kind kind)
{
    switch (kind) {
    case byte_codec_kind::base16: return {"hex", 4, 2, 1, 2};
    case byte_codec_kind::base32: return {"Base32", 5, 8, 5, 2};
    case byte_codec_kind::base64: return {"Base64", 6, 4, 3, 2};
    case byte_codec_kind::base2msbf: return {"binary", 1, 8, 1, 8};
    case byte_codec_kind::z85: break;
    }
    return {"Z85", 0, 5, 4, 0};
}

bool has_padding(byte_codec_kind kind)
{
    return kind == byte_codec_kind::base32 || kind == byte_codec_kind::base64;
}

// True when `digits` digits can end a text of shape (base32 and base64): they hold a whole byte and
// are what the bytes they hold encode to.
bool ends_group(const codec_shape& shape, unsigned digits)
{
    const unsigned bytes = digits * shape.digit_bits / CHAR_BIT;
    return bytes > 0 && (bytes * CHAR_BIT + shape.digit_bits - 1) / shape.digit_bits == digits;
}

// The digit counts that can end a group of shape, as "2, 4, 5 or 7".
std::string group_ends(const codec_shape& shape)
{
    std::string list;
    unsigned last = 0;
    for (unsigned digits = 1; digits < shape.group_digits; ++digits) {
        if (!ends_group(shape, digits))
            continue;
        if (last != 0)
            list += (list.empty() ? "" : ", ") + std::to_string(last);
        last = digits;
    }
    return list + " or " + std::to_string(last);
}

// The value of a group with one more digit.
template <byte_codec_kind K> uint64_t join(uint64_t value, uint8_t digit)
{
    if constexpr (K == byte_codec_kind::z85)
        return value * Z85_RADIX + digit;
    else
        return value << shape_of(K).digit_bits | digit;
}

// Writes the N low bytes of value, most significant first; returns the end.
template <unsigned N> uint8_t* put_bytes(uint8_t* out, uint64_t value)
{
    for (unsigned i = 0; i < N; ++i)
        out[i] = static_cast<uint8_t>(value >> CHAR_BIT * (N - 1 - i));
    return out + N;
}

std::string count_of(uint64_t count, const char* noun)
{
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

byte_encoder::byte_encoder(byte_codec_kind kind, const std::string& digits, bool padding)
    : kind_(kind), digits_(digits), padding_(padding && has_padding(kind))
{
    const codec_shape shape = shape_of(kind);
    const unsigned unit_bits = shape.unit_digits * shape.digit_bits;
    const unsigned digit_mask = (1u << shape.digit_bits) - 1;
    unit_text_.resize((size_t{1} << unit_bits) * shape.unit_digits);
    for (size_t unit = 0; unit < unit_text_.size(); ++unit) {
        const unsigned shift = (shape.unit_digits - 1 - unit % shape.unit_digits) * shape.digit_bits;
        unit_text_[unit] = digits_[unit / shape.unit_digits >> shift & digit_mask];
    }
}

template <byte_codec_kind K>
void byte_encoder::put_groups_of(const uint8_t* bytes, size_t groups, std::string& out) const
{
    constexpr codec_shape shape = shape_of(K);
    const size_t start = out.size();
    out.resize(start + groups * shape.group_digits);
    char* text = &out[start];
    // Read through locals: the text written could otherwise alias the members.
    const char* const digits = digits_.data();
    const char* const unit_text = unit_text_.data();
    for (size_t g = 0; g < groups; ++g, bytes += shape.group_bytes, text += shape.group_digits) {
        // The loops are short and their bounds constant: unrolled, every shift is a constant one.
        uint64_t value = 0;
#pragma GCC unroll 8
        for (unsigned i = 0; i < shape.group_bytes; ++i)
            value = value << CHAR_BIT | bytes[i];
        if constexpr (K == byte_codec_kind::z85) {
            for (unsigned i = shape.group_digits; i-- > 0; value /= Z85_RADIX)
                text[i] = digits[value % Z85_RADIX];
        } else {
            constexpr unsigned unit_bits = shape.unit_digits * shape.digit_bits;
            constexpr unsigned units = shape.group_digits / shape.unit_digits;
            constexpr uint64_t unit_mask = (uint64_t{1} << unit_bits) - 1;
#pragma GCC unroll 8
            for (unsigned u = 0; u < units; ++u) {
                const size_t unit = value >> (units - 1 - u) * unit_bits & unit_mask;
                std::memcpy(text + u * shape.unit_digits, unit_text + unit * shape.unit_digits, shape.unit_digits);
            }
        }
    }
}

void byte_encoder::put_groups(const uint8_t* bytes, size_t groups, std::string& out) const
{
    switch (kind_) {
    case byte_codec_kind::base16: return put_groups_of<byte_codec_kind::base16>(bytes, groups, out);
    case byte_codec_kind::base32: return put_groups_of<byte_codec_kind::base32>(bytes, groups, out);
    case byte_codec_kind::base64: return put_groups_of<byte_codec_kind::base64>(bytes, groups, out);
    case byte_codec_kind::base2msbf: return put_groups_of<byte_codec_kind::base2msbf>(bytes, groups, out);
    case byte_codec_kind::z85: return put_groups_of<byte_codec_kind::z85>(bytes, groups, out);
    }
}

void byte_encoder::put(const uint8_t* bytes, size_t count, std::string& out)
{
    const size_t group_bytes = shape_of(kind_).group_bytes;
    total_ += count;
    if (held_count_ > 0) {
        while (held_count_ < group_bytes && count > 0) {
            held_[held_count_++] = *bytes++;
            --count;
        }
        if (held_count_ < group_bytes)
            return;
        put_groups(held_, 1, out);
        held_count_ = 0;
    }
    const size_t groups = count / group_bytes;
    put_groups(bytes, groups, out);
    for (size_t i = groups * group_bytes; i < count; ++i)
        held_[held_count_++] = bytes[i];
}

bool byte_encoder::finish(std::string& out)
{
    if (held_count_ == 0)
        return true;
    const codec_shape shape = shape_of(kind_);
    if (shape.digit_bits == 0) {
        problem_ = "the data is " + count_of(total_, "byte") + ", not a multiple of " +
                   std::to_string(shape.group_bytes) + ": " + shape.name + " text holds whole groups of " +
                   std::to_string(shape.group_bytes) + " bytes";
        return false;
    }
    // A partial group of base32 or base64: the digits that hold its bits, then padding to the group's length.
    for (size_t i = held_count_; i < shape.group_bytes; ++i)
        held_[i] = 0;
    std::string group;
    put_groups(held_, 1, group);
    const size_t digits = (held_count_ * CHAR_BIT + shape.digit_bits - 1) / shape.digit_bits;
    out.append(group, 0, digits);
    if (padding_)
        out.append(shape.group_digits - digits, PAD_CHAR);
    held_count_ = 0;
    return true;
}

byte_decoder::byte_decoder(byte_codec_kind kind, const digit_alphabet& alphabet, bool drop_garbage, odd_hex odd,
                           uint64_t hold_limit)
    : kind_(kind), odd_(odd), hold_limit_(hold_limit),
      holding_(kind == byte_codec_kind::base16 && odd == odd_hex::first_digit_alone)
{
    for (unsigned c = 0; c < BYTE_VALUES; ++c) {
        if (alphabet.values[c] != NOT_A_DIGIT)
            classes_[c] = alphabet.values[c];
        else if (is_blank(static_cast<unsigned char>(c)))
            classes_[c] = SKIPPED;
        else if (c == static_cast<unsigned char>(PAD_CHAR) && has_padding(kind) && !drop_garbage)
            classes_[c] = PADDING;
        else
            classes_[c] = drop_garbage ? SKIPPED : REFUSED;
    }
}

template <byte_codec_kind K> bool byte_decoder::put_text(const char* text, size_t length, std::string& out)
{
    constexpr codec_shape shape = shape_of(K);
    std::string& sink = holding_ ? held_ : out;
    const size_t start = sink.size();
    sink.resize(start + (length / shape.group_digits + 1) * shape.group_bytes);
    uint8_t* const first = reinterpret_cast<uint8_t*>(&sink[start]);
    uint8_t* bytes = first;
    const unsigned char* const begin = reinterpret_cast<const unsigned char*>(text);
    const unsigned char* const end = begin + length;
    for (const unsigned char* p = begin; p < end; ++p) {
        if (group_digits_ == 0 && padding_ == 0) {
            // Whole groups of digits; a group with any other character goes a character at a time.
            const unsigned char* const groups_begin = p;
            for (; static_cast<size_t>(end - p) >= shape.group_digits; p += shape.group_digits) {
                uint64_t value = 0;
                uint8_t classes = 0;
#pragma GCC unroll 8
                for (unsigned i = 0; i < shape.group_digits; ++i) {
                    classes |= classes_[p[i]];
                    value = join<K>(value, classes_[p[i]]);
                }
                if ((classes & NOT_DIGIT) != 0 || (K == byte_codec_kind::z85 && value > Z85_GROUP_MAX))
                    break;
                bytes = put_bytes<shape.group_bytes>(bytes, value);
            }
            digits_ += static_cast<uint64_t>(p - groups_begin);
            if (p == end)
                break;
        }
        const uint8_t digit = classes_[*p];
        const uint64_t offset = offset_ + static_cast<uint64_t>(p - begin);
        if ((digit & NOT_DIGIT) != 0 || padding_ > 0) {
            if (!take_other(*p, offset))
                break;
            continue;
        }
        group_value_ = join<K>(group_value_, digit);
        ++digits_;
        if (++group_digits_ < shape.group_digits)
            continue;
        if (K == byte_codec_kind::z85 && group_value_ > Z85_GROUP_MAX) {
            refuse(offset, *p,
                   "ends a Z85 group of value " + std::to_string(group_value_) + ", more than " +
                       std::to_string(shape.group_bytes) + " bytes hold (at most " + std::to_string(Z85_GROUP_MAX) +
                       ")");
            break;
        }
        bytes = put_bytes<shape.group_bytes>(bytes, group_value_);
        group_value_ = 0;
        group_digits_ = 0;
    }
    sink.resize(start + static_cast<size_t>(bytes - first));
    offset_ += length;
    return !refused_;
}

bool byte_decoder::put(const char* text, size_t length, std::string& out)
{
    if (refused_)
        return false;
    bool taken = false;
    switch (kind_) {
    case byte_codec_kind::base16: taken = put_text<byte_codec_kind::base16>(text, length, out); break;
    case byte_codec_kind::base32: taken = put_text<byte_codec_kind::base32>(text, length, out); break;
    case byte_codec_kind::base64: taken = put_text<byte_codec_kind::base64>(text, length, out); break;
    case byte_codec_kind::base2msbf: taken = put_text<byte_codec_kind::base2msbf>(text, length, out); break;
    case byte_codec_kind::z85: taken = put_text<byte_codec_kind::z85>(text, length, out); break;
    }
    if (holding_ && digits_ >= 2 * hold_limit_) {
        // The text is past the length at which an odd count may read: its bytes are pairs.
        out += held_;
        std::string().swap(held_);
        holding_ = false;
    }
    return taken;
}

bool byte_decoder::take_other(unsigned char c, uint64_t offset)
{
    const uint8_t what = classes_[c];
    if (what == SKIPPED) {
        if (c == '\n') {
            ++line_;
            line_start_ = offset + 1;
        }
        return true;
    }
    if (what == PADDING)
        return take_padding(c, offset);
    if (what == REFUSED)
        return refuse(offset, c, std::string("is not a ") + shape_of(kind_).name + " digit");
    return refuse(offset, c, "follows the padding, which may only end the text");
}

bool byte_decoder::take_padding(unsigned char c, uint64_t offset)
{
    const codec_shape shape = shape_of(kind_);
    if (padding_ == 0 && !ends_group(shape, group_digits_))
        return refuse(offset, c,
                      "is padding in the wrong place: it may follow " + group_ends(shape) + " digits of a " +
                          shape.name + " group, not " + std::to_string(group_digits_));
    if (group_digits_ + padding_ == shape.group_digits)
        return refuse(offset, c,
                      "is padding in the wrong place: " + std::to_string(group_digits_) + " digits of a " + shape.name +
                          " group take " + std::to_string(padding_) + " '=', not more");
    ++padding_;
    return true;
}

void byte_decoder::put_partial_group(std::string& out) const
{
    const codec_shape shape = shape_of(kind_);
    const unsigned bits = group_digits_ * shape.digit_bits;
    const uint64_t value = group_value_ >> bits % CHAR_BIT;
    for (unsigned i = bits / CHAR_BIT; i-- > 0;)
        out.push_back(static_cast<char>(value >> CHAR_BIT * i));
}

std::string byte_decoder::end_problem() const
{
    const codec_shape shape = shape_of(kind_);
    const std::string digits = count_of(digits_, "digit");
    if (padding_ > 0 && group_digits_ + padding_ < shape.group_digits)
        return std::string("the ") + shape.name + " padding is short: " + std::to_string(group_digits_) +
               " digits of a group take " + std::to_string(shape.group_digits - group_digits_) + " '=', the text has " +
               std::to_string(padding_);
    if (group_digits_ == 0)
        return "";
    switch (kind_) {
    case byte_codec_kind::base32:
    case byte_codec_kind::base64:
        if (ends_group(shape, group_digits_))
            return "";
        if (group_digits_ == 1)
            return std::string("the ") + shape.name + " text ends in a lone digit (" + digits +
                   "), which holds no whole byte";
        return std::string("the ") + shape.name + " text ends in " + std::to_string(group_digits_) +
               " digits of a group (" + digits + "), which no bytes encode to: a group ends in " + group_ends(shape) +
               " digits";
    case byte_codec_kind::base16:
        if (odd_ == odd_hex::refused)
            return "the hex text has an odd number of digits (" + std::to_string(digits_) + "), and a byte takes 2";
        if (holding_)
            return "";
        return "the hex text has an odd number of digits (" + std::to_string(digits_) +
               "): its first digit would be a byte of its own, which shows only at the end, but from " +
               std::to_string(2 * hold_limit_) + " digits on the bytes are written in pairs as they come";
    case byte_codec_kind::base2msbf:
    case byte_codec_kind::z85: break;
    }
    return std::string("the ") + shape.name + " text ends in a partial " + (shape.group_bytes == 1 ? "byte" : "group") +
           " of " + count_of(group_digits_, "digit") + " (" + digits + "), and a whole one takes " +
           std::to_string(shape.group_digits);
}

bool byte_decoder::finish(std::string& out)
{
    if (refused_)
        return false;
    const std::string problem = end_problem();
    if (!problem.empty())
        return refuse(problem);
    if (holding_ && group_digits_ == 1) {
        // An odd count: every digit moves one place on, and the first is a byte of its own.
        const unsigned bits = shape_of(kind_).digit_bits;
        const unsigned low_digit = (1u << bits) - 1;
        held_.push_back(static_cast<char>(group_value_ << bits));
        for (size_t i = held_.size(); i-- > 0;) {
            const unsigned before = i > 0 ? static_cast<uint8_t>(held_[i - 1]) : 0;
            held_[i] = static_cast<char>((before & low_digit) << bits | static_cast<uint8_t>(held_[i]) >> bits);
        }
    } else if (group_digits_ > 0) {
        put_partial_group(holding_ ? held_ : out);
    }
    out += held_;
    std::string().swap(held_);
    holding_ = false;
    group_digits_ = 0;
    padding_ = 0;
    return true;
}

void byte_decoder::restart(const text_position& at)
{
    holding_ = kind_ == byte_codec_kind::base16 && odd_ == odd_hex::first_digit_alone;
    held_.clear();
    group_value_ = 0;
    group_digits_ = 0;
    padding_ = 0;
    digits_ = 0;
    offset_ = at.offset;
    line_ = at.line;
    line_start_ = at.offset - (at.column - 1);
    refused_ = false;
    problem_.clear();
}

bool byte_decoder::refuse(uint64_t offset, unsigned char c, const std::string& why)
{
    return refuse(describe_position({offset, line_, offset - line_start_ + 1}) + ": " + describe_char(c) + " " + why);
}

bool byte_decoder::refuse(const std::string& message)
{
    problem_ = message;
    refused_ = true;
    return false;
}
