// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowDisplay.h"

#include "FanRows.h"
#include "TemperatureRows.h"
#include "UpDown.h"
#include "VoltageRows.h"

#include <QLabel>
#include <QRadioButton>
#include <array>

namespace hmdx {
namespace {

// The name control of an item's row (none for the case line) and its other controls. Built
// on the stack: the polling cycle asks for every item once a second.
struct ItemControls {
    QWidget* name = nullptr;
    std::array<QWidget*, 10> others{};
    size_t count = 0;

    QWidget* const* begin() { return others.data(); }
    QWidget* const* end() { return others.data() + count; }
};

template <size_t N>
ItemControls split(const std::array<QWidget*, N>& controls, QWidget* skip = nullptr) {
    ItemControls item;
    item.name = controls[0];
    for (size_t c = 1; c < N; ++c)
        if (controls[c] != skip)
            item.others[item.count++] = controls[c];
    return item;
}

ItemControls controlsOf(MainRows& rows, int i) {
    switch (KindOf(i)) {
    case ItemKind::Voltage:
        return split(rows.voltage->row[i].controls());
    case ItemKind::Fan:
        return split(rows.fan->row[FanIndex(i)].controls());
    case ItemKind::Temperature: {
        // The hidden hysteresis up-down stays hidden whatever the item's state.
        const auto& r = rows.temperature->row[TemperatureIndex(i)];
        return split(r.controls(), r.lowUpDown);
    }
    case ItemKind::CaseOpen:
        break;
    }
    ItemControls item;
    item.others = {rows.caseLine.openedMark, rows.caseLine.statusLabel};
    item.count = 2;
    return item;
}

} // namespace

void HideAbsentItems(const Machine& m, MainRows& rows) {
    for (int i = 0; i < kItemCount; ++i) {
        const bool present = m.chip.hasItem(i);
        ItemControls item = controlsOf(rows, i);
        if (item.name)
            item.name->setVisible(present);
        for (QWidget* w : item)
            w->setVisible(present);
    }
}

void RefreshItemEnabled(const Machine& m, MainRows& rows) {
    for (int i = 0; i < kItemCount; ++i) {
        const bool enabled = IsMonitored(m.settings, i);
        ItemControls item = controlsOf(rows, i);
        if (item.name)
            item.name->setEnabled(enabled);
        for (QWidget* w : item)
            w->setVisible(enabled);
    }
}

} // namespace hmdx
