// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtTrayIcon.h"

#include "StatusWords.h"
#include "ui/Resources.h"

#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

namespace hmdx {

QtTrayIcon::QtTrayIcon(QObject* parent)
    : QObject(parent), m_menu(new QMenu), m_icon(new QSystemTrayIcon(this)) {
    InitUiResources();
    m_icon->setIcon(QIcon(QStringLiteral(":/icons/hmdx.svg")));
    m_icon->setToolTip(StatusWords::trayTitle());
    m_menu->addAction(tr("&Restore"), this, [this] {
        if (onRestore)
            onRestore();
    });
    m_menu->addAction(tr("E&xit"), this, [this] {
        if (onExit)
            onExit();
    });
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick && onRestore)
                    onRestore();
            });
}

QtTrayIcon::~QtTrayIcon() {
    delete m_menu;
}

bool QtTrayIcon::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::show() {
    m_icon->show();
}

void QtTrayIcon::hide() {
    m_icon->hide();
}

bool QtTrayIcon::isVisible() const {
    return m_icon->isVisible();
}

void QtTrayIcon::setAlert(bool on) {
    m_icon->setIcon(
        QIcon(on ? QStringLiteral(":/icons/hmdx-alert.svg") : QStringLiteral(":/icons/hmdx.svg")));
}

void QtTrayIcon::setToolTip(const QString& text) {
    m_icon->setToolTip(text);
}

} // namespace hmdx
