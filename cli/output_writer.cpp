#include "cli/output_writer.h"

#include <algorithm>

bool output_writer::put_text(const char* text, size_t length)
{
    if (columns_ == 0)
        return put_bytes(text, length);
    while (length > 0) {
        if (column_ == columns_) {
            held_.push_back('\n');
            column_ = 0;
        }
        const size_t run = std::min<size_t>(length, columns_ - column_);
        held_.append(text, run);
        column_ += run;
        text += run;
        length -= run;
    }
    return hand_on_when_full();
}

bool output_writer::put_bytes(const char* bytes, size_t length)
{
    held_.append(bytes, length);
    return hand_on_when_full();
}

bool output_writer::end_line()
{
    held_.push_back('\n');
    column_ = 0;
    return hand_on_when_full();
}

void output_writer::discard_value()
{
    held_.resize(std::min(value_start_, held_.size()));
}

bool output_writer::flush()
{
    if (!held_.empty() && !sink_.write(held_.data(), held_.size()))
        return false;
    held_.clear();
    value_start_ = 0;
    return sink_.flush();
}

bool output_writer::hand_on_when_full()
{
    if (held_.size() < FLUSH_BYTES)
        return !sink_.failed();
    const bool written = sink_.write(held_.data(), held_.size());
    held_.clear();
    value_start_ = 0;
    return written;
}
