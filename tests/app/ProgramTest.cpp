#include "app/Program.h"

#include "support/FakeTrayIcon.h"
#include "support/QtApp.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempDir.h"
#include "ui/main/MainWindow.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace hmdx::test {
namespace {

struct NoOtherInstance : SingleInstance {
    bool anotherIsRunning() override { return false; }
};

// hmdx run end to end on a scenario, as the command line would run it.
struct ProgramRun {
    int run(const std::string& scenarioText, CommandLine options = {}) {
        std::ofstream(dir / "scenario.txt") << scenarioText;
        options.simulate = true;
        options.scenarioFile = (dir / "scenario.txt").string();
        options.traceFile = (dir / "trace.txt").string();
        options.dumpFile = (dir / "dump.txt").string();
        options.dataDir = dir.path().string();
        QtApp();
        ProgramEnvironment env{boxes,
                               instance,
                               tray,
                               dir.path(),
                               [this](MainWindow& window) {
                                   windowOpened = true;
                                   window.exitProgram();
                                   return ended ? kExitOk : -1;
                               },
                               [this] { ended = true; }};
        return RunProgram(options, env);
    }
    std::map<std::string, std::string> dump() const {
        std::ifstream in(dir / "dump.txt");
        std::map<std::string, std::string> values;
        for (std::string key, value; in >> key >> value;)
            values[key] = value;
        return values;
    }
    std::vector<std::string> trace() const {
        std::ifstream in(dir / "trace.txt");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    TempDir dir;
    RecordingMessageBoxes boxes;
    NoOtherInstance instance;
    FakeTrayIcon tray;
    bool windowOpened = false;
    bool ended = false;
};

TEST(Program, StartupLeavesTheChipAsSpecifiedInTheDump) {
    ProgramRun program;
    EXPECT_EQ(program.run("model hmdf\nactivate 0\nset 0:0x4d 0x15\n"), kExitOk);
    EXPECT_TRUE(program.boxes.boxes.empty());
    const auto dump = program.dump();
    EXPECT_EQ(dump.at("0:58"), "21");
    EXPECT_EQ(dump.at("0:4d"), "95");
    EXPECT_TRUE(program.windowOpened);
    EXPECT_EQ(dump.at("sio:30"), "00"); // activated by start-up, given back at exit
    EXPECT_EQ(dump.at("0:57"), "00");   // beep silenced at exit
    EXPECT_EQ(dump.at("shutdown"), "0");
    const auto trace = program.trace();
    EXPECT_EQ(dump.at("ports"), std::to_string(trace.size()));
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace.front(), "out 0x2e 0x87");
}

TEST(Program, FailedStartupStillWritesTheDump) {
    ProgramRun program;
    EXPECT_EQ(program.run("driver fail\n"), kExitStartupFailed);
    EXPECT_EQ(program.boxes.texts(), std::vector<std::string>{"LOAD Device Driver fail!"});
    EXPECT_EQ(program.dump().at("ports"), "0");
    EXPECT_TRUE(program.trace().empty());
}

TEST(Program, BadScenarioNamesItsLine) {
    ProgramRun program;
    EXPECT_EQ(program.run("model hmb\n\nfrobnicate 3\n"), kExitUsage);
    ASSERT_EQ(program.boxes.boxes.size(), 1U);
    EXPECT_NE(program.boxes.boxes[0].text.find("line 3"), std::string::npos)
        << program.boxes.boxes[0].text;
}

TEST(Program, OutputFilesInMissingFoldersEndTheStartNamingTheOption) {
    for (const char* option : {"--metrics-file", "--event-log"}) {
        ProgramRun program;
        CommandLine options;
        const std::string file = (program.dir / "missing" / "out").string();
        (option == std::string("--event-log") ? options.eventLogFile : options.metricsFile) = file;
        EXPECT_EQ(program.run("model hmb\n", options), kExitUsage) << option;
        EXPECT_FALSE(program.windowOpened) << option;
        ASSERT_EQ(program.boxes.texts().size(), 1U) << option;
        EXPECT_EQ(program.boxes.texts()[0].rfind(option, 0), 0U) << program.boxes.texts()[0];
    }
}

} // namespace
} // namespace hmdx::test
