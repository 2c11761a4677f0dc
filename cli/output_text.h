#pragma once
// Writing the result of a conversion.
#include <cstdint>
#include <ostream>
#include <string>

// Writes text and a newline, breaking it into lines of `columns` characters when columns > 0.
void write_lines(std::ostream& out, const std::string& text, uint32_t columns);
