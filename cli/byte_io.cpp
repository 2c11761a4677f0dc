#include "cli/byte_io.h"

#include <cerrno>
#include <cstring>

namespace {

// The system's reason for the errno a failed call left; a generic one when it left none.
std::string system_reason(int error, const char* fallback)
{
    return error != 0 ? std::strerror(error) : fallback;
}

}  // namespace

file_source::~file_source()
{
    if (owned_)
        std::fclose(file_);
}

size_t file_source::read(char* buffer, size_t size)
{
    if (failed())
        return 0;
    errno = 0;
    const size_t count = std::fread(buffer, 1, size, file_);
    if (count == 0 && std::ferror(file_))
        reason_ = system_reason(errno, "read error");
    return count;
}

std::unique_ptr<file_source> open_file_source(const std::string& path, std::string& reason)
{
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        reason = system_reason(errno, "cannot be opened");
        return nullptr;
    }
    return std::make_unique<file_source>(file, true);
}

bool file_sink::write(const char* data, size_t count)
{
    if (failed())
        return false;
    errno = 0;
    return std::fwrite(data, 1, count, file_) == count || fail();
}

bool file_sink::flush()
{
    if (failed())
        return false;
    errno = 0;
    return std::fflush(file_) == 0 || fail();
}

bool file_sink::fail()
{
    broken_pipe_ = errno == EPIPE;
    reason_ = system_reason(errno, "write error");
    return false;
}

size_t istream_source::read(char* buffer, size_t size)
{
    in_.read(buffer, static_cast<std::streamsize>(size));
    if (in_.bad())
        reason_ = "read error";
    return static_cast<size_t>(in_.gcount());
}

bool ostream_sink::write(const char* data, size_t count)
{
    if (!out_.write(data, static_cast<std::streamsize>(count)))
        reason_ = "write error";
    return !failed();
}

bool ostream_sink::flush()
{
    if (!out_.flush())
        reason_ = "write error";
    return !failed();
}
