#include "MetricsPublisher.h"

#include "monitor/ItemTable.h"
#include "ui/main/ItemEvents.h"

#include <QRadioButton>
#include <iostream>

namespace hmdx {
namespace {

// A number as the window shows it; NaN for none. A fan that stands ("Fan off", "low_speed")
// turns at 0 RPM.
double shown(const std::string& text, MetricsItem::Kind kind) {
    const double value = ShownNumber(text);
    return std::isnan(value) && kind == MetricsItem::Kind::Fan && !text.empty() ? 0.0 : value;
}

MetricsItem::Kind kindOf(ItemKind kind) {
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

} // namespace

MetricsPublisher::MetricsPublisher(Machine& m, const MainRows& rows, std::filesystem::path file,
                                   int seconds)
    : m_m(m), m_rows(rows), m_file(std::move(file)) {
    m_timer.setInterval(seconds * 1000);
    connect(&m_timer, &QTimer::timeout, this, &MetricsPublisher::publish);
    m_timer.start();
}

MetricsSnapshot MetricsPublisher::snapshot() const {
    MetricsSnapshot s;
    s.model = m_m.chip.model() ? std::string(m_m.chip.model()->name) : "unknown";
    s.chipId = m_m.chip.chipId;
    s.reprogrammings = m_m.state.reprogrammings;
    for (int i = 0; i < kItemCount; ++i) {
        const Event shownNow = ItemEvent(m_rows, i, {});
        MetricsItem& item = s.items[i];
        item.index = i;
        item.caption = shownNow.caption;
        item.kind = kindOf(kItems[i].kind);
        item.present = m_m.chip.hasItem(i);
        item.monitored = m_m.settings.ItemEnabled[i] == 1;
        item.alarm = item.monitored && m_m.state.alarm[i];
        item.hasReading = m_m.state.everRead[i];
        item.value = item.kind == MetricsItem::Kind::CaseOpen
                         ? double(m_rows.caseLine.optCaseOpened->isChecked())
                         : shown(shownNow.value, item.kind);
        item.low = shown(shownNow.low, item.kind);
        item.high = shown(shownNow.high, item.kind);
        item.warningsRaised = m_m.state.warningsRaised[i];
    }
    return s;
}

void MetricsPublisher::publish() {
    const std::optional<std::string> error = WriteMetricsFile(m_file, FormatMetrics(snapshot()));
    if (error && !m_failing) {
        std::cerr << "hmdx: " << *error << " Trying again in " << m_timer.interval() / 1000
                  << " s; monitoring goes on.\n";
        m_m.events.record({.event = "metrics write failed", .detail = *error, .warning = true});
    }
    m_failing = error.has_value();
}

} // namespace hmdx
