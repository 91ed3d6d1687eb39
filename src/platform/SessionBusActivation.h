// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "InstanceActivation.h"

#include <QObject>
#include <QVariantMap>

namespace hmdx {

// The desktop's single-instance activation: the running instance owns a name on the session
// bus and answers org.freedesktop.Application.Activate there. Without a session bus neither
// side does anything.
class SessionBusActivation : public QObject, public InstanceActivation {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    static const char* const kName; // the well-known name on the session bus
    static const char* const kPath;

    SessionBusActivation() = default;
    ~SessionBusActivation() override;
    bool activateRunning() override;
    bool listen(std::function<void()> onActivate) override;

public slots:
    Q_SCRIPTABLE void Activate(const QVariantMap& platformData);

private:
    std::function<void()> m_onActivate;
    bool m_listening = false;
};

} // namespace hmdx
