#include "FuzzChecks.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace hmdx::test {
namespace {

namespace fs = std::filesystem;

// The fuzzers' seed corpus, run through the same checks in the normal build, so that a seed
// that stops passing is seen without clang.
using Check = std::string (*)(const uint8_t*, std::size_t);

void replay(const char* corpus, Check check) {
    int inputs = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(HMDX_FUZZ_CORPUS) / corpus)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(check(bytes.data(), bytes.size()), "") << entry.path();
        ++inputs;
    }
    EXPECT_GT(inputs, 10);
}

TEST(FuzzCorpus, SettingsFilesHoldTheirProperties) {
    replay("settings", fuzz::CheckSettingsFile);
}

TEST(FuzzCorpus, ScenariosHoldTheirProperties) {
    replay("scenario", fuzz::CheckScenario);
}

} // namespace
} // namespace hmdx::test
