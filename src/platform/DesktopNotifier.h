// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Notifier.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>

class QDBusPendingCallWatcher;

namespace hmdx {

// The body as markup says it: '&', '<' and '>' as entities.
QString EscapedForMarkup(const QString& text);

// org.freedesktop.Notifications on the session bus. Every call is asynchronous: the tick never
// waits for the server. Without a session bus nothing is sent; without a server the calls fail
// quietly. The body is escaped for a server that reads it as markup.
class DesktopNotifier : public QObject, public Notifier {
    Q_OBJECT
public:
    // `icon`: an icon name; `imagePath`: a file that shows it, empty when none is known.
    DesktopNotifier(QString appName, QString icon, QString imagePath);

    void notify(int slot, const Notification& n) override;
    void close(int slot) override;

private slots:
    void actionInvoked(uint id, const QString& key);
    void notificationClosed(uint id, uint reason);

private:
    // The server's id arrives with Notify's reply; until then a newer notification or a close
    // of the slot waits for it. A notification also waits for the server's capabilities.
    struct Slot {
        uint32_t id = 0;
        bool waiting = false;
        std::optional<Notification> next;
        bool closeWanted = false;
    };

    void askCapabilities();
    void send(int slot, const Notification& n);
    void replied(int slot, QDBusPendingCallWatcher* call);
    void closeId(uint32_t id);
    int slotOf(uint32_t id) const;

    QDBusConnection m_bus;
    QString m_appName, m_icon, m_imagePath;
    std::map<int, Slot> m_slots;
    // Unknown until the server answers; asked again while none has.
    std::optional<bool> m_bodyMarkup;
    bool m_asking = false;
};

} // namespace hmdx
