// Writes the metrics text of a snapshot for every chip model, and one with awkward captions,
// into the folder given, for promtool to check: write_metrics_samples FOLDER
#include "chip/ChipModels.h"
#include "monitor/ItemTable.h"
#include "monitor/Metrics.h"

#include <cstdio>
#include <string>

namespace {

using hmdx::MetricsItem;
using hmdx::MetricsSnapshot;
using Kind = MetricsItem::Kind;

// Items 0-8 are voltages, 9-11 fans, 12-14 temperatures and 15 the case switch.
MetricsSnapshot Snapshot(uint8_t chipId) {
    constexpr double kVolts[] = {1.5, 1.5, 3.3, 5.0, 12.0, -12.0, -5.0, 5.0, 3.0};
    const hmdx::ChipModel& model = *hmdx::FindChipModel(chipId);
    MetricsSnapshot s;
    s.model = std::string(model.name);
    s.chipId = chipId;
    s.reprogrammings = chipId % 3;
    for (int i = 0; i < 16; ++i) {
        MetricsItem& item = s.items[static_cast<std::size_t>(i)];
        item.index = i;
        item.caption = std::string(hmdx::kItems[static_cast<std::size_t>(i)].configCaption);
        item.kind = i < 9    ? Kind::Voltage
                    : i < 12 ? Kind::Fan
                    : i < 15 ? Kind::Temperature
                             : Kind::CaseOpen;
        item.present = !hmdx::HasBit(model.absentItems, i);
        item.monitored = i != 4;
        item.hasReading = i != 13;
        item.alarm = i == 10;
        item.warningsRaised = i == 10 ? 3 : 0;
        if (item.kind == Kind::Voltage) {
            item.value = kVolts[i] * 1.01;
            item.low = kVolts[i] * 0.95;
            item.high = kVolts[i] * 1.05;
        } else if (item.kind == Kind::Fan) {
            item.value = i == 10 ? 0 : 3375;
            item.low = 2000;
        } else if (item.kind == Kind::Temperature) {
            item.value = 35.5;
            item.low = 55;
            item.high = 60;
        } else {
            item.value = 1;
        }
    }
    return s;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    MetricsSnapshot awkward = Snapshot(0x30);
    awkward.model = "H\"M\\B\n";
    awkward.items[3].caption = "back\\slash \"quoted\"\nnew line";
    awkward.items[9].caption = "";
    awkward.items[12].value = -0.5;
    bool ok = true;
    const MetricsSnapshot snapshots[] = {Snapshot(0x10), Snapshot(0x30), Snapshot(0x40),
                                         Snapshot(0x21), awkward};
    for (const MetricsSnapshot& s : snapshots) {
        const std::string name = &s == &snapshots[4] ? "awkward" : s.model;
        if (const auto error = hmdx::WriteMetricsFile(std::string(argv[1]) + "/" + name + ".prom",
                                                      hmdx::FormatMetrics(s))) {
            std::fprintf(stderr, "%s\n", error->c_str());
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
