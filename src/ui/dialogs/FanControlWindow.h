// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/FanControl.h"
#include "monitor/Monitor.h"
#include "platform/MessageBoxes.h"

#include <QDialog>
#include <vector>

class QDialogButtonBox;

namespace hmdx {

class FanOutputPanel;

// Tools > Fan Control: every PWM output's settings side by side, with what control does now.
// OK applies what was set (and the file is replaced); Cancel applies nothing.
class FanControlWindow : public QDialog {
    Q_OBJECT
public:
    FanControlWindow(FanControl& fans, const Monitor& monitor, MessageBoxes& boxes,
                     QWidget* parent = nullptr);

    int outputs() const { return int(m_panels.size()); }
    FanOutputPanel* panel(int output) const { return m_panels[size_t(output - 1)]; } // 1-based
    // As set in the window; outputs the model lacks keep what they had.
    FanControlSettings settings() const;
    // Each tick: the control temperatures, duties and failsafes.
    void refreshState();

    void accept() override;
    void reject() override;

    QDialogButtonBox* buttons = nullptr;

protected:
    bool event(QEvent* event) override;

private:
    FanControl& m_fans;
    MessageBoxes& m_boxes;
    FanControlSettings m_found;
    std::vector<FanOutputPanel*> m_panels;
};

} // namespace hmdx
