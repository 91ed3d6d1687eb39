// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/UpDown.h"

#include "UpDownAccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace hmdx {
namespace {

// As wide as a classic spin button's arrows and as tall as one line of text, so a row of
// limits keeps the height of its labels.
constexpr QSize kSize{18, 22};
// Leaves room around the arrows for the keyboard focus frame.
constexpr int kFocusMargin = 1;

QToolButton* makeArrow(QWidget* parent, Qt::ArrowType arrow, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    button->setAccessibleName(name);
    return button;
}

} // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), m_up(makeArrow(this, Qt::UpArrow, tr("Up"))),
      m_down(makeArrow(this, Qt::DownArrow, tr("Down"))) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kFocusMargin, kFocusMargin, kFocusMargin, kFocusMargin);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    setFocusPolicy(Qt::TabFocus);
    UpDownAccessible::install();
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(m_up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDown::stepDown);
    // Listeners read value(), minimum() and maximum(), so the whole new state is in place
    // before changed() goes out.
    m_own.onChanged = [this] {
        updateArrows();
        emit changed();
    };
    updateArrows();
}

void UpDown::bind(BoundedValue& model) {
    m_model = &model;
    updateArrows();
}

void UpDown::setValue(int value) {
    m_model->setValue(value);
    updateArrows();
    emit edited();
}

void UpDown::setMinimum(int min) {
    m_model->setMinimum(min);
    updateArrows();
    emit edited();
}

void UpDown::setMaximum(int max) {
    m_model->setMaximum(max);
    updateArrows();
    emit edited();
}

void UpDown::setShownValue(const QString& text) {
    if (text == m_shown)
        return;
    m_shown = text;
    QAccessibleValueChangeEvent event(this, value());
    QAccessible::updateAccessibility(&event);
}

QSize UpDown::sizeHint() const {
    return kSize;
}

void UpDown::stepUp() {
    m_model->stepUp();
    updateArrows();
    emit edited();
}

void UpDown::stepDown() {
    m_model->stepDown();
    updateArrows();
    emit edited();
}

void UpDown::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        stepUp();
        break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        stepDown();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void UpDown::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Highlight));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void UpDown::updateArrows() {
    m_up->setEnabled(value() < maximum());
    m_down->setEnabled(value() > minimum());
}

} // namespace hmdx
