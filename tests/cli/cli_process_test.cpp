// The real program: standard input to standard output byte for byte (no text-mode translation on
// Windows), a file argument, and the exit statuses a shell sees.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

// A standard descriptor the program starts without (a path no file has, on Windows an invalid handle).
const std::string CLOSED = "<closed>";

struct process_result {
    int status;
    std::string out, err;
};

// A file of the running test in the build's directory: the tests may run at the same time.
std::string work_path(const std::string& name)
{
    return std::string(MORVANE_CLI_WORK_DIR) + "/" + testing::UnitTest::GetInstance()->current_test_info()->name() +
           "_" + name;
}

void write_file(const std::string& path, const std::string& data)
{
    std::ofstream(path, std::ios::binary) << data;
}

std::string read_file(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

#ifdef _WIN32
// Under Wine the build's Unix paths are on drive Z:.
std::string windows_path(std::string path)
{
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path[0] == '\\' ? "Z:" + path : path;
}

HANDLE open_inheritable(const std::string& path, bool write)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    return CreateFileA(windows_path(path).c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ, &inherit,
                       write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

int spawn(const std::vector<std::string>& args, const std::string& in, const std::string& out, const std::string& err)
{
    std::string command = "\"" + windows_path(MORVANE_CLI_EXE) + "\"";
    for (const std::string& a : args)
        command += " \"" + a + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = open_inheritable(in, false);
    startup.hStdOutput = open_inheritable(out, true);
    startup.hStdError = open_inheritable(err, true);
    PROCESS_INFORMATION info = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    DWORD code = 255;
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
        WaitForSingleObject(info.hProcess, 60000);
        GetExitCodeProcess(info.hProcess, &code);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    CloseHandle(startup.hStdInput);
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    return static_cast<int>(code);
}
#else
int spawn(const std::vector<std::string>& args, const std::string& in, const std::string& out, const std::string& err)
{
    pid_t child = fork();
    if (child == 0) {
        const auto redirect = [](const std::string& path, int fd, int flags) {
            if (path == CLOSED)
                close(fd);
            else
                dup2(open(path.c_str(), flags, 0644), fd);
        };
        // Standard error first: a descriptor closed before it opens would be taken by its file.
        redirect(err, 2, O_WRONLY | O_CREAT | O_TRUNC);
        redirect(out, 1, O_WRONLY | O_CREAT | O_TRUNC);
        redirect(in, 0, O_RDONLY);
        std::vector<char*> argv = {const_cast<char*>(MORVANE_CLI_EXE)};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(MORVANE_CLI_EXE, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}
#endif

// Runs the program with input on its standard input; its outputs go through files. stdin and stdout, when
// given, replace the files (CLOSED, or a device).
process_result run_program(const std::vector<std::string>& args, const std::string& input,
                           const std::string& stdin_path = "", const std::string& stdout_path = "")
{
    const std::string in = work_path("process_in"), out = work_path("process_out"), err = work_path("process_err");
    write_file(in, input);
    write_file(out, "");
    int status = spawn(args, stdin_path.empty() ? in : stdin_path, stdout_path.empty() ? out : stdout_path, err);
    return {status, read_file(out), read_file(err)};
}

// Every byte value, the ones text mode would change (0x1A, CR, LF) included.
std::string every_byte()
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes + "\r\n\x1A\n";
}

TEST(CliProcess, RawBytesPassThroughStandardInputAndOutput)
{
    process_result r = run_program({"--from", "raw", "--to", "raw"}, every_byte());
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out == every_byte()) << "the bytes differ";
    process_result text = run_program({"--from", "raw", "--to", "58", "--keep-leading-zeros"}, every_byte());
    ASSERT_EQ(text.status, 0);
    EXPECT_EQ(text.out.back(), '\n');
    EXPECT_NE(text.out[text.out.size() - 2], '\r');
    process_result back = run_program({"--from", "58", "--to", "raw", "--keep-leading-zeros"}, text.out);
    EXPECT_TRUE(back.out == every_byte()) << "the bytes differ";
}

TEST(CliProcess, FileArgumentAndExitStatuses)
{
    const std::string file = work_path("process_file.txt");
    write_file(file, "255\n");
    struct {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err_start;
    } cases[] = {
        {{"--from", "10", "--to", "hex", file}, 0, "FF\n", ""},
        {{"--from", "10", "--to", "hex", file + ".missing"}, 1, "", "morvane-cli: " + file + ".missing: No such file"},
        {{"--from", "16", "--to", "hex", "-"}, 1, "", "morvane-cli: offset 0 (line 1, column 1): 'z'"},
        {{"--from", "10"}, 2, "", "morvane-cli: --to FORM is missing"},
        {{"--version"}, 0, std::string("morvane-cli ") + MORVANE_VERSION + "\n", ""},
    };
    for (const auto& c : cases) {
        process_result r = run_program(c.args, "zz");
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err.substr(0, c.err_start.size()), c.err_start);
    }
}

// Every failure to read or write ends with status 1 and the system's reason, never as done.
TEST(CliProcess, ReadAndWriteFailuresAreReported)
{
    const std::vector<std::string> hex_to_10 = {"--from", "hex", "--to", "10"};
    std::vector<std::string> directory = hex_to_10;
    directory.push_back(MORVANE_CLI_WORK_DIR);
#ifdef _WIN32
    const std::string directory_reason = "Permission denied";
#else
    const std::string directory_reason = "Is a directory";
#endif
    struct {
        std::vector<std::string> args;
        std::string stdin_path, stdout_path, err;
    } cases[] = {
        {directory, "", "", std::string("morvane-cli: ") + MORVANE_CLI_WORK_DIR + ": " + directory_reason + "\n"},
        {hex_to_10, CLOSED, "", "morvane-cli: standard input: Bad file descriptor\n"},
        {hex_to_10, "", CLOSED, "morvane-cli: write error: Bad file descriptor\n"},
        {{"--help"}, "", CLOSED, "morvane-cli: write error: Bad file descriptor\n"},
#ifndef _WIN32
        {hex_to_10, "", "/dev/full", "morvane-cli: write error: No space left on device\n"},
        {{"--from", "raw", "--to", "hex"},
         "/dev/zero",
         "/dev/full",
         "morvane-cli: write error: No space left on device\n"},
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.err);
        process_result r = run_program(c.args, "FF", c.stdin_path, c.stdout_path);
        EXPECT_EQ(r.status, 1);
        // Standard error is text: Windows ends its lines with CR LF.
        r.err.erase(std::remove(r.err.begin(), r.err.end(), '\r'), r.err.end());
        EXPECT_EQ(r.err, c.err);
    }
}

#ifndef _WIN32
// A reader that goes away ends the program as it ends other filters: by SIGPIPE, or where the signal is
// ignored, with status 1 and no message.
TEST(CliProcess, BrokenPipeEndsQuietly)
{
    for (bool ignored : {false, true}) {
        int pipe_ends[2];
        ASSERT_EQ(pipe(pipe_ends), 0);
        const std::string err = work_path("pipe_err");
        pid_t child = fork();
        if (child == 0) {
            if (ignored)
                signal(SIGPIPE, SIG_IGN);
            close(pipe_ends[0]);
            dup2(pipe_ends[1], 1);
            dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
            execl(MORVANE_CLI_EXE, MORVANE_CLI_EXE, "--from", "raw", "--to", "hex", "/dev/zero", nullptr);
            _exit(127);
        }
        close(pipe_ends[0]);
        close(pipe_ends[1]);
        int status = 0;
        waitpid(child, &status, 0);
        if (ignored) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
        } else {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE) << status;
        }
        EXPECT_EQ(read_file(err), "");
    }
}
#endif

}  // namespace
