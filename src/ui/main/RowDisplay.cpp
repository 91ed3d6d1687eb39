#include "RowDisplay.h"

#include "FanRows.h"
#include "TemperatureRows.h"
#include "UpDown.h"
#include "VoltageRows.h"

#include <QLabel>
#include <QRadioButton>
#include <vector>

namespace hmdx {
namespace {

// The name control of an item's row (none for the case line) and its other controls.
struct ItemControls {
    QWidget* name = nullptr;
    std::vector<QWidget*> others;
};

template <typename Controls> ItemControls split(const Controls& controls, QWidget* skip = nullptr) {
    ItemControls item{controls[0], {}};
    for (size_t c = 1; c < controls.size(); ++c)
        if (controls[c] != skip)
            item.others.push_back(controls[c]);
    return item;
}

ItemControls controlsOf(MainRows& rows, int i) {
    if (i < kFirstFanItem)
        return split(rows.voltage->row[i].controls());
    if (i < kFirstTempItem)
        return split(rows.fan->row[i - kFirstFanItem].controls());
    if (i < kCaseOpenItem) {
        // The hidden hysteresis up-down stays hidden whatever the item's state.
        const auto& r = rows.temperature->row[i - kFirstTempItem];
        return split(r.controls(), r.updTempLoLimit);
    }
    return {nullptr, {rows.caseLine.optCaseOpened, rows.caseLine.lblCaseOpen}};
}

} // namespace

void HideAbsentItems(const Module1& m, MainRows& rows) {
    for (int i = 0; i < kItemCount; ++i) {
        const bool present = m.ItemPresent[i] == 1;
        ItemControls item = controlsOf(rows, i);
        if (item.name)
            item.name->setVisible(present);
        for (QWidget* w : item.others)
            w->setVisible(present);
    }
}

void RefreshItemEnabled(const Module1& m, MainRows& rows) {
    for (int i = 0; i < kItemCount; ++i) {
        const bool enabled = m.settings.ItemEnabled[i] == 1;
        ItemControls item = controlsOf(rows, i);
        if (item.name)
            item.name->setEnabled(enabled);
        for (QWidget* w : item.others)
            w->setVisible(enabled);
    }
}

} // namespace hmdx
