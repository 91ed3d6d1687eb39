#include "monitor/JournalSink.h"
#include "monitor/JsonLinesSink.h"
#include "support/DialogRig.h"
#include "ui/dialogs/ConfigurationDialog.h"
#include "ui/dialogs/PasswordDialog.h"
#include "ui/dialogs/WarningDialog.h"
#include "ui/main/FanRows.h"
#include "ui/main/UpDown.h"
#include "ui/main/VoltageRows.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>

namespace hmdx::test {
namespace {

// A started HMB machine whose events also go to a JSON Lines file.
struct LoggedRig : DialogRig {
    explicit LoggedRig(sim::Scenario scenario) : DialogRig(scenario) {
        QLocale::setDefault(QLocale::c());
        std::string error;
        auto sink = JsonLinesSink::Open(data.path() / "events.jsonl", error);
        EXPECT_TRUE(sink) << error;
        m().events.addSink(std::move(sink));
        w().load();
    }
    // The file's lines with the time left out: it is the wall clock's.
    std::vector<std::string> lines() const {
        std::ifstream in(data.path() / "events.jsonl");
        std::vector<std::string> result;
        for (std::string line; std::getline(in, line);)
            result.push_back(std::regex_replace(line, std::regex(R"("time":"[^"]+",)"), ""));
        return result;
    }
};

TEST(EventRecords, OutOfRangeDisableAndSaveAreRecordedExactly) {
    sim::Scenario scenario = ScenarioFor("hmb");
    scenario.writes.push_back({0, 0, 0x23, 250}); // +5V at 6.72 V
    LoggedRig rig(scenario);
    for (int tick = 0; tick < 3; ++tick)
        rig.w().pollOnce();
    ASSERT_NE(rig.forms.warningIfLoaded(3), nullptr);
    rig.forms.warningIfLoaded(3)->act(WarningAction::Disable);
    DialogRig::settle();
    rig.w().pollOnce();
    rig.w().saveSettings();

    const std::string file = (rig.data.path() / "hmb.dat").string();
    const std::string item =
        R"("item":3,"caption":"+5V","value":"6.72","low":"4.49","high":"5.51",)";
    const std::string none = R"("item":null,"caption":null,"value":null,"low":null,"high":null,)";
    EXPECT_EQ(rig.lines(), (std::vector<std::string>{
                               R"({"event":"warning raised",)" + item + R"("detail":null})",
                               R"({"event":"disable",)" + item + R"("detail":null})",
                               R"({"event":"save",)" + none + R"("detail":")" + file + R"("})",
                           }));
}

// A limit the user moves is one record in the row's unit; Default's own moves are not.
TEST(EventRecords, LimitChangesAreTheUsersOnly) {
    LoggedRig rig(ScenarioFor("hmb"));
    auto& high = rig.w().voltageRows().row[3].updHiLimit;
    high->setValue(high->value() - 1);
    auto& fan = rig.w().fanRows().row[0].updFanLoLimit;
    fan->setValue(fan->value() + 10);
    rig.w().restoreDefaults();
    std::vector<std::string> seen;
    for (const Event& e : rig.m().events.events())
        seen.push_back(e.event + " " + e.caption + " " + e.detail);
    EXPECT_EQ(seen, (std::vector<std::string>{"limit changed +5V high 5.51 -> 5.49 V",
                                              "limit changed CPU FAN low 1055 -> 1125 RPM",
                                              "default  factory settings, not yet saved"}));
}

// Changes made in the configuration dialog are one record when it closes; a Disable from a
// warning meanwhile has its own record and is not logged again there.
TEST(EventRecords, ConfigurationChangesAreOneRecordWithoutTheDisable) {
    sim::Scenario scenario = ScenarioFor("hmb");
    scenario.writes.push_back({0, 0, 0x23, 250}); // +5V at 6.72 V
    LoggedRig rig(scenario);
    rig.forms.openConfiguration();
    ConfigurationDialog* config = rig.forms.configIfLoaded();
    ASSERT_NE(config, nullptr);
    config->ChkBeep[4]->click();
    for (int tick = 0; tick < 3; ++tick)
        rig.w().pollOnce();
    rig.forms.warningIfLoaded(3)->act(WarningAction::Disable);
    config->close();
    DialogRig::settle();

    std::vector<std::string> seen;
    for (const Event& e : rig.m().events.events())
        seen.push_back(e.event + ": " + e.detail);
    ASSERT_EQ(seen.size(), 3U);
    EXPECT_EQ(seen[0], "warning raised: ");
    EXPECT_EQ(seen[1], "disable: ");
    EXPECT_EQ(seen[2].rfind("configuration changed: +12V", 0), 0U) << seen[2];
    EXPECT_EQ(seen[2].find("+5V"), std::string::npos) << seen[2];
}

TEST(EventRecords, PasswordsTypedOrStoredNeverReachARecord) {
    sim::Scenario scenario = ScenarioFor("hmb");
    scenario.writes.push_back({0, 0, 0x42, 0x10}); // the case is open
    LoggedRig rig(scenario);
    rig.m().settings.Password = {'P', 'w', '7', 'q', ' ', ' ', ' ', ' '};
    rig.w().pollOnce();
    ASSERT_NE(rig.forms.warningIfLoaded(kCaseOpenItem), nullptr);
    rig.forms.warningIfLoaded(kCaseOpenItem)->act(WarningAction::Ignore);
    PasswordDialog& prompt = *rig.forms.passwordIfLoaded();
    prompt.txtPasswd->setText(QStringLiteral("Wr0ngPw"));
    prompt.confirm(PasswordAction::Ignore);
    prompt.txtPasswd->setText(QStringLiteral("Pw7q"));
    prompt.confirm(PasswordAction::Ignore);
    DialogRig::settle();

    std::vector<std::string> events;
    for (const Event& e : rig.m().events.events()) {
        events.push_back(e.event);
        for (const std::string& text : {ToJsonLine(e), JournalMessage(e)}) {
            EXPECT_EQ(text.find("Pw7q"), std::string::npos) << text;
            EXPECT_EQ(text.find("Wr0ng"), std::string::npos) << text;
        }
    }
    EXPECT_EQ(events, (std::vector<std::string>{"warning raised", "password refused",
                                                "password accepted", "ignore"}));
    EXPECT_EQ(rig.lines().size(), events.size());
}

} // namespace
} // namespace hmdx::test
