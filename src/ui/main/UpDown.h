// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/BoundedValue.h"

#include <QWidget>

class QToolButton;

namespace hmdx {

// A compact pair of arrows that move a bounded value one step per click. It shows and moves
// a value of the model once bound to it, and a value of its own until then. changed() fires
// when its own value really changes; edited() after every step or set through the widget.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    void bind(BoundedValue& model);
    // The arrows again, after the model moved.
    void refresh() { updateArrows(); }

    int value() const { return m_model->value(); }
    int minimum() const { return m_model->minimum(); }
    int maximum() const { return m_model->maximum(); }

    void setValue(int value);
    void setMinimum(int min);
    void setMaximum(int max);

    QSize sizeHint() const override;

    // The limit as the row shows it, for screen readers: the up-down's own value is a step on
    // the chip's scale.
    void setShownValue(const QString& text);
    const QString& shownValue() const { return m_shown; }

    // For tests and keyboard users: one click on an arrow.
    void stepUp();
    void stepDown();

signals:
    void changed();
    void edited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void updateArrows();

    BoundedValue m_own;
    BoundedValue* m_model = &m_own;
    QToolButton* m_up;
    QToolButton* m_down;
    QString m_shown;
};

} // namespace hmdx
