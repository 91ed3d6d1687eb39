// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowRig.h"
#include "ui/main/FanRows.h"
#include "ui/main/RowWidgets.h"
#include "ui/main/TemperatureRows.h"
#include "ui/main/UpDown.h"
#include "ui/main/VoltageRows.h"

#include <QAccessible>
#include <QLabel>
#include <QLocale>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// What a screen reader hears of a widget, and whether it shows the out-of-range frame.
QString heard(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a->text(QAccessible::Name) + "|" + a->text(QAccessible::Description) +
           (HasOutOfRangeFrame(w) ? "|framed" : "");
}

struct LoadedHmb : WindowRig {
    LoadedHmb() : WindowRig(ScenarioFor("hmb")) { QLocale::setDefault(QLocale::c()), w().load(); }
};

// The tray's icon and tip follow the monitored items; a steady tick leaves the tray alone.
TEST(StatusWords, TheTrayShowsWhatIsOutOfRange) {
    LoadedHmb rig;
    const QString allIn = "Hardware Monitor\nAll monitored items are in range.\nSystem 34.00 °C, "
                          "CPU 45.00 °C, Other 42.00 °C";
    const QString out = "Hardware Monitor\nOut of range:\n";
    const QString plus5 = "+5V: 6.72 V, limits 4.49 to 5.51",
                  fan = "CPU FAN: low_speed, low limit 1055";
    // A register and its new value, or an item and -1 to stop monitoring it.
    for (const auto& [at, value, alert, tip] :
         std::initializer_list<std::tuple<int, int, bool, QString>>{
             {0x23, 190, false, allIn},
             {0x23, 250, true, out + plus5},
             {0x28, 255, true, out + plus5 + "\n" + fan},
             {3, -1, true, out + fan},
             {0x28, 100, false, allIn}}) {
        if (value < 0)
            rig.m().settings.monitored[size_t(at)] = 0;
        else
            rig.chip().poke(0, at, uint8_t(value));
        rig.tick();
        EXPECT_EQ(rig.tray.alert, alert) << at;
        EXPECT_EQ(rig.tray.toolTip, tip) << at;
        const int updates = rig.tray.updates;
        rig.tick();
        EXPECT_EQ(rig.tray.updates, updates) << at;
    }
}

// Each status says its item and reading to a screen reader, and out of range shows a frame
// besides the red; each up-down says what it sets.
TEST(StatusWords, StatusesAndLimitsSpeak) {
    LoadedHmb rig;
    MainWindow& w = rig.w();
    VoltageRows::Row& plus5 = w.voltageRows().row[3];
    EXPECT_EQ(heard(plus5.readingLabel), "+5V|not read yet");
    for (auto [reg, value] : {std::pair{0x23, 250}, {0x28, 255}, {0x27, 80}, {0x42, 0x10}})
        rig.chip().poke(0, reg, uint8_t(value));
    rig.tick();
    const std::pair<QWidget*, QString> cases[] = {
        {w.voltageRows().row[0].readingLabel, "Vcore|1.74 V, within 1.55 to 1.95"},
        {plus5.readingLabel, "+5V|6.72 V, out of range|framed"},
        {w.voltageRows().row[5].readingLabel, "-12V|-12.03 V, within -13.00 to -11.00"},
        {w.fanRows().row[0].readingLabel, "CPU FAN|low_speed, out of range|framed"},
        {w.fanRows().row[2].readingLabel, "FAN2|2,813 RPM, within the low limit 1055"},
        {w.temperatureRows().row[0].readingLabel, "System|80.00 °C, out of range|framed"},
        {w.temperatureRows().row[1].readingLabel, "CPU|45.00 °C, within the high limit 60.00"},
        {w.rows().caseLine.statusLabel, "Case open|the case has been opened, out of range"},
        {plus5.lowUpDown, "+5V low limit|"},
        {w.fanRows().row[0].lowUpDown, "CPU FAN low limit|"},
        {w.temperatureRows().row[1].highUpDown, "CPU high limit|"},
    };
    for (const auto& [widget, words] : cases)
        EXPECT_EQ(heard(widget), words);
    rig.chip().poke(0, 0x23, 190);
    plus5.highUpDown->stepUp();
    rig.tick();
    EXPECT_EQ(heard(plus5.readingLabel), "+5V|5.11 V, within 4.49 to 5.54");
}

} // namespace
} // namespace hmdx::test
