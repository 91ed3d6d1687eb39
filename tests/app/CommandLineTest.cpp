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

TEST(CommandLine, IntervalsAndOutputFiles) {
    EXPECT_EQ(ParseCommandLine({}).options->verifySeconds, 60);
    const CommandLineParse off =
        ParseCommandLine({"--verify-interval=0", "--event-log", "e.jsonl"});
    ASSERT_TRUE(off.options) << off.error;
    EXPECT_EQ(off.options->verifySeconds, 0);
    EXPECT_EQ(off.options->eventLogFile, "e.jsonl");
    EXPECT_EQ(ParseCommandLine({"--verify-interval", "300"}).options->verifySeconds, 300);
    const CommandLineParse headless =
        ParseCommandLine({"--headless", "--metrics-file=m.prom", "--metrics-interval", "5"});
    ASSERT_TRUE(headless.options) << headless.error;
    EXPECT_TRUE(headless.options->headless);
    EXPECT_EQ(headless.options->metricsFile, "m.prom");
    EXPECT_EQ(headless.options->metricsSeconds, 5);
    EXPECT_EQ(ParseCommandLine({}).options->metricsSeconds, 15);
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
             Case{{"--verify-interval", "-5"}, "--verify-interval"},
             Case{{"--verify-interval=soon"}, "--verify-interval"},
             Case{{"--verify-interval=1.5"}, "--verify-interval"},
             Case{{"--verify-interval=86401"}, "--verify-interval"},
             Case{{"--verify-interval"}, "--verify-interval"},
             Case{{"--event-log"}, "--event-log"},
             Case{{"--metrics-interval=0"}, "--metrics-interval"},
             Case{{"--metrics-interval", "-15"}, "--metrics-interval"},
             Case{{"--metrics-file"}, "--metrics-file"},
         }) {
        const CommandLineParse parsed = ParseCommandLine(c.args);
        EXPECT_FALSE(parsed.options) << c.mentions;
        EXPECT_NE(parsed.error.find(c.mentions), std::string::npos) << parsed.error;
    }
}

} // namespace
} // namespace hmdx
