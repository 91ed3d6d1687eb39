// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>
#include <utility>

namespace hmdx {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kDefaultAction = QStringLiteral("default");
// A server that does not answer in this time is taken as none.
constexpr int kReplyMs = 5000;

QDBusMessage call(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

} // namespace

QString EscapedForMarkup(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'&')
            escaped += QStringLiteral("&amp;");
        else if (c == u'<')
            escaped += QStringLiteral("&lt;");
        else if (c == u'>')
            escaped += QStringLiteral("&gt;");
        else
            escaped += c;
    }
    return escaped;
}

DesktopNotifier::DesktopNotifier(QString appName, QString icon, QString imagePath)
    : m_bus(QDBusConnection::sessionBus()), m_appName(std::move(appName)), m_icon(std::move(icon)),
      m_imagePath(std::move(imagePath)) {
    if (!m_bus.isConnected())
        return;
    // From any sender: a server started after hmdx still reaches it. Ids not ours are ignored.
    m_bus.connect({}, kPath, kService, QStringLiteral("ActionInvoked"), this,
                  SLOT(actionInvoked(uint, QString)));
    m_bus.connect({}, kPath, kService, QStringLiteral("NotificationClosed"), this,
                  SLOT(notificationClosed(uint, uint)));
    askCapabilities();
}

void DesktopNotifier::askCapabilities() {
    m_asking = true;
    auto* watcher = new QDBusPendingCallWatcher(
        m_bus.asyncCall(call(QStringLiteral("GetCapabilities")), kReplyMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        m_asking = false;
        const QDBusPendingReply<QStringList> reply = *w;
        if (!reply.isError())
            m_bodyMarkup = reply.value().contains(QStringLiteral("body-markup"));
        for (auto& [slot, s] : m_slots)
            if (!s.waiting && s.next)
                send(slot, *std::exchange(s.next, std::nullopt));
    });
}

void DesktopNotifier::notify(int slot, const Notification& n) {
    if (!m_bus.isConnected())
        return;
    // A server started after hmdx is asked when first needed; its answer says how to send.
    if (!m_bodyMarkup && !m_asking)
        askCapabilities();
    Slot& s = m_slots[slot];
    s.closeWanted = false;
    if (s.waiting || m_asking)
        s.next = n;
    else
        send(slot, n);
}

void DesktopNotifier::close(int slot) {
    const auto it = m_slots.find(slot);
    if (it == m_slots.end())
        return;
    Slot& s = it->second;
    s.next.reset();
    if (s.waiting) {
        s.closeWanted = true;
        return;
    }
    closeId(s.id);
    s.id = 0;
}

void DesktopNotifier::send(int slot, const Notification& n) {
    Slot& s = m_slots[slot];
    QString body = QString::fromStdString(n.body);
    if (m_bodyMarkup.value_or(false))
        body = EscapedForMarkup(body);
    QStringList actions;
    if (!n.actionLabel.empty())
        actions << kDefaultAction << QString::fromStdString(n.actionLabel);
    QVariantMap hints{
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(n.urgency))},
        {QStringLiteral("desktop-entry"), m_appName},
    };
    if (!m_imagePath.isEmpty())
        hints.insert(QStringLiteral("image-path"), m_imagePath);
    QDBusMessage notify = call(QStringLiteral("Notify"));
    notify << m_appName << uint(s.id) << m_icon << QString::fromStdString(n.summary) << body
           << actions << hints << qint32(-1);
    s.waiting = true;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(notify, kReplyMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, slot](QDBusPendingCallWatcher* w) { replied(slot, w); });
}

void DesktopNotifier::replied(int slot, QDBusPendingCallWatcher* call) {
    call->deleteLater();
    const QDBusPendingReply<uint> reply = *call;
    Slot& s = m_slots[slot];
    s.waiting = false;
    // No server, or one that failed: nothing is shown, and the next notification starts anew.
    s.id = reply.isError() ? 0 : reply.value();
    if (s.closeWanted) {
        s.closeWanted = false;
        closeId(s.id);
        s.id = 0;
    } else if (s.next && !m_asking) {
        send(slot, *std::exchange(s.next, std::nullopt));
    }
}

void DesktopNotifier::closeId(uint32_t id) {
    if (id == 0)
        return;
    QDBusMessage close = call(QStringLiteral("CloseNotification"));
    close << uint(id);
    m_bus.send(close);
}

int DesktopNotifier::slotOf(uint32_t id) const {
    for (const auto& [slot, s] : m_slots)
        if (id != 0 && s.id == id)
            return slot;
    return -1;
}

void DesktopNotifier::actionInvoked(uint id, const QString& key) {
    const int slot = slotOf(id);
    if (slot >= 0 && key == kDefaultAction && onAction)
        onAction(slot);
}

void DesktopNotifier::notificationClosed(uint id, uint /*reason*/) {
    // Gone by the user's hand or its timeout: the next notification of the slot is a new one.
    if (const int slot = slotOf(id); slot >= 0)
        m_slots[slot].id = 0;
}

} // namespace hmdx
