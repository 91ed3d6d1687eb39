#pragma once

#include "chip/Module1.h"
#include "monitor/WarningDispatch.h"

#include <QDialog>
#include <QPointer>
#include <array>

namespace hmdx {

// One simple modeless window per item with the item's warning caption and message.
class PlainWarningDialogs : public WarningDialogs {
public:
    explicit PlainWarningDialogs(const Module1& m) : m_m(m) {}
    ~PlainWarningDialogs() override;

    bool isShown(int item) override;
    void show(int item) override;
    void unload(int item) override;

    QDialog* dialog(int item) const { return m_dialogs[item]; }

private:
    QDialog* create(int item) const;

    const Module1& m_m;
    std::array<QPointer<QDialog>, 16> m_dialogs;
};

} // namespace hmdx
