#include "Forms.h"

#include "ConfirmPassword.h"
#include "WarningDialog.h"
#include "chip/Shutdown.h"
#include "frmAbout.h"
#include "frmConfig.h"
#include "ui/main/ItemEvents.h"
#include "ui/main/frmdoctor.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>

namespace hmdx {
namespace {

void bringUp(QWidget* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

void CentreOnScreen(QWidget* dialog) {
    dialog->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        dialog->move(screen->availableGeometry().center() - dialog->rect().center());
}

Forms::Forms(Module1& m, MessageBoxes& boxes, PowerOff& power)
    : m_m(m), m_boxes(boxes), m_power(power) {}

Forms::~Forms() {
    for (auto& warning : m_warnings)
        delete warning;
    delete m_password;
    delete m_config;
    delete m_about;
}

frmdoctor& Forms::main() const {
    return *m_main;
}

void Forms::attach(frmdoctor& window) {
    m_main = &window;
    connect(window.configureAction(), &QAction::triggered, this, &Forms::mConfigure_Click);
    connect(window.aboutAction(), &QAction::triggered, this, &Forms::mAbout_Click);
}

frmConfig& Forms::loadConfig() {
    if (!m_config) {
        m_config = new frmConfig(*this);
        m_config->Form_Load();
        CentreOnScreen(m_config);
    }
    return *m_config;
}

void Forms::mConfigure_Click() {
    bringUp(&loadConfig());
}

void Forms::openPassword(int mode) {
    if (!m_password) {
        m_password = new ConfirmPassword(*this);
        CentreOnScreen(m_password);
    }
    m_password->setMode(mode);
    bringUp(m_password);
}

void Forms::mAbout_Click() {
    if (!m_about)
        m_about = new frmAbout;
    bringUp(m_about);
}

bool Forms::isShown(int item) {
    return m_warnings[item] && m_warnings[item]->isVisible();
}

void Forms::show(int item) {
    if (!m_warnings[item])
        m_warnings[item] = new WarningDialog(*this, item);
    CentreOnScreen(m_warnings[item]);
    m_warnings[item]->show();
}

void Forms::unload(int item) {
    // Closing deletes the dialog once control is back in the event loop, so an unload
    // reached from the dialog's own button is safe.
    if (WarningDialog* dialog = m_warnings[item]) {
        m_warnings[item] = nullptr;
        dialog->close();
    }
}

void Forms::disableItem(int k) {
    m_m.settings.ItemEnabled[k] = 0;
    if (hasMain())
        main().RefreshItemEnabled();
    m_m.CfgItemEnabled[k] = m_m.settings.ItemEnabled[k];
    // A configuration dialog that is not loaded is loaded hidden; its Load then finds the
    // item off and does the rest.
    frmConfig& config = loadConfig();
    config.chkEnable[k]->setChecked(false);
    config.chkWErr1[k]->setVisible(false);
    config.chkWErr3[k]->setVisible(false);
    config.ChkBeep[k]->setVisible(false);
    config.takeAsLogged(k);
}

void Forms::shutdownSystem(int item) {
    static constexpr const char* kOutcome[] = {"declined", "refused", "requested"};
    const ShutdownOutcome outcome = ShutdownSystem(m_boxes, m_m.io, m_power);
    recordItemEvent(item, "shut down", kOutcome[int(outcome)], outcome == ShutdownOutcome::Refused);
}

void Forms::recordItemEvent(int item, const char* what, std::string detail, bool warning) {
    Event e;
    if (hasMain())
        e = ItemEvent(main().rows(), item, what);
    e.event = what;
    e.item = item;
    e.detail = std::move(detail);
    e.warning = warning;
    m_m.events.record(std::move(e));
}

} // namespace hmdx
