// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionBusActivation.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace hmdx {
namespace {

// A running instance answers at once; one that does not is stuck, and the second start must
// not hang on it.
constexpr int kReplyMs = 2000;

} // namespace

const char* const SessionBusActivation::kName = "org.hmdx.Monitor";
const char* const SessionBusActivation::kPath = "/org/hmdx/Monitor";

SessionBusActivation::~SessionBusActivation() {
    if (!m_listening)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(QString::fromLatin1(kPath));
    bus.unregisterService(QString::fromLatin1(kName));
}

bool SessionBusActivation::activateRunning() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kName), QString::fromLatin1(kPath),
        QStringLiteral("org.freedesktop.Application"), QStringLiteral("Activate"));
    call << QVariantMap();
    return bus.call(call, QDBus::Block, kReplyMs).type() == QDBusMessage::ReplyMessage;
}

bool SessionBusActivation::listen(std::function<void()> onActivate) {
    m_onActivate = std::move(onActivate);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (m_listening || !m_onActivate || !bus.isConnected())
        return m_listening;
    if (!bus.registerObject(QString::fromLatin1(kPath), this,
                            QDBusConnection::ExportScriptableSlots))
        return false;
    // Never queued behind another owner: that one answers, or no one does.
    if (!bus.registerService(QString::fromLatin1(kName))) {
        bus.unregisterObject(QString::fromLatin1(kPath));
        return false;
    }
    m_listening = true;
    return true;
}

void SessionBusActivation::Activate(const QVariantMap& /*platformData*/) {
    if (m_onActivate)
        m_onActivate();
}

} // namespace hmdx
