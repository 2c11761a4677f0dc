// What the programs that time the real Morvane.exe at full capacity share: the text each source field
// takes for the data, the counters as one line, and the median of runs.
#pragma once

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "tests/e2e/morvane_process.h"
#include "ui/resource.h"

// 32,767 printable characters from a fixed seed: what a user pastes into the ASCII field.
inline std::string printable_text()
{
    std::mt19937 generator(32767);
    std::string text(32767, ' ');
    for (char& c : text)
        c = (char)(0x20 + generator() % 0x5F);
    return text;
}

// Sets the radix and makes `source` the source field for the data `hex` (65,534 hex digits); returns the
// text to paste into it: the hex itself, for BASE(X) the radix form of the data as the program makes it
// (the fields then emptied), for ASCII printable_text().
inline std::string source_text(HWND dialog, int source, const std::string& radix, const std::string& hex)
{
    replace_text(dialog, IDC_BASE_NUMBER, radix.c_str());
    if (source == IDC_BASEX) {
        replace_text(dialog, IDC_HEX, hex.c_str());
        const std::string text = control_text(dialog, IDC_BASEX);
        click_button(dialog, IDC_CLEAR_ALL);
        click_button(dialog, IDC_SRC_BASEX);
        return text;
    }
    if (source == IDC_ASCII) {
        click_button(dialog, IDC_SRC_ASCII);
        return printable_text();
    }
    return hex;
}

// The four counters: HEX digits, bytes, BASE(X) digits, bits.
inline std::string counters_text(HWND dialog)
{
    return control_text(dialog, IDC_HEX_COUNT) + " " + control_text(dialog, IDC_BYTE_COUNT) + " " +
           control_text(dialog, IDC_BASEX_COUNT) + " " + control_text(dialog, IDC_BIGNUM_BITS);
}

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
