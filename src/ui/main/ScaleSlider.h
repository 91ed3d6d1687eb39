// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace hmdx {

// A display-only horizontal scale: a track from Min to Max, the selected band
// [SelStart, SelStart + SelLength] (an item's limits) and a marker at Value (its reading).
// Value is kept exactly as set; a reading outside Min..Max is drawn at the nearest end.
class ScaleSlider : public QWidget {
    Q_OBJECT
public:
    explicit ScaleSlider(QWidget* parent = nullptr);

    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    int value() const { return m_value; }
    int selStart() const { return m_selStart; }
    int selLength() const { return m_selLength; }

    void setMinimum(int min);
    void setMaximum(int max);
    void setValue(int value);
    void setSelStart(int start);
    void setSelLength(int length);

    // Where Value is drawn: Value held within Min..Max.
    int shownValue() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Where the marker for a shown value is drawn, its antialiased edge included.
    QRect markerRect(int shown) const;
    void matchFrameBackground();

    int m_min = 0;
    int m_max = 10;
    int m_value = 0;
    int m_selStart = 0;
    int m_selLength = 0;
    bool m_matchQueued = false;
};

} // namespace hmdx
