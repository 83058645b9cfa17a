// One game connection over TCP: cuts what arrives into messages, sends
// frames in order, and reports its close exactly once.
//
// All signals arrive on the thread that owns the object (the UI thread),
// between other events, never inside a handler.
#pragma once

#include "net/framecutter.h"

#include <QObject>
#include <QString>

#include <string>
#include <string_view>

class QTcpSocket;

class TSock : public QObject {
    Q_OBJECT
public:
    // An unconnected socket for open().
    explicit TSock(QObject* parent = nullptr);
    // Takes over a connection the listener accepted.
    TSock(QTcpSocket* accepted, QObject* parent);
    ~TSock() override;

    // Starts an asynchronous connect; connected() or errorReported() follows.
    void open(const QString& hostName, quint16 port);
    // Queues a whole frame; bytes of successive sends never interleave.
    // Does nothing unless connected.
    void send(std::string_view frame);
    // Closes after what was sent has gone out; closed() follows once.
    void close();

    bool isConnected() const;

signals:
    void connected();
    // One complete message, terminator removed (may be empty).
    void received(const std::string& line);
    // The connection is gone ("Socket Closed"); emitted once, and only for a
    // connection that was up.
    void closed();
    // A failed connect or another asynchronous error, e.g.
    // "Error #0 (ConnectionRefusedError)".
    void errorReported(const QString& text);

private:
    void attach();
    void readAll();
    void reportClosed();

    QTcpSocket* m_socket;
    brixo::FrameCutter m_cutter;
    bool m_wasConnected = false;
    bool m_closeReported = false;
};
