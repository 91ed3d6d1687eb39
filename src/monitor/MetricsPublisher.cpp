// SPDX-License-Identifier: GPL-3.0-or-later
#include "MetricsPublisher.h"

#include "chip/Items.h"
#include "platform/Filled.h"

#include <QCoreApplication>
#include <iostream>

namespace hmdx {
namespace {

MetricsItem::Kind metricsKind(ItemKind kind) {
    switch (kind) {
    case ItemKind::Voltage:
        return MetricsItem::Kind::Voltage;
    case ItemKind::Fan:
        return MetricsItem::Kind::Fan;
    case ItemKind::Temperature:
        return MetricsItem::Kind::Temperature;
    case ItemKind::CaseOpen:
        break;
    }
    return MetricsItem::Kind::CaseOpen;
}

// The system's reason out of WriteMetricsFile's English message, for the translated one.
std::string reason(const std::string& error, const std::filesystem::path& file) {
    const std::string prefix = "Cannot write the metrics file " + file.string() + ": ";
    return error.rfind(prefix, 0) == 0 ? error.substr(prefix.size()) : error;
}

} // namespace

MetricsPublisher::MetricsPublisher(Monitor& monitor, std::filesystem::path file, int seconds)
    : m_monitor(monitor), m_file(std::move(file)), m_seconds(seconds) {}

void MetricsPublisher::tick() {
    if (++m_ticks < m_seconds)
        return;
    m_ticks = 0;
    publish();
}

MetricsSnapshot MetricsPublisher::snapshot() const {
    const Machine& m = m_monitor.machine();
    const Limits& limits = m_monitor.limits();
    MetricsSnapshot s;
    s.model = m.chip.model() ? std::string(m.chip.model()->name) : "unknown";
    s.chipId = m.chip.chipId;
    s.reprogrammings = m.state.reprogrammings;
    for (int i = 0; i < kItemCount; ++i) {
        MetricsItem& item = s.items[size_t(i)];
        item.index = i;
        item.caption = m_monitor.caption(i);
        item.kind = metricsKind(KindOf(i));
        item.present = m.chip.hasItem(i);
        item.monitored = IsMonitored(m.settings, i);
        item.alarm = item.monitored && m.state.alarm[size_t(i)];
        item.hasReading = m.state.everRead[size_t(i)];
        item.value = m_monitor.reading(i).shown.value();
        item.warningsRaised = m.state.warningsRaised[size_t(i)];
        const Limits::ShownLimits shown = limits.shownFor(i);
        if (shown.low)
            item.low = shown.low->value();
        if (shown.high)
            item.high = shown.high->value();
    }
    const FanControl& fans = m_monitor.fans();
    for (int o = 1; o <= fans.outputCount(); ++o)
        if (const FanOutputState& fan = fans.state(o); fan.controlled)
            s.fanOutputs.push_back(
                {o, fan.written / double(kFullDuty), fan.failsafe != FanFailsafe::None});
    return s;
}

void MetricsPublisher::publish() {
    const std::optional<std::string> error = WriteMetricsFile(m_file, FormatMetrics(snapshot()));
    if (error && !m_failing) {
        std::cerr << "hmdx: "
                  << Filled(QCoreApplication::translate("hmdx::MetricsPublisher",
                                                        "Cannot write the metrics file %1: %2 "
                                                        "Trying again in %3 s; monitoring goes on.")
                                .toStdString(),
                            {m_file.string(), reason(*error, m_file), std::to_string(m_seconds)})
                  << "\n";
        m_monitor.machine().events.record(
            {.kind = EventKind::MetricsWriteFailed, .detail = *error, .warning = true});
    }
    m_failing = error.has_value();
}

} // namespace hmdx
