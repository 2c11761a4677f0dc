#pragma once
// Constant digit alphabets and the three 256-entry digit-value maps (entry 255 = not a digit).
// The maps are process-wide, built lazily at most once by their users, and never cleared.
#include <cstdint>

inline constexpr char HEX_DIGITS_UPPER[] = "0123456789ABCDEF";
inline constexpr char HEX_DIGITS_LOWER[] = "0123456789abcdef";
inline constexpr char ALPHABET60[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx";
inline constexpr char BASE64_ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr uint8_t NOT_A_DIGIT = 255;

extern uint8_t hex_digit_map[256];
extern uint8_t alpha60_digit_map[256];
extern uint8_t base64_digit_map[256];
extern uint8_t hex_map_built;
extern uint8_t alpha60_map_built;
extern uint8_t base64_map_built;

// Fill hex_digit_map from HEX_DIGITS_UPPER then HEX_DIGITS_LOWER (both cases give 10-15); flag it built.
void build_hex_digit_map();
// Fill alpha60_digit_map with each ALPHABET60 character's position (0-59); flag it built.
void build_alpha60_digit_map();
// Fill base64_digit_map with each BASE64_ALPHABET character's position (0-63); flag it built.
void build_base64_digit_map();
