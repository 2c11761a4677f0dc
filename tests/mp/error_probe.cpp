// Raises one library error, chosen by the first argument, so that a test can read the report on standard
// output and the exit status. Without an error the probe exits with status 0.
#include <cstring>

#include "mp/add.h"
#include "mp/flash.h"
#include "mp/mp.h"
#include "mp/number.h"
#include "mp/report.h"

namespace {

bignum x;  // kept reachable for leak checkers when the report ends the process
bignum y;

void start()
{
    mpsys(65536, 16);
    x = mpvar(0);
    y = mpvar(0);
}

}  // namespace

int main(int argc, char** argv)
{
    const char* scenario = argc > 1 ? argv[1] : "";
    if (std::strcmp(scenario, "format") == 0) {
        start();
        current_context()->io_base = 10;
        cinstr(x, "12 ");
    } else if (std::strcmp(scenario, "radix_1") == 0) {
        mpsys(100, 1);
    } else if (std::strcmp(scenario, "too_big") == 0) {
        mpsys(262136, 16);
    } else if (std::strcmp(scenario, "no_instance") == 0) {
        mpvar(5);
    } else if (std::strcmp(scenario, "deep") == 0) {
        start();
        cinstr(x, "3/4");
        current_context()->call_depth = 25;
        add(x, y, y);
    } else if (std::strcmp(scenario, "undefined") == 0) {
        start();
        report_error(99);
    } else if (std::strcmp(scenario, "errors_return_cleared") == 0) {
        // A new start clears errors_return, so its own errors always end the process.
        start();
        current_context()->errors_return = 1;
        mpsys(100, 0x80000001u);
    } else if (std::strcmp(scenario, "trace") == 0) {
        start();
        mp_context* ctx = current_context();
        ctx->trace_enabled = 1;
        ctx->io_base = 10;
        cinstr(x, "7");
        ctx->trace_enabled = 0;
    } else if (std::strcmp(scenario, "ok") != 0) {
        return 2;
    }
    release_number(x);
    release_number(y);
    release_context();
    return 0;
}
