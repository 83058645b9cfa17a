#include "net/qt/announcer.h"

#include "net/gameport.h"

#include <QNetworkInterface>
#include <QTimer>
#include <QUdpSocket>

Announcer::Announcer(std::function<brixo::Announcement()> source, QObject* parent)
    : QObject(parent), m_source(std::move(source)), m_socket(new QUdpSocket(this)), m_timer(new QTimer(this))
{
    m_timer->setInterval(kIntervalMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &Announcer::announce);
}

void Announcer::start()
{
    m_port = quint16(brixo::discoveryPort());
    const std::vector<std::string> listed = brixo::announceTargets();
    m_broadcast = listed.empty();
    m_listed.clear();
    for (const std::string& entry : listed) {
        const QHostAddress address(QString::fromStdString(entry));
        if (address.isNull()) qWarning("brixo: BRIXO_ANNOUNCE_TO: '%s' is no address, skipped", entry.c_str());
        else m_listed.append(address);
    }
    announce();
    m_timer->start();
}

void Announcer::stop()
{
    m_timer->stop();
}

bool Announcer::isAnnouncing() const
{
    return m_timer->isActive();
}

QList<QHostAddress> Announcer::targets() const
{
    if (!m_broadcast) return m_listed;
    QList<QHostAddress> broadcasts;
    const auto wanted = QNetworkInterface::IsUp | QNetworkInterface::IsRunning | QNetworkInterface::CanBroadcast;
    for (const QNetworkInterface& network : QNetworkInterface::allInterfaces()) {
        if ((network.flags() & wanted) != wanted || network.flags().testFlag(QNetworkInterface::IsLoopBack)) continue;
        for (const QNetworkAddressEntry& entry : network.addressEntries()) {
            const QHostAddress broadcast = entry.broadcast();
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol && !broadcast.isNull() &&
                !broadcasts.contains(broadcast))
                broadcasts.append(broadcast);
        }
    }
    return broadcasts;
}

void Announcer::announce()
{
    const std::string datagram = brixo::encodeAnnouncement(m_source());
    const QByteArray bytes(datagram.data(), qsizetype(datagram.size()));
    // A network that is gone or refuses the datagram only misses this one.
    for (const QHostAddress& target : targets()) m_socket->writeDatagram(bytes, target, m_port);
}
