// SPDX-License-Identifier: GPL-3.0-or-later
#include "FanControlWindow.h"

#include "FanOutputPanel.h"
#include "chip/Items.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace hmdx {

FanControlWindow::FanControlWindow(FanControl& fans, const Monitor& monitor, MessageBoxes& boxes,
                                   QWidget* parent)
    : QDialog(parent), m_fans(fans), m_boxes(boxes), m_found(fans.settings()) {
    setObjectName(QStringLiteral("frmFanControl"));
    setWindowTitle(tr("Fan Control"));
    QStringList sensors;
    for (int s = 0; s < 3; ++s)
        sensors << QString::fromStdString(monitor.caption(TemperatureItem(s)));
    auto* row = new QHBoxLayout;
    for (int output = 1; output <= fans.outputCount(); ++output) {
        const QString fan = QString::fromStdString(monitor.caption(FanItem(output - 1)));
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

void FanControlWindow::refreshState() {
    for (size_t i = 0; i < m_panels.size(); ++i)
        m_panels[i]->showState(m_fans.state(int(i) + 1));
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
