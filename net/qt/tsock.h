// One game connection over TCP: cuts what arrives into messages, sends
// frames in order, and reports its close exactly once, after every
// message that arrived before it.
//
// What it holds is bounded: the socket reads ahead at most kReadAhead
// bytes, and its owner may pause reading altogether (the peer's sends then
// wait in the network, which slows the peer, not the owner). A close waits
// for what was sent to go out, but never longer than kCloseGrace.
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
    // Closes after what was sent has gone out (or the grace is over);
    // closed() follows once.
    void close();
    // Drops the connection at once, unsent bytes and all; closed() follows.
    void drop();
    // While paused, nothing is read; what arrives waits in the network.
    void setReadingPaused(bool paused);
    bool readingPaused() const { return m_paused; }
    // Bytes written and not yet taken by the network, and bytes read ahead.
    qint64 bytesToWrite() const;
    qint64 bytesReadAhead() const;

    bool isConnected() const;
    // The peer's address as text, an IPv4 peer of an IPv6 socket in its
    // IPv4 form; empty when unknown.
    QString peerAddress() const;

    static constexpr qint64 kReadAhead = 64 * 1024;
    static constexpr int kSendWindow = 64 * 1024; // an accepted connection's network send buffer
    static constexpr int kCloseGrace = 2000; // milliseconds

signals:
    void connected();
    // One complete message, terminator removed; empty messages are not
    // passed on.
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

    // The peer is gone; the close is told once what it sent is read.
    void peerGone();

    QTcpSocket* m_socket;
    brixo::FrameCutter m_cutter;
    bool m_wasConnected = false;
    bool m_closeReported = false;
    bool m_peerGone = false;
    bool m_paused = false;
};
