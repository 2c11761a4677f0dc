// morvane-cli: the conversions of the dialog for pipes, files and scripts (see cli/run.h).
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/byte_io.h"
#include "cli/run.h"

int main(int argc, char** argv)
{
#ifdef _WIN32
    // Text mode would turn "\n" into "\r\n" and stop reading at the first 0x1A: raw data must pass as it is.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::vector<std::string> args(argv + 1, argv + argc);
    file_source input(stdin);
    file_sink output(stdout);
    return static_cast<int>(run(args, input, output, std::cerr));
}
