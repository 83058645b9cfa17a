// Ports and server processes for tests that must not depend on the game
// port being free.
#pragma once

#include "net/qt/tsocklistener.h"
#include "tests/qt/waitfor.h"

#include <QProcess>
#include <QStringList>
#include <QUdpSocket>

// A port nobody listened on a moment ago.
inline quint16 freePort()
{
    TSockListener probe;
    probe.listen(0);
    const quint16 port = probe.port();
    probe.stop();
    return port;
}

// A UDP port nobody bound a moment ago, for announcements that must reach
// only the test listening there.
inline quint16 freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

// The brixo program of this build.
inline QString brixoProgram()
{
    return QStringLiteral(BRIXO_PROGRAM);
}

// Starts `brixo --server --port 0` with the extra arguments; the port it
// reports listening on, or 0.
inline quint16 startHeadlessServer(QProcess& process, const QStringList& arguments)
{
    process.setProgram(brixoProgram());
    process.setArguments(QStringList{"--server", "--port", "0"} + arguments);
    process.start();
    if (!process.waitForStarted(5000)) return 0;
    QByteArray out;
    if (!waitFor([&] {
            out += process.readAllStandardOutput();
            return out.contains('\n');
        }))
        return 0;
    const QByteArray prefix = "Brixo server listening on port ";
    if (!out.startsWith(prefix)) return 0;
    return quint16(out.left(out.indexOf('\n')).mid(prefix.size()).toUInt());
}
