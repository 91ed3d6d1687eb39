#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace hmdx {
namespace {

TEST(CommandLine, AcceptedForms) {
    struct Case {
        std::vector<std::string> args;
        bool simulate;
        std::string model;
        std::string scenario;
        std::string dataDir;
    };
    for (const Case& c : {
             Case{{}, false, "hmb", "", ""},
             Case{{"--simulate"}, true, "hmb", "", ""},
             Case{{"--simulate=hmdf"}, true, "hmdf", "", ""},
             Case{{"--scenario", "a.txt"}, true, "hmb", "a.txt", ""},
             Case{{"--scenario=a.txt", "--simulate=hma"}, true, "hma", "a.txt", ""},
             Case{{"--data-dir", "/tmp/x"}, false, "hmb", "", "/tmp/x"},
             Case{{"--simulate", "--sim-dump", "d", "--sim-trace=t"}, true, "hmb", "", ""},
         }) {
        const CommandLineParse parsed = ParseCommandLine(c.args);
        ASSERT_TRUE(parsed.options) << parsed.error;
        EXPECT_EQ(parsed.options->simulate, c.simulate);
        EXPECT_EQ(parsed.options->simulateModel, c.model);
        EXPECT_EQ(parsed.options->scenarioFile, c.scenario);
        EXPECT_EQ(parsed.options->dataDir, c.dataDir);
    }
}

TEST(CommandLine, RefusedFormsSayWhy) {
    struct Case {
        std::vector<std::string> args;
        std::string mentions;
    };
    for (const Case& c : {
             Case{{"--simulate=hmz"}, "hmz"},
             Case{{"--scenario"}, "--scenario"},
             Case{{"--data-dir="}, "--data-dir"},
             Case{{"--frobnicate"}, "--frobnicate"},
             Case{{"--sim-dump", "d"}, "--simulate"},
         }) {
        const CommandLineParse parsed = ParseCommandLine(c.args);
        EXPECT_FALSE(parsed.options) << c.mentions;
        EXPECT_NE(parsed.error.find(c.mentions), std::string::npos) << parsed.error;
    }
}

} // namespace
} // namespace hmdx
