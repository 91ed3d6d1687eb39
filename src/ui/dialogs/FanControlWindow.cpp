// SPDX-License-Identifier: GPL-3.0-or-later
#include "FanControlWindow.h"

#include "FanOutputPanel.h"
#include "chip/Items.h"
#include "monitor/ItemTable.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <array>

namespace hmdx {

FanControlWindow::FanControlWindow(FanControl& fans, const Monitor& monitor, MessageBoxes& boxes,
                                   QWidget* parent)
    : QDialog(parent), m_fans(fans), m_boxes(boxes), m_found(fans.settings()) {
    setObjectName(QStringLiteral("frmFanControl"));
    setWindowTitle(tr("Fan Control"));
    QStringList sensors;
    for (int s = 0; s < 3; ++s)
        sensors << ShownCaption(TemperatureItem(s));
    auto* row = new QHBoxLayout;
    for (int output = 1; output <= fans.outputCount(); ++output) {
        const QString fan = ShownCaption(FanItem(output - 1));
        auto* panel = new FanOutputPanel(tr("Output %1: %2").arg(output).arg(fan), sensors, this);
        panel->setObjectName(QStringLiteral("fraOutput%1").arg(output));
        // A sensor the chip lacks could only ever hold its output at full speed.
        auto* choices = qobject_cast<QStandardItemModel*>(panel->sensor->model());
        for (int s = 0; s < 3; ++s)
            choices->item(s)->setEnabled(monitor.machine().chip.hasItem(TemperatureItem(s)));
        panel->showSettings(m_found.outputs[size_t(output - 1)]);
        row->addWidget(panel);
        m_panels.push_back(panel);
    }
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &FanControlWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FanControlWindow::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addWidget(buttons);
    refreshState();
}

FanControlSettings FanControlWindow::settings() const {
    FanControlSettings s = m_found;
    for (size_t i = 0; i < m_panels.size(); ++i)
        s.outputs[i] = m_panels[i]->settings();
    return s;
}

// The limits are read again each tick: the main window moves them while this one is open.
void FanControlWindow::refreshState() {
    std::array<double, 3> above{};
    for (int s = 0; s < 3; ++s)
        above[size_t(s)] = m_fans.failsafeAbove(s + 1);
    for (size_t i = 0; i < m_panels.size(); ++i) {
        m_panels[i]->showFailsafeLimits(above);
        m_panels[i]->showState(m_fans.state(int(i) + 1), m_fans.settings().outputs[i].mode);
    }
}

// The state texts wrap, and the layout's minimum counts them a line each: without the height
// they take at this width, a longer text would squeeze the chart.
bool FanControlWindow::event(QEvent* event) {
    const bool done = QDialog::event(event);
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Resize)
        setMinimumHeight(layout()->totalHeightForWidth(width()));
    return done;
}

// Settings that did not change are not applied again: the file is left as it is.
void FanControlWindow::accept() {
    const FanControlSettings chosen = settings();
    if (chosen != m_fans.settings())
        if (const auto error = m_fans.apply(chosen))
            m_boxes.inform(*error);
    QDialog::accept();
}

void FanControlWindow::reject() {
    for (size_t i = 0; i < m_panels.size(); ++i)
        m_panels[i]->showSettings(m_found.outputs[i]);
    QDialog::reject();
}

} // namespace hmdx
