// morvane-cli: the conversions of the dialog for pipes, files and scripts (see cli/run.h).
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/run.h"

int main(int argc, char** argv)
{
#ifdef _WIN32
    // Text mode would turn "\n" into "\r\n" and stop reading at the first 0x1A: raw data must pass as it is.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    exit_status status = run(args, std::cin, std::cout, std::cerr);
    std::cout.flush();
    return static_cast<int>(status);
}
