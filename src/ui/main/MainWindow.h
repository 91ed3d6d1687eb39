// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainRows.h"
#include "RowHistory.h"
#include "StatusWords.h"
#include "monitor/Machine.h"
#include "monitor/Monitor.h"
#include "monitor/Session.h"
#include "monitor/WarningDispatch.h"
#include "platform/MessageBoxes.h"
#include "platform/TrayIcon.h"
#include "ui/dialogs/MainView.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAction;
class QMenu;

namespace hmdx {

class FanControlWindow;
class FanRows;
class TemperatureRows;
class VoltageRows;

// The main window: every item's row, the menus and the tray. It watches the session, redrawing
// after each tick, and passes the user's actions to it.
class MainWindow : public QMainWindow, public MainView {
    Q_OBJECT
public:
    struct Services {
        Session& session;
        MessageBoxes& boxes;
        TrayIcon& tray;
        std::function<void()> endProgram; // every way out of the program goes through here
    };

    explicit MainWindow(Services services);
    ~MainWindow() override;

    // Prepares the rows for the chip, has the session start, and shows what it loaded.
    void load();

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
    Monitor& monitor() override { return m_session.monitor(); }
    void refreshItemEnabled() override;
    void refreshFans() override;
    void showCaseOpen(bool open) override;

    MainRows& rows() { return m_rows; }
    VoltageRows& voltageRows() { return *m_rows.voltage; }
    FanRows& fanRows() { return *m_rows.fan; }
    TemperatureRows& temperatureRows() { return *m_rows.temperature; }
    WarningDispatch& dispatch() { return m_session.monitor().dispatch(); }
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
    void showTick();

    Session& m_session;
    Machine& m_machine;
    Monitor& m_monitor;
    MessageBoxes& m_boxes;
    TrayIcon& m_tray;
    std::function<void()> m_endProgram;
    MainRows m_rows;
    RowHistory m_history;
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
