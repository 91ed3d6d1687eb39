// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"
#include "monitor/Session.h"
#include "support/FakeTrayIcon.h"
#include "support/QtApp.h"
#include "support/ReadFile.h"
#include "support/SimRig.h"

#include <QCoreApplication>
#include <QLocale>
#include <QThread>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>

// Whole runs of the program on the simulated chip, every artefact they leave compared with
// the file recorded for them. HMDX_UPDATE_GOLDEN=1 records the files anew.

namespace hmdx::test {
namespace {

namespace fs = std::filesystem;

struct Run {
    const char* name;
    const char* scenario; // the text, or "@name.scn" from tests/e2e/scenarios
    // Comma-separated: tick N | up OBJECT [N] | down OBJECT [N] | menu TEXT | tray exit | verify
    const char* steps = "tick 3, menu &Exit";
    int verifySeconds = 0;
};

const Run kRuns[] = {
    {"bad_number", "@bad-number.scn"},
    {"bus_fail", "@bus-fail.scn"},
    {"case_open", "@case-open.scn", "tick 4, menu &Exit"},
    {"claimed", "@claimed.scn"},
    {"driver_fail", "@driver-fail.scn"},
    {"hmdf_inactive", "@hmdf-inactive.scn"},
    {"resume", "@resume.scn", "tick 5, menu &Exit"},
    {"tray_hma", "@tray-hma.scn", "tick 10, tray exit"},
    {"unknown_chip", "@unknown-chip.scn"},
    {"unknown_statement", "@unknown-statement.scn"},
    {"volt_flap", "@volt-flap.scn", "tick 11, menu &Exit"},
    {"volt_high", "@volt-high.scn", "tick 4, menu &Exit"},
    {"wrong_vendor", "@wrong-vendor.scn"},
    {"no_privilege", "model hmb\nprivilege no\n"},
    // Each model from start-up to File > Exit.
    {"model_hma", "model hma\nhold\n"},
    {"model_hma11", "model hma11\nhold\n"},
    {"model_hmb", "model hmb\nhold\n"},
    {"model_hmc", "model hmc\nhold\n"},
    {"model_hmdf", "model hmdf\nhold\n"},
    {"model_hmdf_2e_inactive", "model hmdf\nsuperio 2e\nactivate 0\nhold\n"},
    {"model_hmdf_4e", "model hmdf\nsuperio 4e\nhold\n"},
    // Warnings raised and cleared.
    {"volt_out_and_back", "model hmb\nhold\nat 2 set 0:0x23 230\nat 5 set 0:0x23 186\n",
     "tick 7, menu &Exit"},
    {"fan_stops_and_back", "model hmb\nhold\nat 2 set 0:0x28 255\nat 7 set 0:0x28 56\n",
     "tick 9, menu &Exit"},
    {"temp_high_and_back", "model hmb\nhold\nat 2 set 0:0x27 90\nat 5 set 0:0x27 34\n",
     "tick 7, menu &Exit"},
    // Limit edits: a plain rail, the two negative rails, fans, temperatures.
    {"hma_volt_limits", "model hma\nhold\n",
     "up updHiLimit_3 2, down updLoLimit_3 2, up updHiLimit_5, down updLoLimit_5, "
     "up updHiLimit_6, down updLoLimit_6, tick 2, menu &Exit"},
    {"hmb_volt_limits", "model hmb\nhold\n",
     "up updHiLimit_3 2, down updLoLimit_3 2, up updHiLimit_5, down updLoLimit_5, "
     "up updHiLimit_6, down updLoLimit_6, tick 2, menu &Exit"},
    {"hma_fan_temp_limits", "model hma\nhold\n",
     "down updFanLoLimit_0 2, up updTempHiLimit_1, down updTempHiLimit_2, tick 2, menu &Exit"},
    {"hmb_fan_limits", "model hmb\nhold\n",
     "down updFanLoLimit_0 2, up updFanLoLimit_1, up updFanLoLimit_2, tick 2, menu &Exit"},
    {"hmb_temp_limits", "model hmb\nhold\n",
     "up updTempHiLimit_0, down updTempHiLimit_1 2, up updTempHiLimit_2 2, tick 2, menu &Exit"},
    // The File menu and the tray.
    {"default_after_edits", "model hmb\nhold\n",
     "up updHiLimit_3 3, down updFanLoLimit_0, tick 1, menu &Default, tick 2, menu &Exit"},
    {"save_after_edits", "model hmb\nhold\n",
     "up updHiLimit_3 3, down updTempHiLimit_1, menu &Save, tick 1, menu &Exit"},
    {"tray_exit_hmb", "model hmb\nhold\n", "tick 2, tray exit"},
    // The chip losing its programming.
    {"reset", "model hmb\nhold\nat 3 reset\n", "up updHiLimit_3, tick 5, menu &Exit"},
    {"resume_after_edits", "model hmb\nhold\nat 3 resume\n", "up updHiLimit_3, tick 5, menu &Exit"},
    {"read_back", "model hmb\nhold\nat 1 set 0:0x2b 0\n", "tick 2, verify, menu &Exit", 1},
};

void PrintTo(const Run& run, std::ostream* out) {
    *out << run.name;
}

std::vector<std::string> Lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string Hex(const std::string& bytes) {
    std::string text;
    char cell[24];
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % 16 == 0) {
            std::snprintf(cell, sizeof cell, "%04zx:", i);
            text += cell;
        }
        std::snprintf(cell, sizeof cell, " %02x", unsigned(uint8_t(bytes[i])));
        text += cell;
        if (i % 16 == 15 || i + 1 == bytes.size())
            text += '\n';
    }
    return text;
}

// Temporary paths differ from run to run; the folder stands as $DIR.
std::string Anonymous(std::string text, const std::string& dir) {
    for (size_t at; (at = text.find(dir)) != std::string::npos;)
        text.replace(at, dir.size(), "$DIR");
    return text;
}

// The event log file's lines without their time, which no two runs share.
std::string Untimed(const std::string& jsonLines) {
    std::string text;
    for (const std::string& line : Lines(jsonLines)) {
        const size_t end = line.find("\",", 9);
        text += (line.rfind("{\"time\":\"", 0) == 0 && end != std::string::npos
                     ? "{" + line.substr(end + 2)
                     : line) +
                '\n';
    }
    return text;
}

// The read-back runs on its own wall-clock timer: wait for its first reads, then go on.
void WaitForReadBack(const fs::path& trace) {
    const auto before = fs::file_size(trace);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (fs::file_size(trace) == before && std::chrono::steady_clock::now() < deadline) {
        QThread::msleep(5);
        QCoreApplication::processEvents();
    }
    ASSERT_NE(fs::file_size(trace), before) << "no read-back came";
}

// A limit as its row's up-down is named: a headless run has no window, so the steps move the
// limits themselves.
BoundedValue* LimitNamed(Limits& limits, const std::string& name) {
    const std::size_t bar = name.rfind('_');
    const std::string kind = name.substr(0, bar);
    const int i = bar == std::string::npos ? -1 : std::stoi(name.substr(bar + 1));
    if (kind == "updHiLimit")
        return &limits.voltage(i).high;
    if (kind == "updLoLimit")
        return &limits.voltage(i).low;
    if (kind == "updFanLoLimit")
        return &limits.fan(i).setting;
    if (kind == "updTempHiLimit")
        return &limits.temperature(i).high;
    return nullptr;
}

struct Player {
    void play(Session& session) {
        // The test alone moves time: a polling timer on the wall clock would add reads at random.
        session.clock().stop();
        std::istringstream script(run.steps);
        for (std::string step; !ended && std::getline(script, step, ',');) {
            std::istringstream words(step);
            std::string verb, what;
            int times = 1;
            words >> verb >> what;
            if (!(words >> times))
                times = 1;
            if (verb == "tick") {
                for (int i = std::stoi(what); i > 0; --i) {
                    ++seconds;
                    session.tick();
                    // Delivers a resume the tick's reads brought, and fires no timer.
                    QCoreApplication::sendPostedEvents();
                }
            } else if (verb == "up" || verb == "down") {
                BoundedValue* limit = LimitNamed(session.monitor().limits(), what);
                ASSERT_TRUE(limit) << what;
                for (int i = 0; i < times; ++i)
                    verb == "up" ? limit->stepUp() : limit->stepDown();
            } else if (step.find("menu &Exit") != std::string::npos) {
                session.end(Session::Way::Exit);
            } else if (step.find("menu &Default") != std::string::npos) {
                session.restoreDefaults();
            } else if (step.find("menu &Save") != std::string::npos) {
                session.save();
            } else if (verb == "tray") {
                session.end(Session::Way::TrayExit);
            } else if (verb == "verify") {
                WaitForReadBack(trace);
            } else {
                FAIL() << "unknown step " << step;
            }
            session.clock().stop();
        }
    }

    const Run& run;
    FakeTrayIcon& tray;
    fs::path trace;
    int seconds = 0;
    bool ended = false;
};

std::string Record(const Run& run) {
    TempDir dir;
    std::string name = "scenario.scn", text = run.scenario;
    if (text[0] == '@') {
        name = text.substr(1);
        text = ReadFile(fs::path(HMDX_TEST_DATA) / ".." / "e2e" / "scenarios" / name);
    }
    std::ofstream(dir / name) << text;
    fs::create_directory(dir / "data");
    CommandLine options;
    options.simulate = options.headless = true;
    options.scenarioFile = (dir / name).string();
    options.traceFile = (dir / "trace").string();
    options.dumpFile = (dir / "dump").string();
    options.dataDir = (dir / "data").string();
    options.eventLogFile = (dir / "events").string();
    options.verifySeconds = run.verifySeconds;
    RecordingMessageBoxes boxes;
    FakeInstance instance;
    FakeTrayIcon tray;
    Player player{run, tray, dir / "trace"};
    ProgramEnvironment env{boxes,
                           instance,
                           tray,
                           dir.path(),
                           [&player](Session& session) {
                               player.play(session);
                               return player.ended ? kExitOk : 99;
                           },
                           [&player] { player.ended = true; },
                           [&player] { return player.seconds; }};
    QtApp();
    QLocale::setDefault(QLocale::c()); // numbers as the files have them, whatever LANG says
    std::ostringstream console;
    std::streambuf* const cerr = std::cerr.rdbuf(console.rdbuf());
    const int code = RunProgram(options, env);
    std::cerr.rdbuf(cerr);

    std::string out = "== exit\n" + std::to_string(code) + "\n== messages\n";
    for (const auto& box : boxes.boxes)
        out += (box.question ? "ask [" : "inform [") + box.title + "] " + box.text + "\n";
    out += "== console\n" + console.str() + "== events\n" + Untimed(ReadFile(dir / "events"));
    for (const fs::path& file : std::set<fs::path>(fs::directory_iterator(dir / "data"), {}))
        out += "== file " + file.filename().string() + "\n" + Hex(ReadFile(file));
    out += "== trace\n" + ReadFile(dir / "trace") + "== dump\n" + ReadFile(dir / "dump");
    return Anonymous(out, dir.path().string());
}

class GoldenRun : public testing::TestWithParam<Run> {};

TEST_P(GoldenRun, LeavesWhatWasRecorded) {
    const std::string actual = Record(GetParam());
    const fs::path file = fs::path(HMDX_GOLDEN_DIR) / (std::string(GetParam().name) + ".txt");
    if (const char* update = std::getenv("HMDX_UPDATE_GOLDEN"); update && *update == '1') {
        std::ofstream(file, std::ios::binary) << actual;
        return;
    }
    ASSERT_TRUE(fs::exists(file)) << file << " missing; record it with HMDX_UPDATE_GOLDEN=1";
    const std::vector<std::string> expected = Lines(ReadFile(file)), got = Lines(actual);
    std::string section = "(none)";
    for (size_t i = 0; i < std::max(expected.size(), got.size()); ++i) {
        const std::string want = i < expected.size() ? expected[i] : "(end of file)";
        const std::string have = i < got.size() ? got[i] : "(end of run)";
        if (want.rfind("== ", 0) == 0)
            section = want;
        if (want != have)
            FAIL() << file.filename() << " line " << i + 1 << ", section " << section
                   << "\n  expected: " << want << "\n  actual:   " << have;
    }
    EXPECT_TRUE(ReadFile(file) == actual) << file.filename() << " differs in its line ends";
}

INSTANTIATE_TEST_SUITE_P(Runs, GoldenRun, testing::ValuesIn(kRuns),
                         [](const auto& run) { return std::string(run.param.name); });

} // namespace
} // namespace hmdx::test
