// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotificationSink.h"

#include "ItemTable.h"

#include <QStringList>
#include <algorithm>
#include <cctype>
#include <string_view>

namespace hmdx {
namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// The unit a row shows beside a number; words ("low_speed") go without.
QString unitAfter(int item, const std::string& shown) {
    const QString unit = ShownUnit(KindOf(item));
    const bool number =
        !shown.empty() && (std::isdigit(static_cast<unsigned char>(shown[0])) || shown[0] == '-');
    return number && !unit.isEmpty() ? QLatin1Char(' ') + unit : QString();
}

QString warningBody(const Event& e) {
    const auto shown = [&e](const std::string& s) { return text(s) + unitAfter(e.item, s); };
    const std::string& value = ForPeople(e.valueForPeople, e.value);
    const std::string& low = ForPeople(e.lowForPeople, e.low);
    const std::string& high = ForPeople(e.highForPeople, e.high);
    QStringList lines;
    if (!value.empty())
        lines << NotificationSink::tr("Reading: %1").arg(shown(value));
    if (!low.empty() && !high.empty())
        lines << NotificationSink::tr("Limits: %1 to %2").arg(text(low), shown(high));
    else if (!low.empty())
        lines << NotificationSink::tr("Low limit: %1").arg(shown(low));
    else if (!high.empty())
        lines << NotificationSink::tr("High limit: %1").arg(shown(high));
    return lines.join('\n');
}

struct Plain {
    Notice notice;
    int slot;
    const char* summary;
    bool warningsOnly; // a fan going full for the sleep or the end is no news
};

constexpr Plain kPlain[] = {
    {Notice::Reprogrammed, NotificationSink::kReprogrammedSlot,
     QT_TRANSLATE_NOOP("hmdx::NotificationSink", "Chip programmed again"), false},
    {Notice::SaveFailed, NotificationSink::kSaveFailedSlot,
     QT_TRANSLATE_NOOP("hmdx::NotificationSink", "Settings not saved"), false},
    {Notice::FanFailsafe, NotificationSink::kFanFailsafeSlot,
     QT_TRANSLATE_NOOP("hmdx::NotificationSink", "Fan output at full speed"), true},
};

} // namespace

NotificationSink::NotificationSink(Notifier& notifier) : m_notifier(notifier) {
    m_notifier.onAction = [this](int slot) {
        if (slot >= 0 && slot < kItemCount && m_shown[size_t(slot)] && showWarning)
            showWarning(slot);
    };
}

NotificationSink::~NotificationSink() {
    m_notifier.onAction = nullptr;
}

void NotificationSink::write(const Event& e) {
    const bool isItem = e.item >= 0 && e.item < kItemCount;
    const Notice notice = InfoOf(e.kind).notice;
    if (notice == Notice::ItemWarning && isItem) {
        Notifier::Notification n;
        n.summary =
            tr("%1 out of range").arg(text(ForPeople(e.captionForPeople, e.caption))).toStdString();
        n.body = warningBody(e).toStdString();
        n.urgency = Notifier::Urgency::Critical;
        n.actionLabel = tr("Show").toStdString();
        m_notifier.notify(e.item, n);
        m_shown[size_t(e.item)] = true;
        return;
    }
    if (notice == Notice::ItemBack && isItem) {
        closeItem(e.item);
        return;
    }
    if (notice == Notice::EveryItemBack) {
        for (int item = 0; item < kItemCount; ++item)
            closeItem(item);
        return;
    }
    for (const Plain& p : kPlain)
        if (notice == p.notice && (e.warning || !p.warningsOnly))
            m_notifier.notify(p.slot, {.summary = tr(p.summary).toStdString(),
                                       .body = ForPeople(e.detailForPeople, e.detail)});
    if (isItem && (notice == Notice::FanFailsafe || notice == Notice::FanResumed)) {
        const bool wasHeld = std::ranges::find(m_failsafe, true) != m_failsafe.end();
        bool& held = m_failsafe[size_t(e.item)];
        held = notice == Notice::FanFailsafe ? held || e.warning : false;
        if (wasHeld && std::ranges::find(m_failsafe, true) == m_failsafe.end())
            m_notifier.close(kFanFailsafeSlot);
    }
    review();
}

void NotificationSink::review() {
    for (int item = 0; item < kItemCount; ++item)
        if (monitored && !monitored(item))
            closeItem(item);
}

void NotificationSink::closeItem(int item) {
    if (!m_shown[size_t(item)])
        return;
    m_shown[size_t(item)] = false;
    m_notifier.close(item);
}

} // namespace hmdx
