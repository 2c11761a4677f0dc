#pragma once
// The whole command as one call, so that it runs the same from main and inside the tests.
#include <istream>
#include <ostream>
#include <string>
#include <vector>

// Exit statuses of the command.
enum class exit_status : int { done = 0, input_refused = 1, usage_error = 2 };

// Runs the command with the arguments after the program name: reads the FILE argument, or input when
// there is none or it is "-"; writes the result to output and every message to error. Nothing goes to
// output when the input is refused or the command line is wrong.
exit_status run(const std::vector<std::string>& args, std::istream& input, std::ostream& output, std::ostream& error);
