#include "net/qt/tsock.h"

#include <QHostAddress>
#include <QMetaEnum>
#include <QTcpSocket>
#include <QTimer>

#include <vector>

namespace {
// Each read takes at most this much, so one flooding peer cannot hold the
// UI thread for long; the rest is read on the next turn of the event loop.
constexpr qint64 kReadChunk = 32768;
constexpr int kChunksPerRead = 2;
} // namespace

TSock::TSock(QObject* parent) : QObject(parent), m_socket(new QTcpSocket(this))
{
    attach();
}

TSock::TSock(QTcpSocket* accepted, QObject* parent) : QObject(parent), m_socket(accepted)
{
    m_socket->setParent(this);
    // What waits for a slow table waits here, where it is counted and
    // bounded, rather than in the network's buffers.
    m_socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, kSendWindow);
    m_wasConnected = m_socket->state() == QAbstractSocket::ConnectedState;
    attach();
    // Bytes may already be waiting; take them once the owner is wired up.
    QMetaObject::invokeMethod(this, &TSock::readAll, Qt::QueuedConnection);
}

TSock::~TSock()
{
    // Destruction is not a close the owner needs to hear about.
    m_socket->disconnect(this);
}

void TSock::attach()
{
    m_socket->setReadBufferSize(kReadAhead);
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(m_socket, &QTcpSocket::connected, this, [this] {
        m_wasConnected = true;
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        emit connected();
    });
    connect(m_socket, &QTcpSocket::readyRead, this, &TSock::readAll);
    connect(m_socket, &QTcpSocket::disconnected, this, &TSock::peerGone);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        const char* name = QMetaEnum::fromType<QAbstractSocket::SocketError>().valueToKey(error);
        emit errorReported(QStringLiteral("Error #%1 (%2)").arg(int(error)).arg(name ? name : "UNKNOWN ERROR"));
        // A peer that vanishes mid-connection may not give disconnected().
        if (m_wasConnected && m_socket->state() == QAbstractSocket::UnconnectedState) peerGone();
    });
}

void TSock::peerGone()
{
    m_peerGone = true;
    readAll();
}

void TSock::open(const QString& hostName, quint16 port)
{
    m_socket->abort();
    m_socket->connectToHost(hostName, port);
}

void TSock::send(std::string_view frame)
{
    if (!isConnected() || frame.empty()) return;
    m_socket->write(frame.data(), static_cast<qint64>(frame.size()));
    m_socket->flush();
}

void TSock::close()
{
    if (m_socket->state() == QAbstractSocket::UnconnectedState) {
        reportClosed();
        return;
    }
    m_socket->disconnectFromHost();
    // A peer that does not read would hold the connection open for ever.
    QTimer::singleShot(kCloseGrace, this, [this] {
        if (m_socket->state() != QAbstractSocket::UnconnectedState) drop();
    });
}

void TSock::drop()
{
    m_socket->abort();
    reportClosed();
}

void TSock::setReadingPaused(bool paused)
{
    if (m_paused == paused) return;
    m_paused = paused;
    if (!paused) QMetaObject::invokeMethod(this, &TSock::readAll, Qt::QueuedConnection);
}

qint64 TSock::bytesToWrite() const
{
    return m_socket->bytesToWrite();
}

qint64 TSock::bytesReadAhead() const
{
    return m_socket->bytesAvailable() + qint64(m_cutter.pending());
}

bool TSock::isConnected() const
{
    return m_socket->state() == QAbstractSocket::ConnectedState && !m_closeReported;
}

QString TSock::peerAddress() const
{
    const QHostAddress address = m_socket->peerAddress();
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    return isIPv4 ? QHostAddress(ipv4).toString() : address.toString();
}

void TSock::readAll()
{
    if (m_closeReported || m_paused) return;
    std::vector<std::string> lines;
    char buffer[kReadChunk];
    qint64 taken = 0;
    while (taken < kReadChunk * kChunksPerRead && m_socket->bytesAvailable() > 0) {
        const qint64 n = m_socket->read(buffer, sizeof buffer);
        if (n <= 0) break;
        taken += n;
        if (!m_cutter.feed(std::string_view(buffer, static_cast<std::size_t>(n)), lines)) break;
    }
    // The messages that came complete before an unterminated flood are still
    // the peer's: they go out first, and only then is the peer refused.
    for (const std::string& line : lines) {
        if (m_closeReported) break;
        // An empty message says nothing; a flood of terminators is not
        // worth a signal each.
        if (!line.empty()) emit received(line);
    }
    if (m_cutter.refused()) {
        drop();
    } else if (m_socket->bytesAvailable() > 0) {
        QMetaObject::invokeMethod(this, &TSock::readAll, Qt::QueuedConnection);
    } else if (m_peerGone) {
        // All the peer sent before it went has been passed on.
        reportClosed();
    }
}

void TSock::reportClosed()
{
    if (m_closeReported || !m_wasConnected) return;
    m_closeReported = true;
    emit closed();
}
