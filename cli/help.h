#pragma once
// The --help text, made from the option table, and the --version line.
#include <string>

// Usage, every option of the table with its one line, the forms, exit statuses and examples.
std::string help_text();
// "morvane-cli VERSION" and a newline.
std::string version_text();
