// Ports and server processes for tests that must not depend on the game
// port being free.
#pragma once

#include "net/qt/tsocklistener.h"
#include "tests/qt/waitfor.h"

#include <QProcess>
#include <QStringList>
#include <QUdpSocket>

#include <cctype>

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

// Starts `brixo --server --port 0` (or `--lobby`, as the first of the
// arguments) with the arguments; the port it reports listening on, or 0.
inline quint16 startHeadlessServer(QProcess& process, const QStringList& arguments)
{
    const bool lobby = arguments.value(0) == QStringLiteral("--lobby");
    process.setProgram(brixoProgram());
    process.setArguments(QStringList{lobby ? "--lobby" : "--server", "--port", "0"} + arguments.mid(lobby ? 1 : 0));
    process.start();
    if (!process.waitForStarted(5000)) return 0;
    QByteArray out;
    if (!waitFor([&] {
            out += process.readAllStandardOutput();
            return out.contains('\n');
        }))
        return 0;
    const QByteArray prefix = lobby ? "Brixo lobby listening on port " : "Brixo server listening on port ";
    if (!out.startsWith(prefix)) return 0;
    const QByteArray rest = out.mid(prefix.size());
    int digits = 0;
    while (digits < rest.size() && std::isdigit(static_cast<unsigned char>(rest[digits]))) ++digits;
    return quint16(rest.left(digits).toUInt());
}
