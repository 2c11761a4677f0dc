#pragma once
// The input side of a conversion: the text (or bytes) of one value in pieces, its bytes out. Byte forms
// give their bytes as the text arrives; a number gives them all when it ends.
#include <cstddef>
#include <memory>
#include <string>
#include <utility>

#include "cli/input_scan.h"
#include "cli/options.h"

class value_reader {
public:
    virtual ~value_reader() = default;
    // Reads the next piece of the value's input, appending the bytes it completes; false once the
    // input is refused at a character (problem() names its position).
    virtual bool put(const char* text, size_t length, std::string& bytes) = 0;
    // Ends the value, appending its last bytes; false when it cannot end here (problem()).
    virtual bool finish(std::string& bytes) = 0;
    // Starts the next value, whose first character stands at `at`.
    virtual void restart(const text_position& at) = 0;
    const std::string& problem() const { return problem_; }
    // True when problem() names the position of a character in the input.
    bool problem_has_position() const { return positioned_; }

protected:
    void refuse(std::string problem, bool positioned)
    {
        problem_ = std::move(problem);
        positioned_ = positioned;
    }

private:
    std::string problem_;
    bool positioned_ = false;
};

// The reader of the input side of options (its form, alphabet, zeros and garbage rules). A number
// refuses more than MAX_CLI_BYTES bytes, a byte form never.
std::unique_ptr<value_reader> make_value_reader(const cli_options& options);

// "the input holds more than 131060 bytes of data, the limit"
std::string too_big_message();
