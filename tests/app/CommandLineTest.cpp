// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/DataFolder.h"
#include "support/TempDir.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// The parsed options as "simulate|model|scenario|trace|dump|data-dir|event-log|verify|
// headless|metrics-file|metrics-interval".
std::string Summary(const CommandLine& c) {
    return std::to_string(c.simulate) + "|" + c.simulateModel + "|" + c.scenarioFile + "|" +
           c.traceFile + "|" + c.dumpFile + "|" + c.dataDir + "|" + c.eventLogFile + "|" +
           std::to_string(c.verifySeconds) + "|" + std::to_string(c.headless) + "|" +
           c.metricsFile + "|" + std::to_string(c.metricsSeconds);
}

TEST(CommandLine, AcceptedForms) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "0|hmb||||||60|0||15"},
        {{"--simulate"}, "1|hmb||||||60|0||15"},
        {{"--simulate=hmdf"}, "1|hmdf||||||60|0||15"},
        {{"--scenario", "a.txt"}, "1|hmb|a.txt|||||60|0||15"},
        {{"--scenario=a.txt", "--simulate=hma"}, "1|hma|a.txt|||||60|0||15"},
        {{"--data-dir", "/tmp/x"}, "0|hmb||||/tmp/x||60|0||15"},
        {{"--simulate", "--sim-dump", "d", "--sim-trace=t"}, "1|hmb||t|d|||60|0||15"},
        {{"--verify-interval=0", "--event-log", "e.jsonl"}, "0|hmb|||||e.jsonl|0|0||15"},
        {{"--verify-interval", "300"}, "0|hmb||||||300|0||15"},
        {{"--headless", "--metrics-file=m.prom", "--metrics-interval", "5"},
         "0|hmb||||||60|1|m.prom|5"},
    };
    for (const auto& [args, summary] : cases) {
        const CommandLineParse parsed = ParseCommandLine(args);
        ASSERT_TRUE(parsed.options) << parsed.error;
        EXPECT_EQ(Summary(*parsed.options), summary);
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
             Case{{"--verify-interval", "-5"}, "--verify-interval"},
             Case{{"--verify-interval=1.5"}, "--verify-interval"},
             Case{{"--verify-interval=86401"}, "--verify-interval"},
             Case{{"--verify-interval"}, "--verify-interval"},
             Case{{"--event-log"}, "--event-log"},
             Case{{"--metrics-interval=0"}, "--metrics-interval"},
             Case{{"--metrics-file"}, "--metrics-file"},
             Case{{"--alert-command="}, "--alert-command"},
         }) {
        const CommandLineParse parsed = ParseCommandLine(c.args);
        EXPECT_FALSE(parsed.options) << c.mentions;
        EXPECT_NE(parsed.error.find(c.mentions), std::string::npos) << parsed.error;
    }
}

// Where the data files go without --data-dir.
TEST(DataFolder, BesideTheProgramOnlyOutsideInstallFolders) {
    TempDir dir;
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((dir / "share").string()));
    for (const char* name : {"build", "bin", "sbin"})
        std::filesystem::create_directory(dir / name);
    EXPECT_EQ(DefaultDataFolder(dir / "build"), dir / "build");
    for (const auto& installed :
         {dir / "bin", dir / "sbin", std::filesystem::path("/usr/lib/hmdx")}) {
        const auto folder = DefaultDataFolder(installed);
        EXPECT_NE(folder, installed);
        EXPECT_EQ(folder.string().rfind((dir / "share").string(), 0), 0U) << folder;
        EXPECT_TRUE(std::filesystem::is_directory(folder));
    }
}

} // namespace
} // namespace hmdx::test
