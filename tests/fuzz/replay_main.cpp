// Replays every committed corpus and regression input of one fuzz target through its entry point.
// A crash, a sanitizer report or a failed check inside the target fails the test.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<std::filesystem::path> input_files()
{
    std::vector<std::filesystem::path> files;
    std::stringstream dirs(FUZZ_INPUT_DIRS);
    std::string dir;
    while (std::getline(dirs, dir, '|')) {
        if (!std::filesystem::is_directory(dir))
            continue;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    }
    return files;
}

TEST(FuzzReplay, EveryCommittedInputRunsCleanly)
{
    const auto files = input_files();
    ASSERT_FALSE(files.empty()) << "no corpus found in " << FUZZ_INPUT_DIRS;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        SCOPED_TRACE(file.string());
        EXPECT_EQ(LLVMFuzzerTestOneInput(bytes.data(), bytes.size()), 0);
    }
}

}  // namespace
