#pragma once
// The whole command as one call, so that it runs the same from main and inside the tests.
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/byte_io.h"

// Exit statuses of the command.
enum class exit_status : int {
    done = 0,
    failed = 1,  // the input refused, or a read or a write failed
    usage_error = 2,
};

// Runs the command with the arguments after the program name: reads the FILE argument, or input when
// there is none or it is "-"; writes the result to output (flushed, every write checked) and every
// message to error. When the input is refused, the output of the refused value is taken back while it
// is held (all of it for a refusal within the first output_writer::FLUSH_BYTES of output); with --lines
// the values before it stay written.
exit_status run(const std::vector<std::string>& args, byte_source& input, byte_sink& output, std::ostream& error);
// The same on streams held in memory (the tests, the fuzz target, the benchmarks).
exit_status run(const std::vector<std::string>& args, std::istream& input, std::ostream& output, std::ostream& error);
