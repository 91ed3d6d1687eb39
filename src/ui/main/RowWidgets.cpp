#include "RowWidgets.h"

#include <QGridLayout>
#include <QLabel>

namespace hmdx {

QLabel* MakeLabel(const QString& text, QWidget* parent, Qt::Alignment align) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

QLabel* MakeStatusLabel(QWidget* parent) {
    QLabel* label = MakeLabel(QString(), parent, Qt::AlignRight);
    label->setAutoFillBackground(true);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("168,750 ")));
    label->setContentsMargins(4, 0, 4, 0);
    SetStatusColour(label, kStatusFresh);
    return label;
}

void SetStatusColour(QLabel* label, const QColor& colour) {
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

} // namespace hmdx
