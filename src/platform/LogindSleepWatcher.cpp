// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogindSleepWatcher.h"

#include <QDBusConnection>

namespace hmdx {

LogindSleepWatcher::LogindSleepWatcher() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (bus.isConnected())
        bus.connect(QStringLiteral("org.freedesktop.login1"),
                    QStringLiteral("/org/freedesktop/login1"),
                    QStringLiteral("org.freedesktop.login1.Manager"),
                    QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
}

void LogindSleepWatcher::prepareForSleep(bool sleeping) {
    if (sleeping && onSleep)
        onSleep();
    else if (!sleeping && onResume)
        onResume();
}

} // namespace hmdx
