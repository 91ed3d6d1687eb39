// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/Limits.h"

#include "support/SimRig.h"

#include <cmath>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

constexpr float kFactory = NAN;

// Where each voltage's limits stand after the load: the factory limits, and settings beyond
// the scale or with the scale the wrong way round.
TEST(Limits, VoltagesAreHeldOnTheirScaleAndFenceEachOther) {
    struct Case {
        const char* model;
        int item;
        float lo, hi;   // settings put in before the load
        bool flipScale; // the scale's ends swapped in the settings
        int scaleMin, scaleMax, low, high;
        const char *lowText, *highText;
    };
    for (const Case& c : {
             Case{"hmb", 3, kFactory, kFactory, false, 149, 223, 167, 205, "4.49", "5.51"},
             // 4.1 V, the top of the Vcore scale, would be a count of 256
             Case{"hmb", 0, kFactory, kFactory, false, 62, 255, 97, 122, "1.55", "1.95"},
             Case{"hmb", 5, kFactory, kFactory, false, 11, 60, 23, 47, "-13.00", "-11.00"},
             Case{"hma", 5, kFactory, kFactory, false, -251, -179, -233, -197, "-12.99", "-10.98"},
             Case{"hma", 6, kFactory, kFactory, false, -249, -166, -228, -187, "-5.49", "-4.51"},
             Case{"hmb", 3, kFactory, 9.0f, false, 149, 223, 167, 223, "4.49", "6.00"},
             Case{"hmb", 2, -1.0f, kFactory, false, 144, 250, 144, 237, "2.30", "3.79"},
             Case{"hma", 5, -20.0f, kFactory, false, -251, -179, -251, -197, "-13.99", "-10.98"},
             // held at the scale's ends, shown as the registers hold them, not as the file has
             Case{"hmb", 5, -20.0f, 9.0f, false, 11, 60, 11, 60, "-14.00", "-9.97"},
             Case{"hmb", 3, kFactory, kFactory, true, 149, 223, 167, 205, "4.49", "5.51"},
             Case{"hma", 5, kFactory, kFactory, true, -251, -179, -233, -197, "-12.99", "-10.98"},
         }) {
        SCOPED_TRACE(std::string(c.model) + " item " + std::to_string(c.item));
        MonitorRig rig(c.model);
        SettingsModel& s = rig.m().settings;
        if (!std::isnan(c.lo))
            s.voltageLow[c.item] = c.lo;
        if (!std::isnan(c.hi))
            s.voltageHigh[c.item] = c.hi;
        if (c.flipScale)
            std::swap(s.voltageScaleLow[c.item], s.voltageScaleHigh[c.item]);
        rig.monitor.load();
        const VoltageLimits& v = rig.limits().voltage(c.item);
        EXPECT_EQ((std::array{v.scaleMin, v.scaleMax, v.low.value(), v.high.value()}),
                  (std::array{c.scaleMin, c.scaleMax, c.low, c.high}));
        EXPECT_EQ((std::array{v.low.maximum(), v.high.minimum(), v.band.start, v.band.length}),
                  (std::array{c.high, c.low, c.low, c.high - c.low}));
        EXPECT_EQ(v.lowText.text.toStdString(), c.lowText);
        EXPECT_EQ(v.highText.text.toStdString(), c.highText);
    }
}

// A limit the user moves: held by the model, shown in volts, kept in the settings in those
// volts and written at once (HMA's negated rails into the crossed register).
TEST(Limits, AMovedVoltageLimitReachesTheSettingsAndTheChip) {
    struct Case {
        const char* model;
        int item;
        bool high;
        int step;
        int value;
        const char* text;
        int bank, reg, written;
    };
    for (const Case& c : {
             Case{"hmb", 3, true, +1, 206, "5.54", 0, 0x31, 206},
             Case{"hmb", 3, false, -1, 166, "4.46", 0, 0x32, 166},
             Case{"hmb", 5, true, +1, 48, "-10.96", 0, 0x35, 48},
             Case{"hmb", 7, true, +1, 228, "5.53", 5, 0x54, 228},
             Case{"hma", 5, true, +1, -196, "-10.93", 0, 0x36, 196},
             Case{"hma", 5, false, -1, -234, "-13.05", 0, 0x35, 234},
         }) {
        SCOPED_TRACE(std::string(c.model) + " item " + std::to_string(c.item));
        MonitorRig rig(c.model);
        rig.monitor.load();
        VoltageLimits& v = rig.limits().voltage(c.item);
        BoundedValue& limit = c.high ? v.high : v.low;
        c.step > 0 ? limit.stepUp() : limit.stepDown();
        EXPECT_EQ(limit.value(), c.value);
        EXPECT_EQ((c.high ? v.highText : v.lowText).text.toStdString(), c.text);
        const auto& settings = c.high ? rig.m().settings.voltageHigh : rig.m().settings.voltageLow;
        EXPECT_EQ(QString::number(settings[c.item], 'f', 2).toStdString(), c.text);
        EXPECT_EQ(rig.chip().peek(c.bank, c.reg), c.written);
        EXPECT_EQ((std::array{v.low.maximum(), v.high.minimum()}),
                  (std::array{v.high.value(), v.low.value()}));
    }
}

// Neither limit passes the other; while the program itself places them nothing is written.
TEST(Limits, LimitsStopAtEachOtherAndMoveQuietlyWhileEditsAreNotLive) {
    MonitorRig rig("hmb");
    rig.monitor.load();
    VoltageLimits& v = rig.limits().voltage(3);
    for (int i = 0; i < 60; ++i)
        v.low.stepUp();
    v.high.stepDown();
    EXPECT_EQ(v.low.value(), 205);
    EXPECT_EQ(v.high.value(), 205);
    EXPECT_EQ(v.band.length, 0);
    EXPECT_EQ(rig.chip().peek(0, 0x32), 205);

    const float before = rig.m().settings.voltageHigh[3];
    rig.m().state.limitEditsLive = false;
    v.high.stepUp();
    EXPECT_EQ(v.high.value(), 206);
    EXPECT_EQ(v.highText.text, QStringLiteral("5.51"));
    EXPECT_EQ(rig.m().settings.voltageHigh[3], before);
    EXPECT_EQ(rig.chip().peek(0, 0x31), 205);

    MonitorRig crossed("hmb"); // low above high in the settings
    crossed.m().settings.voltageLow[4] = 13.0f;
    crossed.m().settings.voltageHigh[4] = 11.0f;
    crossed.monitor.load();
    EXPECT_EQ(crossed.limits().voltage(4).low.value(), 181);
    EXPECT_EQ(crossed.limits().voltage(4).high.value(), 214);
}

// The high limit on a scale of whole degrees (temperature 0) or half degrees (1 and 2):
// shown with two decimals as loaded, with one once moved; the hysteresis follows it.
TEST(Limits, TemperatureLimitsInWholeAndHalfDegrees) {
    MonitorRig rig("hmb");
    SettingsModel& s = rig.m().settings;
    s.temperatureHigh[2] = 200.0f; // beyond the scale's ends
    s.temperatureLow[2] = -100.0f;
    rig.monitor.load();
    EXPECT_EQ(rig.limits().temperature(0).high.value(), 80);
    EXPECT_EQ(rig.limits().temperature(0).highText.text, QStringLiteral("40.00"));
    EXPECT_EQ(rig.limits().temperature(1).high.value(), 200);
    EXPECT_EQ(rig.limits().temperature(1).scaleMax, 334);
    EXPECT_EQ(rig.limits().temperature(2).high.value(), 334);
    EXPECT_EQ(rig.limits().temperature(2).band.start, 0);

    struct Case {
        int sensor;
        int value; // on the scale
        float degrees;
        const char* text;
        int whole, half; // the high and hysteresis registers; half -1 for none
    };
    for (const Case& c :
         {Case{1, 201, 60.5f, "60.5", 60, 0x80}, Case{0, 35, -5.0f, "-5.0", 0xFB, -1},
          Case{2, 71, -4.5f, "-4.5", 0xFB, 0x80}, Case{2, 334, 127.0f, "127.0", 127, 0}}) {
        TemperatureLimits& t = rig.limits().temperature(c.sensor);
        t.high.setValue(c.value);
        EXPECT_EQ(t.highText.text.toStdString(), c.text) << c.value;
        EXPECT_EQ(t.lowText.text.toStdString(), c.text) << c.value;
        EXPECT_EQ(s.temperatureHigh[c.sensor], c.degrees) << c.value;
        EXPECT_EQ(s.temperatureLow[c.sensor], c.degrees) << c.value;
        const int bank = c.sensor;
        const bool halves = c.half >= 0;
        EXPECT_EQ(rig.chip().peek(bank, halves ? 0x55 : 0x39), c.whole) << c.value;
        EXPECT_EQ(rig.chip().peek(bank, halves ? 0x53 : 0x3A), c.whole) << c.value;
        if (halves) {
            EXPECT_EQ(rig.chip().peek(bank, 0x56), c.half) << c.value;
        }
    }
}

// A fan's limit as a setting (255 minus the count limit) and a speed. A fan standing at
// start-up gets the lowest setting, not to be moved until the next load, and is no fault.
TEST(Limits, FanLimitsAsCountsAndSpeeds) {
    MonitorRig rig("hmb");
    rig.chip().poke(0, 0x28, 255); // fan 0 stands
    rig.monitor.load();
    const FanLimit& standing = rig.limits().fan(0);
    EXPECT_EQ(standing.setting.value(), 1);
    EXPECT_FALSE(standing.editable);
    EXPECT_EQ(standing.text.text, QStringLiteral(" 662"));
    EXPECT_EQ(rig.m().settings.fanCountLimit[0], 160);
    const ItemReading& reading = rig.monitor.reading(kFirstFanItem);
    EXPECT_EQ(reading.shown.text, QStringLiteral("low speed"));
    rig.monitor.poll();
    EXPECT_EQ(reading.shown.text, QStringLiteral("Fan off"));
    EXPECT_TRUE(reading.inRange);

    FanLimit& fan = rig.limits().fan(1);
    EXPECT_EQ(fan.setting.value(), 127);
    EXPECT_EQ(fan.text.text, QStringLiteral(" 1318"));
    fan.setting.stepUp();
    EXPECT_EQ(rig.m().settings.fanCountLimit[1], 127);
    EXPECT_EQ(fan.text.text, QStringLiteral(" 1329"));
    fan.setting.setValue(255); // a count limit of 0 would have no speed
    EXPECT_EQ(rig.m().settings.fanCountLimit[1], 1);
    fan.setting.setValue(0);
    EXPECT_EQ(rig.m().settings.fanCountLimit[1], 254);
    EXPECT_EQ(fan.text.text, QStringLiteral(" 664"));
}

} // namespace
} // namespace hmdx::test
