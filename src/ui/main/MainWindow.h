// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainRows.h"
#include "RowHistory.h"
#include "StatusWords.h"
#include "monitor/Machine.h"
#include "monitor/Monitor.h"
#include "monitor/WarningDispatch.h"
#include "platform/MessageBoxes.h"
#include "platform/TrayIcon.h"
#include "ui/dialogs/MainView.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>

class QAction;
class QMenu;

namespace hmdx {

class FanControlWindow;
class FanRows;
class TemperatureRows;
class VoltageRows;

// The main window: every item's row, the menus, the one-second polling timer and the tray. The
// monitor it hosts does the monitoring; the window shows it and lets the user move limits.
class MainWindow : public QMainWindow, public MainView {
    Q_OBJECT
public:
    struct Services {
        Machine& m;
        MessageBoxes& boxes;
        TrayIcon& tray;
        WarningDialogs& dialogs;
        std::function<void()> endProgram; // every way out of the program goes through here
    };

    explicit MainWindow(Services services);
    ~MainWindow() override;

    // Prepares the chip and the rows from the settings and starts polling.
    void load();

    void pollOnce();
    void restoreDefaults();
    void saveSettings();
    void exitProgram();
    void restoreFromTray();
    void exitFromTray();
    // Tools > Event Log: the window is made when first asked for.
    void openEventLog();
    // Tools > Fan Control: made when first asked for, gone when closed.
    void openFanControl();
    FanControlWindow* fanControlWindow() const;
    QAction* fanControlAction() const { return m_fanControl; }
    QMenu* toolsMenu() const { return m_tools; }
    // The user closing the window sends it to the tray instead (returns true: keep running);
    // a close by the system lets the window go.
    enum class CloseReason { User, System };
    bool hideInsteadOfClosing(CloseReason reason);

    QWidget* widget() override { return this; }
    Monitor& monitor() override { return m_monitor; }
    void refreshItemEnabled() override;
    void reloadFans() override;
    void showCaseOpen(bool open) override;

    MainRows& rows() { return m_rows; }
    VoltageRows& voltageRows() { return *m_rows.voltage; }
    FanRows& fanRows() { return *m_rows.fan; }
    TemperatureRows& temperatureRows() { return *m_rows.temperature; }
    WarningDispatch& dispatch() { return m_monitor.dispatch(); }
    QTimer& timer() { return m_timer; }
    QAction* configureAction() const override { return m_configure; }
    QAction* aboutAction() const override { return m_about; }
    RowHistory& history() { return m_history; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createFrames();
    void createMenus();
    void watchRowsForHistory();
    void createTray();
    void showLoadedRows();
    void refreshRows();
    void refreshCaseLine();
    void refreshTray();

    Machine& m_machine;
    MessageBoxes& m_boxes;
    TrayIcon& m_tray;
    std::function<void()> m_endProgram;
    Monitor m_monitor;
    MainRows m_rows;
    RowHistory m_history;
    QTimer m_timer;
    QAction* m_configure = nullptr;
    QAction* m_about = nullptr;
    QAction* m_fanControl = nullptr;
    QMenu* m_tools = nullptr;
    QPointer<QWidget> m_eventLog;
    QPointer<FanControlWindow> m_fanWindow;
    bool m_ending = false;
    TrayState m_trayState{false, StatusWords::trayTitle()}; // as the tray starts
};

} // namespace hmdx
