#include "net/qt/gamelistener.h"

#include "net/gameport.h"

#include <QHostAddress>
#include <QTimer>
#include <QUdpSocket>

#include <array>

namespace {

constexpr int kForgetCheckMilliseconds = 1000;

// An IPv4 sender as dotted text, also when a dual-stack socket reports it
// as an IPv4-mapped IPv6 address, so that one host is listed once.
QString senderText(const QHostAddress& sender)
{
    bool ipv4 = false;
    const quint32 address = sender.toIPv4Address(&ipv4);
    return ipv4 ? QHostAddress(address).toString() : sender.toString();
}

} // namespace

GameListener::GameListener(QObject* parent)
    : QObject(parent), m_socket(new QUdpSocket(this)), m_forgetTimer(new QTimer(this))
{
    m_forgetTimer->setInterval(kForgetCheckMilliseconds);
    connect(m_forgetTimer, &QTimer::timeout, this, &GameListener::forgetOld);
    connect(m_socket, &QUdpSocket::readyRead, this, &GameListener::readDatagrams);
}

bool GameListener::start(QString* error)
{
    if (isListening()) return true;
    const auto port = quint16(brixo::discoveryPort());
    const auto mode = QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint;
    // Every address, IPv6 included where the machine has it.
    if (!m_socket->bind(QHostAddress::Any, port, mode) && !m_socket->bind(QHostAddress::AnyIPv4, port, mode)) {
        if (error) *error = m_socket->errorString();
        return false;
    }
    m_forgetTimer->start();
    return true;
}

void GameListener::stop()
{
    m_forgetTimer->stop();
    m_socket->close();
}

bool GameListener::isListening() const
{
    return m_socket->state() == QAbstractSocket::BoundState;
}

void GameListener::readDatagrams()
{
    bool changed = false;
    std::array<char, brixo::kMaxAnnouncementBytes + 1> buffer;
    while (m_socket->hasPendingDatagrams()) {
        QHostAddress sender;
        const qint64 size = m_socket->readDatagram(buffer.data(), qint64(buffer.size()), &sender);
        if (size < 0) break;
        const std::string address = senderText(sender).toStdString();
        const std::string_view datagram(buffer.data(), std::size_t(size));
        changed |= m_finder.heard(address, datagram, brixo::GameFinder::Clock::now());
    }
    if (changed) emit gamesChanged();
}

void GameListener::forgetOld()
{
    if (m_finder.forgetOld(brixo::GameFinder::Clock::now())) emit gamesChanged();
}
