#include "ui/status_texts.h"

#include <cstdint>

#include "engine/limits.h"

namespace {

constexpr char TOO_BIG_TEXT[] = "BASE(X) too big, should be at most 32767 bytes.";

// The number written in text just before " bytes.", which ends it.
constexpr uint32_t bytes_named_in(const char* text, uint32_t length)
{
    uint32_t end = length - sizeof " bytes.";  // index of the number's last digit
    uint32_t value = 0, scale = 1;
    for (uint32_t i = end + 1; i-- > 0 && text[i] >= '0' && text[i] <= '9'; scale *= 10)
        value += static_cast<uint32_t>(text[i] - '0') * scale;
    return value;
}

static_assert(bytes_named_in(TOO_BIG_TEXT, sizeof TOO_BIG_TEXT - 1) == MAX_DATA_BYTES,
              "the too-big status names the data limit");

}  // namespace

const char* status_text(conversion_status status)
{
    switch (status) {
    case conversion_status::cleared: return "Idle.";
    case conversion_status::hex_changed: return "HEX Changed OK.";
    case conversion_status::ascii_changed: return "ASCII Changed OK.";
    case conversion_status::basex_changed: return "BASE(X) Changed OK.";
    case conversion_status::basex_too_big: return TOO_BIG_TEXT;
    }
    return "";
}

const char* status_text(radix_outcome outcome)
{
    return outcome == radix_outcome::changed ? "Base Number Changed." : "Invalid Base Number, should be [2,60] or 64.";
}

const char* status_text(alphabet_outcome outcome)
{
    switch (outcome) {
    case alphabet_outcome::not_enough_chars: return "Not enough chars for custom base table ...";
    case alphabet_outcome::repeated_chars: return "Custom base table has repeated chars ...";
    case alphabet_outcome::stored: return "Custom base table updated ...";
    }
    return "";
}
