// The resources the script puts into a program (Windows build only: the test program links the
// script): the dialog, the icon and the version block, all in language 0x0804.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/resource.h"

namespace {

const WORD LANGUAGE = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

std::string version_string(const std::string& data, const char* name)
{
    std::string path = std::string("\\StringFileInfo\\080404b0\\") + name;
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
        return "<missing>";
    return length ? std::string(value) : std::string();
}

}  // namespace

TEST(Resources, DialogIconAndVersionCarryTheChineseLanguageId)
{
    struct resource {
        LPCSTR type;
        int id;
    } const resources[] = {{RT_DIALOG, IDD_MAIN}, {RT_GROUP_ICON, IDI_MAIN}, {RT_ICON, 1}, {RT_VERSION, 1}};
    for (const resource& r : resources)
        EXPECT_NE(FindResourceExA(nullptr, r.type, MAKEINTRESOURCEA(r.id), LANGUAGE), nullptr) << r.id;
}

TEST(Resources, IconIsOne32By32PictureOf16Colours)
{
    HRSRC group = FindResourceExA(nullptr, RT_GROUP_ICON, MAKEINTRESOURCEA(IDI_MAIN), LANGUAGE);
    ASSERT_NE(group, nullptr);
    const BYTE* directory = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    ASSERT_NE(directory, nullptr);
    EXPECT_EQ(directory[4] | directory[5] << 8, 1);  // one image
    const BYTE* entry = directory + 6;
    EXPECT_EQ(entry[0], 32);
    EXPECT_EQ(entry[1], 32);
    EXPECT_EQ(entry[2], 16);
    EXPECT_EQ(entry[4] | entry[5] << 8, 1);    // planes
    EXPECT_EQ(entry[6] | entry[7] << 8, 4);    // bits per pixel
    EXPECT_EQ(entry[12] | entry[13] << 8, 1);  // the image is icon resource 1
    HRSRC image = FindResourceExA(nullptr, RT_ICON, MAKEINTRESOURCEA(1), LANGUAGE);
    ASSERT_NE(image, nullptr);
    const BITMAPINFOHEADER* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, image)));
    EXPECT_EQ(header->biWidth, 32);
    EXPECT_EQ(header->biHeight, 64);  // picture and mask
    EXPECT_EQ(header->biBitCount, 4);
    HICON icon = (HICON)LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAIN), IMAGE_ICON, 32, 32, 0);
    EXPECT_NE(icon, nullptr);
}

TEST(Resources, VersionBlockNamesTheProgramAndItsMaker)
{
    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, path, sizeof path), 0u);
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::string data(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, &data[0]));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, (DWORD)VOS_NT_WINDOWS32);
    EXPECT_EQ(fixed->dwFileType, (DWORD)VFT_APP);
    struct value {
        const char* name;
        const char* text;
    } const values[] = {
        {"ProductName", "Morvane"},
        {"FileDescription", "Morvane"},
        {"InternalName", "Morvane"},
        {"OriginalFilename", "Morvane"},
        {"CompanyName", "Telvik"},
        {"FileVersion", "1, 0, 0, 1"},
        {"ProductVersion", "1, 0, 0, 1"},
        {"Comments", ""},
        {"LegalTrademarks", ""},
        {"PrivateBuild", ""},
        {"SpecialBuild", ""},
    };
    for (const value& v : values)
        EXPECT_EQ(version_string(data, v.name), v.text) << v.name;
    WORD* translation = nullptr;
    ASSERT_TRUE(
        VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 1200);
}
