#include "FuzzChecks.h"
#include "support/ReadFile.h"

#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// The fuzzers' seed corpus, run through the same checks in the normal build, so that a seed
// that stops passing is seen without clang.
void replay(const char* corpus, std::string (*check)(const uint8_t*, std::size_t)) {
    int inputs = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(HMDX_FUZZ_CORPUS "/" + std::string(corpus))) {
        const auto bytes = ReadFile<std::vector<uint8_t>>(entry.path());
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
