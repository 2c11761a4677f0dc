#include "engine/engine.h"

#include <algorithm>
#include <cstring>

#include "engine/codecs.h"
#include "engine/filters.h"
#include "engine/hex_utils.h"

conversion_engine::conversion_engine(uint32_t capacity_bytes)
    : capacity_(capacity_bytes), hex_(new char[max_hex_chars() + 1]()), bytes_(new char[size_t(capacity_bytes) + 2]()),
      basex_(new char[max_basex_chars() + 1]()), reversed_(new char[max_hex_chars() + 2]()),
      digits_(new uint8_t[max_basex_chars() + 1]()), converter_(capacity_bytes)
{
}

void conversion_engine::clear_buffers()
{
    std::memset(hex_.get(), 0, max_hex_chars() + 1);
    std::memset(bytes_.get(), 0, size_t(capacity_) + 2);
    std::memset(basex_.get(), 0, max_basex_chars() + 1);
    hex_count_ = byte_count_ = basex_count_ = 0;
}

conversion_result conversion_engine::result(conversion_status status, bool filtered) const
{
    conversion_counts counts{hex_count_, byte_count_, basex_count_,
                             static_cast<uint32_t>(count_significant_bits(hex_.get(), hex_count_))};
    return {status, filtered, {hex_.get(), hex_count_}, {bytes_.get(), byte_count_}, {basex_.get(), basex_count_},
            counts};
}

conversion_result conversion_engine::from_hex(const char* text, size_t length)
{
    clear_buffers();
    length = strnlen(text, std::min(length, max_hex_chars()));
    std::memcpy(hex_.get(), text, length);
    hex_count_ = static_cast<uint32_t>(filter_hex_text(hex_.get()));
    byte_count_ = static_cast<uint32_t>(hex_decode(reinterpret_cast<uint8_t*>(bytes_.get()), hex_.get(), hex_count_));
    bytes_to_basex();
    return result(conversion_status::hex_changed, hex_count_ < length);
}

conversion_result conversion_engine::from_bytes(const char* data, size_t length)
{
    clear_buffers();
    byte_count_ = static_cast<uint32_t>(std::min<size_t>(length, capacity_));
    std::memcpy(bytes_.get(), data, byte_count_);
    hex_count_ =
        static_cast<uint32_t>(hex_encode(reinterpret_cast<const uint8_t*>(bytes_.get()), hex_.get(), byte_count_));
    bytes_to_basex();
    return result(conversion_status::ascii_changed, false);
}

conversion_result conversion_engine::from_basex(const char* text, size_t length)
{
    clear_buffers();
    length = strnlen(text, std::min(length, max_basex_chars()));
    std::memcpy(basex_.get(), text, length);
    basex_count_ = static_cast<uint32_t>(filter_basex_text(basex_.get(), alphabet_in_force()));
    const bool filtered = basex_count_ < length;
    if (!basex_to_bytes())
        return result(conversion_status::basex_too_big, filtered);
    return result(conversion_status::basex_changed, filtered);
}

std::string_view conversion_engine::reverse_hex()
{
    if (hex_count_ <= 2)
        return {};
    reverse_hex_bytes(reversed_.get(), hex_.get(), hex_count_);
    return {reversed_.get(), std::strlen(reversed_.get())};
}

conversion_result conversion_engine::clear()
{
    clear_buffers();
    return result(conversion_status::cleared, false);
}
