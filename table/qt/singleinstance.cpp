#include "table/qt/singleinstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), m_name(std::move(name)) {}

bool SingleInstance::disabled()
{
    return qEnvironmentVariable("BRIXO_NO_GUARD") == QStringLiteral("1");
}

bool SingleInstance::claim()
{
    if (disabled()) return true;
    const QString& name = m_name;
    {
        QLocalSocket knock;
        knock.connectToServer(name);
        if (knock.waitForConnected(500)) {
            knock.write("raise\n");
            knock.waitForBytesWritten(500);
            knock.disconnectFromServer();
            return false;
        }
    }
    // Nobody answered: a name left behind by a crashed instance is stale.
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name)) return true; // play on unguarded rather than refuse to start
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* other = m_server->nextPendingConnection()) {
            connect(other, &QLocalSocket::disconnected, other, &QObject::deleteLater);
            raiseWindow();
        }
    });
    return true;
}

void SingleInstance::raiseWindow()
{
    if (!m_window) return;
    if (m_window->isMinimized()) m_window->showNormal();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
