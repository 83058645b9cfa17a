// A number box with up and down arrows: the arrows change the value in
// fixed steps within a range, and a number typed into the box is taken
// when the typing is done (Enter, or the box left), moved to the nearest
// value the arrows could reach.
#pragma once

#include "model/gameoptions.h"

#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(int low, int high, int step, int initial, QWidget* parent = nullptr);

    int position() const { return m_position; }
    // Pulled into the range, onto a step.
    void setPosition(int value);

    void stepUp() { setPosition(m_position + m_range.step); }
    void stepDown() { setPosition(m_position - m_range.step); }

    // The box that shows the value (the text that is sent).
    QLineEdit* edit() const { return m_edit; }
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

    // Takes what was typed into the box, if anything; an empty box shows
    // the value again.
    void takeTyped();

protected:
    // In the box, Enter takes the typed number (and does not press the
    // dialog's default button); the arrow keys step as the arrows do.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    brixo::OptionRange m_range;
    int m_position;
    QLineEdit* m_edit;
    QToolButton* m_up;
    QToolButton* m_down;
};
