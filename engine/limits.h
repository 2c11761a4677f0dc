#pragma once
// The data limit of the program and the text lengths it gives.
#include <cstdint>

// Bytes of data the program holds at most: the capacity of the dialog's engine.
constexpr uint32_t MAX_DATA_BYTES = 32767;
// Hex digits of MAX_DATA_BYTES bytes (65534): the typing limit of the HEX and the BASE(X) field.
constexpr uint32_t MAX_HEX_DIGITS = 2 * MAX_DATA_BYTES;
