#pragma once

#include <QWidget>

class QToolButton;

namespace hmdx {

// A compact pair of arrows holding an integer Value between Min and Max, one step per click.
// changed() fires only when Value really changes: by a click, by setValue(), or because a
// new Min or Max moved Value into range.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    int value() const { return m_value; }
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }

    void setValue(int value);
    void setMinimum(int min);
    void setMaximum(int max);

    QSize sizeHint() const override;

    // For tests and keyboard users: one click on an arrow.
    void stepUp();
    void stepDown();

signals:
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void store(int value);
    void updateArrows();

    int m_value = 0;
    int m_min = -3000;
    int m_max = 3000;
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace hmdx
