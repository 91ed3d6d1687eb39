// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/FanControl.h"

#include <QCoreApplication>
#include <QString>

namespace hmdx {

// What the Fan Control window says about an output's control, in the user's language. The
// monitor's Describe() stays English for the event log.
class FanStatusText {
    Q_DECLARE_TR_FUNCTIONS(hmdx::FanStatusText)
public:
    // Why a failsafe holds the output full, e.g. "sensor above its high limit".
    static QString reason(FanFailsafe why);
    // The rule that drives the output now, with its numbers; `applied` is the mode in effect,
    // not the one being edited.
    static QString now(const FanOutputState& state, FanMode applied);
    static QString failsafe(FanFailsafe why);
    // Degrees as the chart and hints show them: whole, or with the half a sensor reads.
    static QString degrees(double celsius);
};

} // namespace hmdx
