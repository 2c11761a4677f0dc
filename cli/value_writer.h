#pragma once
// The output side of a conversion: the bytes of one value in pieces, its text (or bytes) out. Byte
// forms write as the bytes arrive; a number writes when the value ends. Text ends with a newline.
#include <cstddef>
#include <memory>
#include <string>

#include "cli/options.h"
#include "cli/output_writer.h"

class value_writer {
public:
    virtual ~value_writer() = default;
    // Takes the next bytes of the value; false when refused (problem(): a number beyond MAX_CLI_BYTES)
    // or when the output failed (the sink says why).
    virtual bool put(const char* bytes, size_t count) = 0;
    // Ends the value: writes what it holds and the end of its line (raw: a newline between --lines
    // values only); false when refused or when the output failed.
    virtual bool finish() = 0;
    const std::string& problem() const { return problem_; }

protected:
    std::string problem_;
};

// The writer of the output side of options (its form, alphabet, zeros and padding rules) into out.
std::unique_ptr<value_writer> make_value_writer(const cli_options& options, output_writer& out);
