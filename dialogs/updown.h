// A read-only number box with up and down arrows: only the arrows change
// the value, in fixed steps within a range.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(int low, int high, int step, int initial, QWidget* parent = nullptr);

    int position() const { return m_position; }
    // Pulled into the range.
    void setPosition(int value);

    void stepUp() { setPosition(m_position + m_step); }
    void stepDown() { setPosition(m_position - m_step); }

    // The box that shows the value (the text that is sent).
    QLineEdit* edit() const { return m_edit; }
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

private:
    int m_low, m_high, m_step;
    int m_position;
    QLineEdit* m_edit;
    QToolButton* m_up;
    QToolButton* m_down;
};
