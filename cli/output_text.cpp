#include "cli/output_text.h"

#include <algorithm>

void write_lines(std::ostream& out, const std::string& text, uint32_t columns)
{
    if (columns == 0) {
        out << text << '\n';
        return;
    }
    for (size_t start = 0; start < text.size(); start += columns)
        out.write(text.data() + start, static_cast<std::streamsize>(std::min<size_t>(columns, text.size() - start)))
            << '\n';
    if (text.empty())
        out << '\n';
}
