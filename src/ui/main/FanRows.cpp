#include "FanRows.h"

#include "RowWidgets.h"
#include "UpDown.h"
#include "chip/ChipKeeping.h"
#include "monitor/Conversions.h"
#include "monitor/ItemTable.h"
#include "monitor/NumberFormat.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>

namespace hmdx {
namespace {

constexpr int kCountReg = 0x28;      // + fan: the count of one turn
constexpr int kCountLimitReg = 0x3B; // + fan
constexpr int kStopped = 255;        // the counter overflowed: no fan, or it stands still
// Up-down range: 1 is the lowest limit (count 254); 254 the highest (count 1), because a
// count limit of 0 would have no speed at all.
constexpr int kLowestSetting = 1;
constexpr int kHighestSetting = 254;

} // namespace

std::array<QWidget*, 6> FanRows::Row::controls() const {
    return {lblFanItem, updFanLoLimit, lblFanLoLimit, prbFanSpeed, lblFanSpeed, lblFanUnit};
}

FanRows::FanRows(Machine& m, QGroupBox* frame) : QObject(frame), m_m(m) {
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(3, 1);
    SetColumnWidths(grid, {"CPU FAN__", "__", "-13.00"});
    QLabel* limit = MakeLabel(tr("Low Limit"), frame, Qt::AlignCenter);
    QLabel* unit = MakeLabel(tr("Units"), frame);
    limit->setObjectName(QStringLiteral("lblFanLimit"));
    unit->setObjectName(QStringLiteral("lblUnit"));
    grid->addWidget(limit, 0, 1, 1, 2);
    grid->addWidget(unit, 0, 5);
    for (int f = 0; f < 3; ++f)
        buildRow(f, grid);
}

void FanRows::buildRow(int f, QGridLayout* grid) {
    QWidget* parent = grid->parentWidget();
    Row& r = row[f];
    r.lblFanItem = MakeLabel(QString::fromUtf8(kItems[kFirstFanItem + f].caption), parent);
    r.updFanLoLimit = new UpDown(parent);
    r.updFanLoLimit->setMaximum(kHighestSetting);
    r.updFanLoLimit->setMinimum(kLowestSetting);
    r.lblFanLoLimit = MakeLabel(QString(), parent, Qt::AlignRight);
    r.prbFanSpeed = new QProgressBar(parent);
    r.prbFanSpeed->setRange(0, 255);
    r.prbFanSpeed->setValue(0);
    r.prbFanSpeed->setTextVisible(false);
    r.lblFanSpeed = MakeStatusLabel(parent);
    r.lblFanUnit = MakeLabel(QStringLiteral("RPM"), parent);
    const char* names[] = {"lblFanItem",  "updFanLoLimit", "lblFanLoLimit",
                           "prbFanSpeed", "lblFanSpeed",   "lblFanUnit"};
    const auto controls = r.controls();
    for (int c = 0; c < int(controls.size()); ++c) {
        controls[c]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(names[c])).arg(f));
        grid->addWidget(controls[c], 1 + f, c);
    }
    r.updFanLoLimit->setAccessibleName(tr("%1 low limit").arg(r.lblFanItem->text()));
    connect(r.updFanLoLimit, &UpDown::changed, this, [this, f] { limitChanged(f); });
}

void FanRows::setLimitValue(int f, int value) {
    m_m.state.fanLimitEditsLive = false;
    row[f].updFanLoLimit->setValue(value);
    m_m.state.fanLimitEditsLive = true;
}

void FanRows::loadFromSettings() {
    SetFanDivisorBits(m_m.chip);
    const SettingsModel& s = m_m.settings;
    for (int f = 0; f < 3; ++f) {
        Row& r = row[f];
        r.updFanLoLimit->setEnabled(true);
        m_m.chip.selectBank(0);
        const int now = m_m.chip.readRegister(kCountReg + f);
        if (now != kStopped) {
            const int32_t speed = FanLimitSpeed(s.FanCountLimit[f], s.FanDivisor[f]);
            setLimitValue(f, 255 - s.FanCountLimit[f]);
            r.lblFanLoLimit->setText(FormatLimitSpeed(speed));
            m_m.chip.selectBank(0);
            m_m.chip.writeKept(0, kCountLimitReg + f, uint8_t(s.FanCountLimit[f]));
        } else {
            // A fan that stands still at start is not watched until the next initialisation.
            const int32_t speed = FanLimitSpeed(kStopped, s.FanDivisor[f]);
            setLimitValue(f, kLowestSetting);
            r.lblFanLoLimit->setText(FormatLimitSpeed(speed));
            r.lblFanSpeed->setText(tr("low speed"));
            r.updFanLoLimit->setEnabled(false);
            m_m.chip.selectBank(0);
            m_m.chip.writeKept(0, kCountLimitReg + f, kStopped);
        }
    }
}

void FanRows::limitChanged(int f) {
    if (!m_m.state.fanLimitEditsLive)
        return;
    const int u = row[f].updFanLoLimit->value();
    const int16_t count = int16_t(255 - u);
    m_m.settings.FanCountLimit[f] = count;
    Row& r = row[f];
    const QString before = r.lblFanLoLimit->text();
    r.lblFanLoLimit->setText(FormatLimitSpeed(FanLimitSpeed(count, m_m.settings.FanDivisor[f])));
    if (onLimitChanged)
        onLimitChanged(kFirstFanItem + f, "low " + before.trimmed().toStdString() + " -> " +
                                              r.lblFanLoLimit->text().trimmed().toStdString() +
                                              " RPM");
    m_m.chip.selectBank(0);
    m_m.chip.writeKept(0, kCountLimitReg + f, uint8_t(count));
}

} // namespace hmdx
