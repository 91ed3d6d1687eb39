// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace hmdx {

// Turns SIGINT, SIGTERM and SIGHUP into an orderly end of the event loop, so that a program
// stopped from a terminal or by the session still leaves through its normal way out.
class QuitOnSignal : public QObject {
    Q_OBJECT
public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;

    // A signal came, perhaps while a start-up message box ran its own loop: the main loop,
    // started later, would start afresh, so the program must not start it at all.
    static bool requested();
};

} // namespace hmdx
