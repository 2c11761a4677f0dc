// The library's text conversion timed in the Windows build, run under Wine: Google Benchmark is built
// natively only, so this program prints the BM_cotstr / BM_cinstr rows of the benchmark binary for the
// 32-bit target (single-word products), as the median of repeated runs, in milliseconds:
//   cmake --build --preset win32 --target morvane_convert_timing
//   cmake/wine-run.sh build/win32/bench/win32/morvane_convert_timing.exe
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/random_hex.h"
#include "mp/mp.h"

namespace {

const int RADIXES[] = {10, 36, 60};
const int BYTES = 32767;
const int RUNS = 15;

template <typename F> double median_ms(F run)
{
    std::vector<double> ms;
    for (int i = 0; i < RUNS; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main()
{
    mp_context* ctx = mpsys(65536, 16);
    set_io_buffer_size(262144);
    bignum number = mpvar(0);
    std::vector<char> text(300000);
    const std::string hex = random_hex(BYTES);
    const std::string expected = hex.substr(hex.find_first_not_of('0'));  // as the library writes it
    int status = 0;
    for (int radix : RADIXES) {
        ctx->io_base = 16;
        cinstr(number, hex.c_str());
        ctx->io_base = radix;
        const double written = median_ms([&] { cotstr(number, text.data()); });
        const double read = median_ms([&] { cinstr(number, text.data()); });
        // The value read back must be the one written: the timing is of a working conversion.
        ctx->io_base = 16;
        std::vector<char> back(70000);
        cotstr(number, back.data());
        if (expected != back.data()) {
            std::printf("radix %d: the value read back differs\n", radix);
            status = 1;
        }
        std::printf("BM_cotstr/%d/%d %.2f ms\nBM_cinstr/%d/%d %.2f ms\n", radix, BYTES, written, radix, BYTES, read);
    }
    release_number(number);
    release_context();
    return status;
}
