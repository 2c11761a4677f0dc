#pragma once
// Radix change of short numbers by schoolbook arithmetic on a few 32-bit words. A column of ids is
// mostly numbers of a few words, where starting the multiprecision library costs more than the whole
// conversion; the quadratic cost stays below the library's start-up up to SMALL_NUMBER_BYTES.
// BM_cli_lines (bench/bench_cli.cpp), 1,000,000 ids of 1 to 20 digits to radix 62, x86-64: 0.68 s
// with the ids beyond 64 bits through the library, 0.31 s with them here.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The largest number, in bytes, that the schoolbook path takes.
constexpr size_t SMALL_NUMBER_BYTES = 32;

// The digit values in radix 2-62 (most significant first, one zero digit for zero) of the big-endian
// bytes; none when their value needs more than SMALL_NUMBER_BYTES.
std::optional<std::string> small_number_digits(const std::vector<uint8_t>& bytes, uint32_t radix);
// The shortest big-endian bytes (one zero byte for zero) of the digit values in radix 2-62; none when
// the value needs more than SMALL_NUMBER_BYTES.
std::optional<std::vector<uint8_t>> small_number_bytes(const std::string& digits, uint32_t radix);
