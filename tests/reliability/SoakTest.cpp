// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowChecks.h"
#include "ui/dialogs/PasswordDialog.h"
#include "ui/main/UpDown.h"

#include <QApplication>
#include <QCheckBox>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

// A small quarantine keeps the sanitizer build's own memory use down. ASAN_OPTIONS given at
// run time still win.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=8";
}

// The memory a long run must not grow: resident memory (VmRSS); but under AddressSanitizer,
// whose shadow memory and records of every allocating call path grow resident memory on their
// own, the heap the program holds allocated.
#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
static const char* const kMemoryMeasure = "live heap";
static long MemoryInUseKiB() {
    return long(__sanitizer_get_current_allocated_bytes() / 1024);
}
#else
static const char* const kMemoryMeasure = "resident memory (VmRSS)";
static long MemoryInUseKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:" && status >> value)
            return value;
        status.ignore(1 << 12, '\n');
    }
    return -1;
}
#endif

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

// One model's long run: readings wander in and out of range, the user answers warnings,
// switches items off and on, and moves limits. The test drives every tick itself, so that a
// run is the same every time.
struct Soak {
    Soak(const char* model, uint32_t seed) : machine(ScenarioFor(model)), random(seed) {
        for (const Register& r : kPolled)
            healthy.push_back(machine.chip().peek(r.bank, r.reg));
    }

    void start() {
        machine.w().load();
        machine.s().clock().stop();
        machine.w().show();
        limits = machine.w().findChildren<UpDown*>();
    }

    void tick(int n) {
        // Mostly healthy readings; now and then one jumps anywhere in its register's range.
        for (std::size_t i = 0; i < std::size(kPolled); ++i)
            if (const int dice = pick(64); dice <= 2)
                machine.chip().poke(kPolled[i].bank, kPolled[i].reg,
                                    dice == 0 ? uint8_t(random()) : healthy[i]);
        ++machine.sim.now;
        machine.tick();
        if (n % 7 == 0)
            answerAWarning();
        if (n % 13 == 0) {
            UpDown* limit = limits[pick(int(limits.size()))];
            pick(2) ? limit->stepUp() : limit->stepDown();
        }
        if (n % 97 == 0)
            reconfigure();
        if (n % 50 == 0)
            Machine::settle();
    }

    int pick(int n) { return int(random() % uint32_t(n)); }

    // Mostly Ignore, now and then Disable; the case-open warning through its password prompt.
    void answerAWarning() {
        const int item = pick(kItemCount);
        WarningDialog* dialog = machine.forms.warningIfLoaded(item);
        if (!dialog || !dialog->isVisible())
            return;
        dialog->act(pick(8) == 0 ? WarningAction::Disable : WarningAction::Ignore);
        if (PasswordDialog* prompt = machine.forms.passwordIfLoaded();
            prompt && item == kCaseOpenItem)
            prompt->confirm(prompt->mode()); // the factory password is empty
    }

    // Switches an item on or off, or its fault rule; sometimes leaves with OK or Cancel.
    void reconfigure() {
        ConfigurationDialog& config = machine.forms.loadConfig();
        const int item = pick(kItemCount);
        if (!machine.m().chip.hasItem(item))
            return;
        QCheckBox* box = pick(3) ? config.monitoredBoxes[item] : config.warnAfterThreeBoxes[item];
        box->setChecked(!box->isChecked());
        if (pick(4) == 0)
            config.press(ConfigurationButton(pick(2)));
    }

    Machine machine;
    std::mt19937 random;
    std::vector<uint8_t> healthy;
    QList<UpDown*> limits;
};

TEST(Soak, HundredThousandTicksOnEveryModel) {
    const int ticks = ticksPerModel();
    long warm = 0, last = 0; // both taken with one model's window up
    int windows = 0;
    int warnings = 0;
    for (const char* model : {"hma", "hmb", "hmc", "hmdf"}) {
        SCOPED_TRACE(model);
        Soak soak(model, 0x50a6);
        ASSERT_TRUE(soak.machine.ready);
        soak.start();
        for (int n = 1; n <= ticks; ++n) {
            soak.tick(n);
            ASSERT_TRUE(FaultCountsBounded(soak.machine.m())) << "tick " << n;
            const int shown = int(QApplication::topLevelWidgets().size());
            ASSERT_LE(shown, kMaxTopLevelWidgets) << "tick " << n;
            windows = std::max(windows, shown);
            if (warm == 0 && n == kWarmUpTicks)
                warm = MemoryInUseKiB();
            if (n == ticks)
                last = MemoryInUseKiB();
            for (int item = 0; item < kItemCount; ++item)
                warnings += soak.machine.forms.isShown(item);
        }
        EXPECT_EQ(WindowFaults(soak.machine), std::vector<std::string>{});
        EXPECT_EQ(soak.machine.ended, 0);
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
