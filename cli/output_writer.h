#pragma once
// The command's output on its way to the sink: held in a buffer and handed on in large pieces, text
// broken into lines of a number of columns, and the output of a value that is refused taken back while
// it is still held (so that a refused input of up to FLUSH_BYTES of output writes nothing of it).
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/byte_io.h"

class output_writer {
public:
    // Output beyond this many held bytes is handed to the sink.
    static constexpr size_t FLUSH_BYTES = 1 << 16;

    // Text breaks after every `columns` characters of a line (0: never).
    output_writer(byte_sink& sink, uint32_t columns) : sink_(sink), columns_(columns) {}
    // Appends text, breaking the line where it reaches the columns; false once a write has failed.
    bool put_text(const char* text, size_t length);
    // Appends bytes as they are; false once a write has failed.
    bool put_bytes(const char* bytes, size_t length);
    // Ends the current line; false once a write has failed.
    bool end_line();
    // Marks the start of a value's output, which discard_value() takes back while it is held.
    void begin_value() { value_start_ = held_.size(); }
    void discard_value();
    // Hands everything held to the sink; false on a write error (the sink says why).
    bool flush();

private:
    bool hand_on_when_full();

    byte_sink& sink_;
    uint32_t columns_;
    uint64_t column_ = 0;
    std::string held_;
    size_t value_start_ = 0;
};
