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

MetricsItem::Kind KindOf(hmdx::ItemKind kind) {
    switch (kind) {
    case hmdx::ItemKind::Voltage:
        return MetricsItem::Kind::Voltage;
    case hmdx::ItemKind::Fan:
        return MetricsItem::Kind::Fan;
    case hmdx::ItemKind::Temperature:
        return MetricsItem::Kind::Temperature;
    case hmdx::ItemKind::CaseOpen:
        break;
    }
    return MetricsItem::Kind::CaseOpen;
}

MetricsSnapshot Snapshot(uint8_t chipId) {
    constexpr double kVolts[] = {1.5, 1.5, 3.3, 5.0, 12.0, -12.0, -5.0, 5.0, 3.0};
    const hmdx::ChipModel& model = *hmdx::FindChipModel(chipId);
    MetricsSnapshot s;
    s.model = std::string(model.name);
    s.chipId = chipId;
    s.reprogrammings = chipId % 3;
    for (int i = 0; i < 16; ++i) {
        MetricsItem& item = s.items[static_cast<std::size_t>(i)];
        const hmdx::ItemInfo& info = hmdx::kItems[static_cast<std::size_t>(i)];
        item.index = i;
        item.caption = std::string(info.configCaption);
        item.kind = KindOf(info.kind);
        item.present = !hmdx::HasBit(model.absentItems, i);
        item.monitored = i != 4;
        item.hasReading = i != 13;
        item.alarm = i == 10;
        item.warningsRaised = i == 10 ? 3 : 0;
        switch (item.kind) {
        case MetricsItem::Kind::Voltage:
            item.value = kVolts[i] * 1.01;
            item.low = kVolts[i] * 0.95;
            item.high = kVolts[i] * 1.05;
            break;
        case MetricsItem::Kind::Fan:
            item.value = i == 10 ? 0 : 3375;
            item.low = 2000;
            break;
        case MetricsItem::Kind::Temperature:
            item.value = 35.5;
            item.low = 55;
            item.high = 60;
            break;
        case MetricsItem::Kind::CaseOpen:
            item.value = 1;
            break;
        }
    }
    return s;
}

bool Write(const std::string& folder, const std::string& name, const MetricsSnapshot& s) {
    if (const auto error = hmdx::WriteMetricsFile(folder + "/" + name, hmdx::FormatMetrics(s))) {
        std::fprintf(stderr, "%s\n", error->c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = true;
    for (const int chipId : {0x10, 0x30, 0x40, 0x21}) {
        const MetricsSnapshot s = Snapshot(static_cast<uint8_t>(chipId));
        ok = Write(folder, s.model + ".prom", s) && ok;
    }
    MetricsSnapshot awkward = Snapshot(0x30);
    awkward.model = "H\"M\\B\n";
    awkward.items[3].caption = "back\\slash \"quoted\"\nnew line";
    awkward.items[9].caption = "";
    awkward.items[12].value = -0.5;
    ok = Write(folder, "awkward.prom", awkward) && ok;
    return ok ? 0 : 1;
}
