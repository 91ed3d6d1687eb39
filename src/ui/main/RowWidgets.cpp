// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowWidgets.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <qdrawutil.h>

namespace hmdx {
namespace {

// A status whose frame, out of range, is drawn over its edges: the text keeps its place and
// is never cut.
class StatusLabel : public QLabel {
public:
    using QLabel::QLabel;
    bool framed = false;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!framed)
            return;
        QPainter painter(this);
        qDrawPlainRect(&painter, rect(), palette().color(QPalette::WindowText), 2);
    }
};

} // namespace

QLabel* MakeLabel(const QString& text, QWidget* parent, Qt::Alignment align) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

void FixSizeFor(QLabel* label, std::initializer_list<QString> texts) {
    const QString shown = label->text();
    QSize size;
    for (const QString& text : texts) {
        label->setText(text);
        size = size.expandedTo(label->sizeHint());
    }
    label->setText(shown);
    label->setFixedSize(size);
}

QLabel* MakeStatusLabel(QWidget* parent) {
    auto* label = new StatusLabel(parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    label->setContentsMargins(4, 0, 4, 0);
    // The fastest fan (count 1 at divisor 1) is the widest reading.
    FixSizeFor(label, {QStringLiteral("1,350,000"), ShownText(QStringLiteral("low_speed")),
                       ShownText(QStringLiteral("Fan off")), QStringLiteral("-128.00")});
    SetStatusColour(label, kStatusFresh);
    return label;
}

void SetStatusColour(QLabel* label, const QColor& colour) {
    if (StatusColour(label) == colour)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

void SetColumnWidths(QGridLayout* grid, std::initializer_list<const char*> texts) {
    const QFontMetrics metrics = grid->parentWidget()->fontMetrics();
    int column = 0;
    for (const char* text : texts)
        grid->setColumnMinimumWidth(column++, metrics.horizontalAdvance(QLatin1String(text)));
}

QColor StatusColour(const QLabel* label) {
    return label->palette().color(QPalette::Window);
}

QString ShownText(const QString& text) {
    return QCoreApplication::translate("hmdx::Monitor", text.toUtf8().constData());
}

bool ShowReading(QLabel* status, const ItemReading& reading, bool read) {
    const QColor colour =
        read ? (reading.inRange ? kStatusGreen : kStatusRed) : StatusColour(status);
    const QString text = ShownText(reading.shown.text);
    const bool changed = status->text() != text || StatusColour(status) != colour;
    status->setText(text);
    SetStatusColour(status, colour);
    auto* label = dynamic_cast<StatusLabel*>(status);
    if (const bool framed = read && !reading.inRange; label && label->framed != framed) {
        label->framed = framed;
        label->update();
    }
    return changed;
}

bool HasOutOfRangeFrame(const QWidget* status) {
    const auto* label = dynamic_cast<const StatusLabel*>(status);
    return label && label->framed;
}

// Set on a change only: each one goes out to assistive technology.
void DescribeStatus(QLabel* status, const QString& description) {
    if (status->accessibleDescription() != description)
        status->setAccessibleDescription(description);
}

void ExplainScale(QLabel* lowEnd, QWidget* scale, QLabel* highEnd) {
    lowEnd->setToolTip(QCoreApplication::translate("hmdx::RowWidgets", "The scale's low end"));
    highEnd->setToolTip(QCoreApplication::translate("hmdx::RowWidgets", "The scale's high end"));
    scale->setToolTip(QCoreApplication::translate(
        "hmdx::RowWidgets", "The marker shows the reading against the limits"));
}

} // namespace hmdx
