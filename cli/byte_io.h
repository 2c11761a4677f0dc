#pragma once
// Where the command's bytes come from and go to. Every read and every write is checked: a failure keeps
// the system's reason (strerror of the errno it left) for the message, and is never taken for the end
// of the data.
#include <cstddef>
#include <cstdio>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

class byte_source {
public:
    virtual ~byte_source() = default;
    // Reads up to size bytes into buffer and returns how many: 0 at the end of the data or on a read
    // error, which failed() then tells.
    virtual size_t read(char* buffer, size_t size) = 0;
    bool failed() const { return !reason_.empty(); }
    // The system's reason for the read error ("Is a directory"); empty while there is none.
    const std::string& reason() const { return reason_; }

protected:
    std::string reason_;
};

class byte_sink {
public:
    virtual ~byte_sink() = default;
    // Writes count bytes; false on a write error (reason(), and broken_pipe() when the reader has gone).
    virtual bool write(const char* data, size_t count) = 0;
    // Hands on whatever is held back; false on a write error.
    virtual bool flush() = 0;
    bool failed() const { return !reason_.empty(); }
    const std::string& reason() const { return reason_; }
    bool broken_pipe() const { return broken_pipe_; }

protected:
    std::string reason_;
    bool broken_pipe_ = false;
};

// A C stream read in binary: standard input, or a file that open_file_source opened (and closes).
class file_source : public byte_source {
public:
    explicit file_source(std::FILE* file, bool owned = false) : file_(file), owned_(owned) {}
    ~file_source() override;
    file_source(const file_source&) = delete;
    file_source& operator=(const file_source&) = delete;
    size_t read(char* buffer, size_t size) override;

private:
    std::FILE* file_;
    bool owned_;
};

// The file at path opened for binary reading, or null with the system's reason in reason.
std::unique_ptr<file_source> open_file_source(const std::string& path, std::string& reason);

// A C stream written in binary (standard output).
class file_sink : public byte_sink {
public:
    explicit file_sink(std::FILE* file) : file_(file) {}
    bool write(const char* data, size_t count) override;
    bool flush() override;

private:
    bool fail();
    std::FILE* file_;
};

// The adapters for text held in memory, as the tests, the fuzz target and the benchmarks give it.
class istream_source : public byte_source {
public:
    explicit istream_source(std::istream& in) : in_(in) {}
    size_t read(char* buffer, size_t size) override;

private:
    std::istream& in_;
};

class ostream_sink : public byte_sink {
public:
    explicit ostream_sink(std::ostream& out) : out_(out) {}
    bool write(const char* data, size_t count) override;
    bool flush() override;

private:
    std::ostream& out_;
};
