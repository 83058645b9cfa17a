// A status object that a screen reader listens to, for announcements the
// player did not ask for (a turn begins, a move is refused). Qt 6.4 has no
// announcement event; each announcement here becomes the object's
// accessible name (a NameChanged event), it is shown afresh (ObjectHide,
// ObjectShow: on the Linux accessibility bus a notification whose state
// turns to showing, which screen readers speak) and an Alert event goes
// with it (a system alert on Windows). It takes one pixel of the window
// and draws nothing.
#pragma once

#include <QWidget>

class LiveRegion : public QWidget {
    Q_OBJECT
public:
    explicit LiveRegion(QWidget* parent);

    void announce(const QString& words);
    // The last words announced, empty before any.
    QString words() const { return m_words; }

private:
    QString m_words;
};
