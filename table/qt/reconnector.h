// Binds a ReconnectSchedule to a timer and to trial connections: while the
// schedule runs, each due try opens a connection to the vanished host's
// address; the first that is answered ends the waiting (`hostBack`), and
// the table then joins again for real. The trial connection is closed at
// once, before any login: the host's server forgets a table that never
// logged in. A try that is neither answered nor refused by the time the
// next is due is dropped.
#pragma once

#include "table/reconnectschedule.h"

#include <QObject>
#include <QString>

class QTimer;
class TSock;

class Reconnector : public QObject {
    Q_OBJECT
public:
    explicit Reconnector(QObject* parent = nullptr);

    // Starts trying to reach address:port; a run in progress starts over.
    // `gone` begins the countdown's text: who is gone.
    void start(const QString& address, quint16 port, const QString& gone = QStringLiteral("The host is gone."));
    // Ends the run without a word: no signal follows.
    void stop();
    bool active() const { return m_schedule.active(); }
    // The countdown for the player, while active.
    QString text() const;

    // Shortens the schedule (for tests).
    void setSchedule(const brixo::ReconnectSchedule& schedule) { m_schedule = schedule; }

signals:
    // The countdown's text changed (once a second at least).
    void ticked();
    // The host answers at the address again.
    void hostBack();
    // The time is up without an answer.
    void gaveUp();

private:
    void step();
    void endTry();

    brixo::ReconnectSchedule m_schedule;
    QString m_address;
    QString m_gone;
    quint16 m_port = 0;
    QTimer* m_timer;
    TSock* m_try = nullptr;
};
