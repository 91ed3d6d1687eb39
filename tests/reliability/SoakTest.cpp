#include "WindowChecks.h"
#include "ui/dialogs/PasswordDialog.h"
#include "ui/main/FanRows.h"
#include "ui/main/TemperatureRows.h"
#include "ui/main/UpDown.h"
#include "ui/main/VoltageRows.h"

#include <QApplication>
#include <QCheckBox>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

// A small quarantine keeps the sanitizer build's own memory use down. ASAN_OPTIONS given at
// run time still win.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=8";
}

namespace hmdx::test {
namespace {

// 100,000 ticks on each model; HMDX_SOAK_TICKS_PER_MODEL asks for more or fewer.
constexpr int kTicksPerModel = 100'000;
constexpr int kWarmUpTicks = 2'000;
// Bounds that hold however long hmdx runs: the main window, one warning per item, the
// configuration dialog, the password prompt and Qt's own few top-level helpers; and memory
// in use after the first model's warm-up grows by no more than allocator slack and the two
// stores that fill up to a fixed size during the run: the 24-hour reading history and the
// latest events.
constexpr int kMaxTopLevelWidgets = 24;
constexpr long kSlackKiB = 4 * 1024;

int ticksPerModel() {
    const char* asked = std::getenv("HMDX_SOAK_TICKS_PER_MODEL");
    return asked && std::atoi(asked) > 0 ? std::atoi(asked) : kTicksPerModel;
}

struct Register {
    int bank, reg;
};

// Every register a poll reads.
constexpr Register kReadings[] = {
    {0, 0x20}, {0, 0x21}, {0, 0x22}, {0, 0x23}, {0, 0x24}, {0, 0x25},
    {0, 0x26}, {0, 0x27}, {0, 0x28}, {0, 0x29}, {0, 0x2A}, {0, 0x42},
    {5, 0x50}, {5, 0x51}, {1, 0x50}, {1, 0x51}, {2, 0x50}, {2, 0x51},
};

// One model's long run: readings wander in and out of range, the user answers warnings,
// switches items off and on, and moves limits.
class Soak {
public:
    Soak(const char* model, uint32_t seed) : m_machine(ScenarioFor(model)), m_random(seed) {
        for (const Register& r : kReadings)
            m_healthy.push_back(m_machine.chip.peek(r.bank, r.reg));
    }

    bool ready() const { return m_machine.ready; }
    Machine& machine() { return m_machine; }

    // The test drives every tick itself, so that a run is the same every time.
    void start() {
        m_machine.w().load();
        m_machine.w().timer().stop();
        m_machine.w().show();
    }

    // Returns false once a fault was found (the test has reported it).
    bool tick(int n) {
        wander();
        ++m_machine.now;
        m_machine.w().pollOnce();
        if (n % 7 == 0)
            answerAWarning();
        if (n % 13 == 0)
            moveALimit();
        if (n % 97 == 0)
            reconfigure();
        if (n % 50 == 0)
            Machine::settle();
        return checked();
    }

private:
    int pick(int n) { return int(m_random() % uint32_t(n)); }

    // Mostly healthy readings; now and then one jumps anywhere in its register's range.
    void wander() {
        for (std::size_t i = 0; i < std::size(kReadings); ++i) {
            const int dice = pick(64);
            if (dice > 2)
                continue;
            const uint8_t value = dice == 0 ? uint8_t(m_random()) : m_healthy[i];
            m_machine.chip.poke(kReadings[i].bank, kReadings[i].reg, value);
        }
    }

    void answerAWarning() {
        const int item = pick(kItemCount);
        WarningDialog* dialog = m_machine.forms.warningIfLoaded(item);
        if (!dialog || !dialog->isVisible())
            return;
        const int action = pick(8) == 0 ? 1 : 0; // Disable now and then, mostly Ignore
        dialog->act(WarningAction(action));
        if (PasswordDialog* prompt = m_machine.forms.passwordIfLoaded(); prompt && item == 15)
            prompt->confirm(prompt->mode()); // the factory password is empty
    }

    void moveALimit() {
        const int row = pick(15);
        const bool up = pick(2) == 0;
        UpDown* updown = nullptr;
        if (row < 9)
            updown = pick(2) ? m_machine.w().voltageRows().row[row].updHiLimit
                             : m_machine.w().voltageRows().row[row].updLoLimit;
        else if (row < 12)
            updown = m_machine.w().fanRows().row[row - 9].updFanLoLimit;
        else
            updown = m_machine.w().temperatureRows().row[row - 12].updTempHiLimit;
        if (up)
            updown->stepUp();
        else
            updown->stepDown();
    }

    // Switches an item on or off, or its fault rule; sometimes leaves with OK or Cancel.
    void reconfigure() {
        ConfigurationDialog& config = m_machine.forms.loadConfig();
        const int item = pick(kItemCount);
        if (!m_machine.m.chip.hasItem(item))
            return;
        QCheckBox* box = pick(3) ? config.chkEnable[item] : config.chkWErr3[item];
        box->setChecked(!box->isChecked());
        if (pick(4) == 0)
            config.press(ConfigurationButton(pick(2)));
    }

    bool checked() {
        for (int count : m_machine.m.state.faultCounts) {
            EXPECT_GE(count, 0);
            EXPECT_LE(count, 3);
            if (count < 0 || count > 3)
                return false;
        }
        const auto windows = QApplication::topLevelWidgets().size();
        EXPECT_LE(windows, kMaxTopLevelWidgets);
        return windows <= kMaxTopLevelWidgets;
    }

    Machine m_machine;
    std::mt19937 m_random;
    std::vector<uint8_t> m_healthy;
};

TEST(Soak, HundredThousandTicksOnEveryModel) {
    const int ticks = ticksPerModel();
    long warm = 0, last = 0; // both taken with one model's window up
    int windows = 0;
    int warnings = 0;
    for (const char* model : {"hma", "hmb", "hmc", "hmdf"}) {
        SCOPED_TRACE(model);
        Soak soak(model, 0x50a6);
        ASSERT_TRUE(soak.ready());
        soak.start();
        for (int n = 1; n <= ticks; ++n) {
            ASSERT_TRUE(soak.tick(n)) << "tick " << n;
            if (warm == 0 && n == kWarmUpTicks)
                warm = MemoryInUseKiB();
            if (n == ticks)
                last = MemoryInUseKiB();
            windows = std::max(windows, int(QApplication::topLevelWidgets().size()));
            for (int item = 0; item < kItemCount; ++item)
                warnings += soak.machine().forms.isShown(item);
        }
        EXPECT_EQ(BrokenNumbers(soak.machine().w()), std::vector<std::string>{});
        EXPECT_EQ(UpDownsOutOfRange(soak.machine().w()), std::vector<std::string>{});
        EXPECT_EQ(LimitRegisterFaults(soak.machine()), std::vector<std::string>{});
        EXPECT_EQ(soak.machine().ended, 0);
    }
    std::printf("%d ticks; %s after warm-up %ld KiB, at the end %ld KiB; at most %d top-level "
                "windows; a warning on screen in %d item-ticks\n",
                4 * ticks, kMemoryMeasure, warm, last, windows, warnings);
    const long filled = long(ReadingHistory().bytes() + EventLog::kKept * sizeof(Event)) / 1024;
    EXPECT_LE(last - warm, kSlackKiB + filled);
    EXPECT_GT(warnings, ticks); // the warnings really came and went
}

} // namespace
} // namespace hmdx::test
