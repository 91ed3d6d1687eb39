// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "FanRows.h"
#include "RowDisplay.h"
#include "RowWidgets.h"
#include "StatusWords.h"
#include "TemperatureRows.h"
#include "UpDown.h"
#include "VoltageRows.h"
#include "monitor/ItemTable.h"
#include "ui/Resources.h"
#include "ui/ScreenPlacement.h"
#include "ui/dialogs/EventLogWindow.h"
#include "ui/dialogs/FanControlWindow.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QVBoxLayout>

namespace hmdx {

MainWindow::MainWindow(Services s)
    : m_session(s.session), m_machine(s.session.machine()), m_monitor(s.session.monitor()),
      m_boxes(s.boxes), m_tray(s.tray), m_endProgram(std::move(s.endProgram)),
      m_history(m_monitor) {
    InitUiResources();
    setObjectName(QStringLiteral("frmdoctor"));
    setWindowTitle(tr("r810/hmdx Hardware Monitor"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/hmdx.svg")));
    createFrames();
    watchRowsForHistory();
    createMenus();
    createTray();
    connect(&m_session, &Session::ticked, this, &MainWindow::showTick);
    connect(&m_session, &Session::reloaded, this, [this] {
        HideAbsentItems(m_machine, m_rows);
        refreshItemEnabled();
        showLoadedRows();
    });
}

MainWindow::~MainWindow() {
    delete m_eventLog;
}

void MainWindow::createFrames() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* voltage = new QGroupBox(tr("Voltage"), central);
    auto* temperature = new QGroupBox(tr("Temperature"), central);
    auto* fans = new QGroupBox(tr("Fan Speed"), central);
    voltage->setObjectName(QStringLiteral("FraVoltage"));
    temperature->setObjectName(QStringLiteral("fraTemperature"));
    fans->setObjectName(QStringLiteral("fraFanSpeed"));
    m_rows.voltage = new VoltageRows(m_monitor, voltage);
    m_rows.temperature = new TemperatureRows(m_monitor, temperature);
    m_rows.fan = new FanRows(m_monitor, fans);
    layout->addWidget(voltage);
    layout->addWidget(temperature);
    layout->addWidget(fans);

    auto* caseLine = new QHBoxLayout;
    const QString closed = ShownText(QStringLiteral("PC Case is closed"));
    m_rows.caseLine.statusLabel = new QLabel(closed, central);
    m_rows.caseLine.openedMark = new QRadioButton(central);
    m_rows.caseLine.statusLabel->setObjectName(QStringLiteral("lblCaseOpen"));
    m_rows.caseLine.statusLabel->setAccessibleName(ShownCaption(kCaseOpenItem));
    m_rows.caseLine.openedMark->setObjectName(QStringLiteral("optCaseOpened"));
    // It shows the chip's switch; the user cannot set it.
    m_rows.caseLine.openedMark->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_rows.caseLine.openedMark->setFocusPolicy(Qt::NoFocus);
    m_rows.caseLine.openedMark->setAccessibleName(tr("Case opened"));
    FixSizeFor(m_rows.caseLine.statusLabel,
               {closed, ShownText(QStringLiteral("PC Case is opened"))});
    caseLine->addWidget(m_rows.caseLine.openedMark);
    caseLine->addWidget(m_rows.caseLine.statusLabel);
    caseLine->addStretch(1);
    layout->addLayout(caseLine);
    setCentralWidget(central);
}

// A double-click on a row's name, reading or limit opens its history; the up-downs keep
// their double-clicks for stepping twice.
void MainWindow::watchRowsForHistory() {
    const auto watch = [this](int item, const auto& controls) {
        for (QWidget* control : controls)
            if (qobject_cast<QLabel*>(control) || qobject_cast<QProgressBar*>(control))
                m_history.watchRow(item, control);
    };
    for (int i = 0; i < kVoltItems; ++i)
        watch(i, m_rows.voltage->row[i].controls());
    for (int f = 0; f < 3; ++f)
        watch(FanItem(f), m_rows.fan->row[f].controls());
    for (int t = 0; t < 3; ++t)
        watch(TemperatureItem(t), m_rows.temperature->row[t].controls());
    m_history.watchRow(kCaseOpenItem, m_rows.caseLine.statusLabel);
}

void MainWindow::createMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Default"), this, &MainWindow::restoreDefaults);
    file->addAction(tr("&Save"), this, &MainWindow::saveSettings);
    file->addAction(tr("&Exit"), this, &MainWindow::exitProgram);
    QMenu* tools = m_tools = menuBar()->addMenu(tr("&Tools"));
    m_configure = tools->addAction(tr("&Configuration"));
    tools->addAction(tr("&Event Log"), this, &MainWindow::openEventLog);
    tools->addAction(tr("&History"), this, [this] { m_history.open(0); });
    m_fanControl = tools->addAction(tr("&Fan Control..."), this, &MainWindow::openFanControl);
    m_about = menuBar()->addAction(tr("&About"));
}

void MainWindow::createTray() {
    m_tray.onRestore = [this] { restoreFromTray(); };
    m_tray.onExit = [this] { exitFromTray(); };
}

void MainWindow::load() {
    for (const auto& r : m_rows.temperature->row)
        r.lowUpDown->setVisible(false);
    const ChipModel* model = m_machine.chip.model();
    if (model && model->singleCoreVoltage)
        m_rows.voltage->closeVcoreBGap();
    HideAbsentItems(m_machine, m_rows);
    refreshItemEnabled();
    const bool outputs = m_monitor.fans().outputCount() > 0;
    m_fanControl->setEnabled(outputs);
    m_fanControl->setStatusTip(outputs ? tr("Set how the fans follow the temperatures")
                                       : tr("This chip has no fan outputs"));
    m_session.start();
    showLoadedRows();
}

// The rows as the monitor's load left them.
void MainWindow::showLoadedRows() {
    if (m_machine.settings.monitored[kCaseOpenItem] == 0) {
        m_rows.caseLine.openedMark->setVisible(false);
        m_rows.caseLine.statusLabel->setVisible(false);
    }
    refreshRows();
}

void MainWindow::refreshRows() {
    m_rows.voltage->refresh();
    m_rows.fan->refresh();
    m_rows.temperature->refresh();
    refreshCaseLine();
}

void MainWindow::refreshCaseLine() {
    const ItemReading& reading = m_monitor.reading(kCaseOpenItem);
    if (m_machine.state.everRead[kCaseOpenItem])
        m_rows.caseLine.openedMark->setChecked(reading.raw != 0);
    m_rows.caseLine.statusLabel->setText(ShownText(reading.shown.text));
    DescribeStatus(m_rows.caseLine.statusLabel, StatusWords::description(m_monitor, kCaseOpenItem));
}

// Only what changed goes to the tray: each change costs the desktop a round trip.
void MainWindow::refreshTray() {
    const TrayState state = StatusWords::tray(m_monitor);
    if (state.alert != m_trayState.alert)
        m_tray.setAlert(state.alert);
    if (state.toolTip != m_trayState.toolTip)
        m_tray.setToolTip(state.toolTip);
    m_trayState = state;
}

void MainWindow::showTick() {
    m_rows.voltage->refreshReadings();
    m_rows.fan->refreshReadings();
    m_rows.temperature->refreshReadings();
    refreshCaseLine();
    refreshItemEnabled();
    refreshTray();
    if (m_fanWindow)
        m_fanWindow->refreshState();
}

void MainWindow::refreshItemEnabled() {
    RefreshItemEnabled(m_machine, m_rows);
}

void MainWindow::refreshFans() {
    m_rows.fan->refresh();
}

void MainWindow::showCaseOpen(bool open) {
    m_monitor.showCaseOpen(open);
    refreshCaseLine();
}

void MainWindow::restoreDefaults() {
    m_session.restoreDefaults();
}

void MainWindow::saveSettings() {
    if (const std::optional<std::string> failure = m_session.save())
        m_boxes.inform(*failure);
}

void MainWindow::openEventLog() {
    if (!m_eventLog) {
        m_eventLog = new EventLogWindow(m_machine.events);
        m_eventLog->setAttribute(Qt::WA_DeleteOnClose);
    }
    PlaceOnScreen(m_eventLog);
    m_eventLog->show();
    m_eventLog->raise();
    m_eventLog->activateWindow();
}

void MainWindow::openFanControl() {
    if (!m_fanWindow) {
        m_fanWindow = new FanControlWindow(m_monitor.fans(), m_monitor, m_boxes, this);
        m_fanWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    PlaceOnScreen(m_fanWindow);
    m_fanWindow->show();
    m_fanWindow->raise();
    m_fanWindow->activateWindow();
}

FanControlWindow* MainWindow::fanControlWindow() const {
    return m_fanWindow;
}

void MainWindow::exitProgram() {
    m_ending = true;
    m_session.end(Session::Way::Exit);
}

void MainWindow::restoreFromTray() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    PlaceOnScreen(this);
    show();
    raise();
    activateWindow();
    m_tray.hide();
}

void MainWindow::exitFromTray() {
    m_tray.hide();
    m_ending = true;
    m_session.end(Session::Way::TrayExit);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Only the user's own close goes to the tray; a close by the system ends the program.
    const CloseReason reason =
        event->spontaneous() && !m_ending ? CloseReason::User : CloseReason::System;
    if (hideInsteadOfClosing(reason)) {
        event->ignore();
        return;
    }
    event->accept();
    if (!m_ending) {
        m_ending = true;
        m_endProgram();
    }
}

bool MainWindow::hideInsteadOfClosing(CloseReason reason) {
    if (reason != CloseReason::User)
        return false;
    if (!m_tray.isAvailable()) {
        // Without a notification area a hidden window could never come back.
        showMinimized();
        return true;
    }
    m_tray.show();
    hide();
    return true;
}

} // namespace hmdx
