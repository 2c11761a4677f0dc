// The manual page and --help stay in step: the same options, the sections a manual page has, and the
// figures both state.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include "cli/help.h"
#include "cli/limits.h"
#include "cli/option_table.h"

namespace {

std::string manual_text()
{
    std::ifstream file(MORVANE_CLI_MANUAL, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The text of a section, from its .SH line to the next one.
std::string section(const std::string& manual, const std::string& name)
{
    const size_t start = manual.find("\n.SH " + name + "\n");
    if (start == std::string::npos)
        return "";
    const size_t end = manual.find("\n.SH ", start + 1);
    return manual.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The options that the lines after .TP name in bold ("\fB\-\-from\fR"), with plain dashes.
std::set<std::string> manual_options(const std::string& options_section)
{
    std::set<std::string> names;
    const std::regex tag_line("\\.TP\n([^\n]*)");
    const std::regex bold_option("\\\\fB((?:\\\\-)+[^\\\\]*(?:\\\\-[^\\\\]*)*)\\\\fR");
    for (std::sregex_iterator t(options_section.begin(), options_section.end(), tag_line), end; t != end; ++t) {
        const std::string line = (*t)[1];
        for (std::sregex_iterator b(line.begin(), line.end(), bold_option); b != end; ++b)
            names.insert(std::regex_replace((*b)[1].str(), std::regex("\\\\-"), "-"));
    }
    return names;
}

TEST(CliManual, HasTheSectionsOfAManualPage)
{
    const std::string manual = manual_text();
    ASSERT_FALSE(manual.empty()) << "cannot read " << MORVANE_CLI_MANUAL;
    for (const char* name : {"NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS", "EXAMPLES"})
        EXPECT_NE(section(manual, name), "") << name;
}

TEST(CliManual, ListsTheOptionsOfHelp)
{
    std::set<std::string> table;
    for (const option_spec& o : option_table()) {
        table.insert(o.long_name);
        if (o.short_name[0] != '\0')
            table.insert(o.short_name);
    }
    EXPECT_EQ(manual_options(section(manual_text(), "OPTIONS")), table);
}

TEST(CliManual, StatesTheLimitAndVersionOfTheProgram)
{
    const std::string manual = manual_text();
    EXPECT_NE(manual.find(std::to_string(MAX_CLI_BYTES) + " bytes"), std::string::npos);
    EXPECT_NE(help_text().find(std::to_string(MAX_CLI_BYTES) + " bytes"), std::string::npos);
    EXPECT_NE(manual.find(std::string("\"Morvane ") + MORVANE_VERSION + "\""), std::string::npos);
}

}  // namespace
