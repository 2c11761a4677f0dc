// The error report: the probe program raises an error, and its standard output and exit status are checked.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

struct run_result {
    std::string output;
    int status;
};

// Runs the probe with one argument and collects its standard output and exit status.
run_result run_probe(const std::string& scenario)
{
    std::string path = MP_ERROR_PROBE;
#ifdef _WIN32
    // The build passes a Unix path; under Wine the root of the Unix file system is drive Z:.
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    std::FILE* pipe = _popen(("\"" + path + "\" " + scenario).c_str(), "r");
#else
    std::FILE* pipe = popen(("'" + path + "' " + scenario).c_str(), "r");
#endif
    run_result result{"", -1};
    if (pipe == nullptr)
        return result;
    char buffer[256];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0)
        result.output.append(buffer, n);
#ifdef _WIN32
    result.status = _pclose(pipe);
#else
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    return result;
}

const std::string called_from = "              called from ";

struct report_case {
    const char* scenario;
    int status;
    std::string output;
};

const report_case report_cases[] = {
    {"format", 1,
     "\nMPLIB error from routine instr\n" + called_from + "cinstr\n" + called_from +
         "your program\n"
         "Input format error\n"},
    {"radix_1", 1, "\nMPLIB error from routine mpsys\n" + called_from + "your program\nIllegal number base\n"},
    {"too_big", 1, "\nMPLIB error from routine mpsys\n" + called_from + "your program\nNumbers too big\n"},
    {"errors_return_cleared", 1,
     "\nMPLIB error from routine mpsys\n" + called_from + "your program\nIllegal number base\n"},
    {"no_instance", 1, "\nMPLIB error from routine your program\nMPLIB not initialised - no call to mpsys()\n"},
    {"undefined", 1, "\nMPLIB error from routine your program\nUndefined error\n"},
    {"ok", 0, ""},
    {"trace", 0, "->cinstr\n-->instr\n--->putdig\n-->cbase\n--->add\n--->add\n--->fpack\n"},
};

class ErrorReportTest : public ::testing::TestWithParam<report_case> {};

TEST_P(ErrorReportTest, ReportTextAndExitStatus)
{
    const run_result result = run_probe(GetParam().scenario);
    EXPECT_EQ(result.output, GetParam().output);
    EXPECT_EQ(result.status, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(Reports, ErrorReportTest, ::testing::ValuesIn(report_cases),
                         [](const ::testing::TestParamInfo<report_case>& info) {
                             return std::string(info.param.scenario);
                         });

// Deeper than the 24 stored levels the report names "???"; below them the codes stored last at each
// depth (the probe's earlier read left cinstr, cbase and fpack at depths 1 to 3).
TEST(ErrorReport, LevelsBeyondTheStoredTraceShowQuestionMarks)
{
    std::string expected = "\nMPLIB error from routine ???\n";
    for (int depth = 25; depth >= 24; --depth)
        expected += called_from + "???\n";
    for (int depth = 23; depth >= 4; --depth)
        expected += called_from + "your program\n";
    expected += called_from + "fpack\n" + called_from + "cbase\n" + called_from + "cinstr\n";
    expected += called_from + "your program\n";
    expected += "Integer operation attempted on Flash number\n";
    const run_result result = run_probe("deep");
    EXPECT_EQ(result.output, expected);
    EXPECT_EQ(result.status, 1);
}

}  // namespace
