// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogindPower.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariant>

namespace hmdx {
namespace {

constexpr int kTimeoutMs = 5000;

QDBusMessage managerCall(const QString& method) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                          QStringLiteral("/org/freedesktop/login1"),
                                          QStringLiteral("org.freedesktop.login1.Manager"), method);
}

} // namespace

bool LogindPower::canPowerOff() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    const QDBusMessage reply =
        bus.call(managerCall(QStringLiteral("CanPowerOff")), QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    const QString answer = reply.arguments().constFirst().toString();
    return answer == QLatin1String("yes") || answer == QLatin1String("challenge");
}

void LogindPower::requestPowerOff() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    // interactive = true: polkit may ask the user; nothing is forced.
    QDBusMessage call = managerCall(QStringLiteral("PowerOff"));
    call << true;
    bus.call(call, QDBus::NoBlock);
}

} // namespace hmdx
