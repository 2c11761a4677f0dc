// The command line: which sides --alphabet reaches, spellings of values, FILE and "--", and the
// commands that print and exit.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/named_alphabets.h"
#include "cli/options.h"
#include "tests/cli/cli_test_support.h"

namespace {

TEST(CliOptions, AlphabetReachesTheSidesWithAsManyDigits)
{
    const std::string bitcoin = find_named_alphabet("bitcoin")->digits;
    const std::string flickr = find_named_alphabet("flickr")->digits;
    const std::string dec = "0123456789";
    const std::string hex = "0123456789ABCDEF";
    struct {
        std::vector<std::string> args;
        std::string from, to;
    } cases[] = {
        {{"--from", "58", "--to", "hex", "--alphabet", "bitcoin"}, bitcoin, hex},
        {{"--from", "hex", "--to", "58", "--alphabet", "bitcoin"}, hex, bitcoin},
        {{"--from", "58", "--to", "10", "--alphabet", "bitcoin"}, bitcoin, dec},
        {{"--from", "10", "--to", "58", "--alphabet", "bitcoin"}, dec, bitcoin},
        {{"--from", "58", "--to", "58", "--alphabet", "bitcoin"}, bitcoin, bitcoin},
        {{"--from", "58", "--to", "58", "--alphabet", "bitcoin", "--to-alphabet", "flickr"}, bitcoin, flickr},
        {{"--from", "58", "--to", "58", "--from-alphabet", "flickr", "--alphabet", "bitcoin"}, flickr, bitcoin},
        {{"--from", "10", "--to", "3", "--alphabet", "abc"}, dec, "abc"},
        {{"--to=3", "--from=10", "--alphabet=abc"}, dec, "abc"},
    };
    for (const auto& c : cases) {
        parsed_command parsed = parse_command(c.args);
        SCOPED_TRACE(testing::PrintToString(c.args));
        ASSERT_EQ(parsed.error, "");
        EXPECT_EQ(parsed.options.from_alphabet.digits(), c.from);
        EXPECT_EQ(parsed.options.to_alphabet.digits(), c.to);
    }
}

TEST(CliOptions, FileArgument)
{
    struct {
        std::vector<std::string> args;
        bool from_file;
        std::string file;
    } cases[] = {
        {{"--from", "hex", "--to", "10"}, false, ""},
        {{"--from", "hex", "--to", "10", "-"}, false, "-"},
        {{"--from", "hex", "data.txt", "--to", "10"}, true, "data.txt"},
        {{"--from", "hex", "--to", "10", "--", "--odd-name"}, true, "--odd-name"},
        {{"--from", "hex", "--to", "10", ""}, true, ""},
    };
    for (const auto& c : cases) {
        parsed_command parsed = parse_command(c.args);
        EXPECT_EQ(parsed.error, "");
        EXPECT_EQ(parsed.options.from_file, c.from_file);
        EXPECT_EQ(parsed.options.file, c.file);
    }
}

TEST(CliOptions, CommandsThatPrintAndExit)
{
    cli_result help = run_cli({"--from", "hex", "-h", "--bogus"});
    EXPECT_EQ(help.status, exit_status::done);
    EXPECT_EQ(help.out.rfind("Usage: morvane-cli --from FORM --to FORM", 0), 0u);
    EXPECT_EQ(help.err, "");

    cli_result version = run_cli({"--version"});
    EXPECT_EQ(version.status, exit_status::done);
    EXPECT_EQ(version.out, std::string("morvane-cli ") + MORVANE_VERSION + "\n");

    // One line per named alphabet: its name, radix and digits.
    cli_result list = run_cli({"--list-alphabets"});
    EXPECT_EQ(list.status, exit_status::done);
    size_t lines = 0;
    for (const named_alphabet& a : named_alphabets()) {
        const size_t at = list.out.find(std::string(a.name) + " ");
        ASSERT_NE(at, std::string::npos) << a.name;
        const std::string line = list.out.substr(at, list.out.find('\n', at) - at);
        EXPECT_NE(line.find(" " + std::to_string(a.radix) + "  " + a.digits), std::string::npos) << line;
        ++lines;
    }
    EXPECT_EQ(static_cast<size_t>(std::count(list.out.begin(), list.out.end(), '\n')), lines);
}

// Every named alphabet is a valid alphabet of its radix, and its look-alikes read as digits of it.
TEST(CliOptions, NamedAlphabetsAreWellFormed)
{
    for (const named_alphabet& a : named_alphabets()) {
        SCOPED_TRACE(a.name);
        EXPECT_EQ(alphabet_problem(a.digits, a.radix), "");
        const std::string aliases = a.aliases;
        ASSERT_EQ(aliases.size() % 2, 0u);
        for (size_t i = 0; i < aliases.size(); i += 2) {
            EXPECT_EQ(std::string(a.digits).find(aliases[i]), std::string::npos);
            EXPECT_NE(std::string(a.digits).find(aliases[i + 1]), std::string::npos);
        }
    }
}

}  // namespace
