// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <functional>

namespace hmdx {

// An integer held between a minimum and a maximum, moved one step at a time or set; a limit
// the user moves with up-down arrows. onChanged runs only when the value really changes, by a
// step, a set, or a new minimum or maximum that moves it into range, and only once the whole
// new state is in place.
class BoundedValue {
public:
    int value() const { return m_value; }
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }

    // Either bound may be the larger: the value is held between them whichever way round.
    void setValue(int value) {
        store(std::clamp(value, std::min(m_min, m_max), std::max(m_min, m_max)));
    }
    void setMinimum(int min) {
        m_min = min;
        setValue(m_value);
    }
    void setMaximum(int max) {
        m_max = max;
        setValue(m_value);
    }
    void stepUp() {
        if (m_value < m_max)
            store(m_value + 1);
    }
    void stepDown() {
        if (m_value > m_min)
            store(m_value - 1);
    }
    // The program placing the value, not the user moving it: no one is told.
    void setValueQuietly(int value) {
        m_value = std::clamp(value, std::min(m_min, m_max), std::max(m_min, m_max));
    }

    std::function<void()> onChanged;

private:
    void store(int value) {
        const bool moved = value != m_value;
        m_value = value;
        if (moved && onChanged)
            onChanged();
    }

    int m_value = 0;
    int m_min = -3000;
    int m_max = 3000;
};

} // namespace hmdx
