// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QSpinBox;

namespace hmdx {

class FanCurveEditor;

// The curve editor's chosen point as numbers to read and type: an entry moves the point as a
// drag would, and shows where the curve's rules let it go.
class CurvePointFields : public QWidget {
    Q_OBJECT
public:
    CurvePointFields(FanCurveEditor* editor, QWidget* parent = nullptr);

    QSpinBox* celsius = nullptr;
    QSpinBox* percent = nullptr;

private:
    void showChosen();
    void moveChosen();

    FanCurveEditor* m_editor;
};

} // namespace hmdx
