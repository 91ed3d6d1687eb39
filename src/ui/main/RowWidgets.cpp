// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowWidgets.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>

namespace hmdx {

QLabel* MakeLabel(const QString& text, QWidget* parent, Qt::Alignment align) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

void FixSizeFor(QLabel* label, std::initializer_list<QString> texts) {
    const QFontMetrics metrics = label->fontMetrics();
    int width = 0;
    for (const QString& text : texts)
        width = std::max(width, metrics.horizontalAdvance(text));
    const QMargins margins = label->contentsMargins();
    label->setFixedSize(width + margins.left() + margins.right() + 2 * label->margin(),
                        label->sizeHint().height());
}

QLabel* MakeStatusLabel(QWidget* parent) {
    QLabel* label = MakeLabel(QString(), parent, Qt::AlignRight);
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

void ShowReading(QLabel* status, const ItemReading& reading, bool read) {
    status->setText(ShownText(reading.shown.text));
    if (read)
        SetStatusColour(status, reading.inRange ? kStatusGreen : kStatusRed);
}

} // namespace hmdx
