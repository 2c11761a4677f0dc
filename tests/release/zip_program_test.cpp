// The Morvane.exe of the Windows ZIP, started from the folder the archive was unpacked into: it opens
// its dialog and converts as the built program does, and its version block carries the version that
// the archive is named after.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "morvane_process.h"
#include "ui/resource.h"

class PackagedProgram : public ::testing::Test {
protected:
    morvane_process program = {};

    void SetUp() override
    {
        program = start_morvane();
        ASSERT_NE(program.dialog, nullptr) << "no dialog window of " << MORVANE_EXE;
    }
    void TearDown() override
    {
        if (program.dialog && IsWindow(program.dialog)) {
            PostMessageA(program.dialog, WM_COMMAND, IDCANCEL, 0);
            EXPECT_EQ(wait_for_exit(program, 10000), 0);
        }
        finish(program);
    }
};

// Path of the file the process was started from, as Windows names it.
static std::string image_path(HANDLE process)
{
    char path[MAX_PATH] = {};
    DWORD size = sizeof path;
    if (!QueryFullProcessImageNameA(process, 0, path, &size))
        return "";
    return path;
}

// "a.b.c.d" from the four 16-bit halves of two version words.
static std::string dotted(DWORD high, DWORD low)
{
    return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." + std::to_string(HIWORD(low)) + "." +
           std::to_string(LOWORD(low));
}

// A string of the version block such as "1, 0, 0, 1", with its separators made dots.
static std::string dotted(std::string text)
{
    std::string out;
    for (char c : text)
        if (c == ',')
            out += '.';
        else if (c != ' ')
            out += c;
    return out;
}

TEST_F(PackagedProgram, OpensItsDialogAndConvertsFromTheUnpackedFolder)
{
    EXPECT_EQ(child_count(program.dialog), 34);
    EXPECT_EQ(control_text(program.dialog, IDC_STATUS), "CHECKED HEX.");
    replace_text(program.dialog, IDC_BASE_NUMBER, "10");
    replace_text(program.dialog, IDC_HEX, "FF");
    EXPECT_EQ(control_text(program.dialog, IDC_BASEX), "255");
    EXPECT_EQ(control_text(program.dialog, IDC_STATUS), "HEX Changed OK.");
}

TEST_F(PackagedProgram, VersionBlockCarriesTheVersionOfTheArchive)
{
    std::string path = image_path(program.info.hProcess);
    ASSERT_NE(path.find("\\unpacked\\Morvane.exe"), std::string::npos) << path;
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    ASSERT_FALSE(block.empty()) << "no version block in " << path;
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, (DWORD)block.size(), block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", (void**)&fixed, &length));
    EXPECT_EQ(dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS), MORVANE_VERSION);
    EXPECT_EQ(dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS), MORVANE_VERSION);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", (void**)&translation, &length));
    char table[16];
    snprintf(table, sizeof table, "%04x%04x", translation[0], translation[1]);
    for (const char* name : {"FileVersion", "ProductVersion"}) {
        std::string query = std::string("\\StringFileInfo\\") + table + "\\" + name;
        char* value = nullptr;
        ASSERT_TRUE(VerQueryValueA(block.data(), query.c_str(), (void**)&value, &length)) << query;
        EXPECT_EQ(dotted(value), MORVANE_VERSION) << name;
    }
}
