// Start-up from the command line, the connection to the server, the login
// and the dispatch of every message the server sends.
#include "table/qt/chatform.h"

#include "dialogs/downloadform.h"
#include "dialogs/gamestartform.h"
#include "dialogs/spylistform.h"
#include "net/catalogue.h"
#include "net/gameport.h"
#include "net/qt/messagepump.h"
#include "net/qt/tsock.h"
#include "server/qt/qtserverhost.h"
#include "store/qt/gamefolders.h"

#include <QAction>
#include <QFileInfo>
#include <QStandardPaths>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {
const QString kLocalHost = QStringLiteral("127.0.0.1");
// How long a connect may take before the host counts as unreachable.
constexpr int kConnectWait = 10000;
}

void Tchat::processparams()
{
    StartGame1->setEnabled(false);

    if (m_params.isEmpty()) {
        addlinetochat(QStringLiteral("Loading Solo Game..Please wait."), kNoticeColour);
        offerLobby();
        m_hostAddress = kLocalHost;
        m_playerName = QStringLiteral("You");
        hostpress();
        return;
    }
    addlinetochat(QStringLiteral("Loading Multi-player Game.. Please Wait."), kNoticeColour);
    if (m_params.size() < 3) return;
    m_playerName = m_params[0];
    m_hostAddress = m_params[1];
    if (m_params[2] == QStringLiteral("true")) hostpress();
    else joinpress();
    // The companion lobby program on this machine only learns that the
    // game is up from this connection; nothing travels on it.
    m_sock11 = new TSock(this);
    m_sock11->setObjectName(QStringLiteral("Sock11"));
    m_sock11->open(kLocalHost, brixo::kLobbyPort);
}

// A solo player is offered the lobby that finds games with others, in a
// window beside the table.
void Tchat::offerLobby()
{
    m_download->setFolder(QFileInfo(gamefolders::dataFile(QStringLiteral("lobby"))).absolutePath());
    QString lobby = QStandardPaths::findExecutable(QStringLiteral("quorvinlobby"));
    if (lobby.isEmpty() && QFileInfo::exists(QStringLiteral("/opt/quorvin/quorvinlobby")))
        lobby = QStringLiteral("/opt/quorvin/quorvinlobby");
    m_download->setLobbyProgram(lobby);
    // Beside the table, but never off the screen.
    m_download->adjustSize();
    QPoint beside(frameGeometry().right() + 8, y());
    if (const QScreen* s = screen()) {
        const QRect work = s->availableGeometry();
        beside.setX(qMax(work.left(), qMin(beside.x(), work.right() - m_download->frameGeometry().width())));
    }
    m_download->move(beside);
    m_download->show();
}

void Tchat::hostpress()
{
    QString error;
    bool listening = false;
    if (m_serverSwitch) {
        listening = m_serverSwitch(&error);
    } else {
        if (!m_server) {
            m_server = new QtServerHost(this);
            // The computer players keep the pace and level this table's menu sets.
            m_server->setBotSpeedSource([this] { return botSpeed(); });
            m_server->setBotLevelSource([this] { return botLevel(); });
        }
        listening = m_server->listen(static_cast<quint16>(brixo::gamePort()), &error);
    }
    if (!listening && !error.isEmpty())
        addlinetochat(QStringLiteral("The game could not be hosted: ") + error, kNoticeColour);
    m_mirror.beginHosting(m_playerName.toStdString());
    m_gamestart->setPlayerName(m_playerName);
    openConnection(kLocalHost);
    StartGame1->setEnabled(true);
    m_spylist->RemoveFromGame1->setEnabled(true);
    render();
}

void Tchat::joinpress()
{
    m_mirror.beginJoining(m_playerName.toStdString());
    m_gamestart->setPlayerName(m_playerName);
    openConnection(m_hostAddress);
    StartGame1->setEnabled(false);
    render();
}

void Tchat::openConnection(const QString& host)
{
    if (!m_sock) {
        m_sock = new TSock(this);
        m_sock->setObjectName(QStringLiteral("sock"));
        connect(m_sock, &TSock::received, this, &Tchat::receiveLine);
        connect(m_sock, &TSock::closed, this, &Tchat::sockInfoClosed);
        connect(m_sock, &TSock::connected, this, [this] { m_connectTimer->stop(); });
        // Only while connecting: a connection that was up and ends is told
        // by its close.
        connect(m_sock, &TSock::errorReported, this, [this] {
            if (m_connectTimer->isActive()) hostUnreachable();
        });
        m_connectTimer = new QTimer(this);
        m_connectTimer->setSingleShot(true);
        m_connectTimer->setInterval(kConnectWait);
        connect(m_connectTimer, &QTimer::timeout, this, &Tchat::hostUnreachable);
    }
    m_connectHost = host;
    m_sock->open(host, static_cast<quint16>(brixo::gamePort()));
    m_connectTimer->start();
}

// A host that refuses or never answers is named, and may be tried again.
void Tchat::hostUnreachable()
{
    m_connectTimer->stop();
    if (m_closing || m_sock->isConnected() || findChild<QMessageBox*>(QStringLiteral("box_unreachable"))) return;
    m_sock->drop();
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Brixo"),
                                QStringLiteral("Could not reach the host at %1.").arg(m_connectHost),
                                QMessageBox::Retry | QMessageBox::Close, this);
    box->setObjectName(QStringLiteral("box_unreachable"));
    box->button(QMessageBox::Retry)->setText(QStringLiteral("Try Again"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this](int answer) {
        if (answer == QMessageBox::Retry) openConnection(m_connectHost);
        else close();
    });
    box->open();
}

void Tchat::send(const std::string& frame)
{
    if (m_sock) m_sock->send(frame);
}

void Tchat::receiveLine(const std::string& line)
{
    m_receivedlist->push(brixo::kNoConnection, line);
}

void Tchat::processsocktimer()
{
    m_receivedlist->drain();
}

void Tchat::dispatch(std::string_view command, std::string_view args)
{
    if (command == "CMD_chat" || command == "CMD_action") {
        chatrecieved(QString::fromStdString(std::string(args)));
    } else if (command == "CMD_full") {
        gameIsFull();
    } else {
        apply(m_mirror.receive(command, args));
    }
}

void Tchat::gameIsFull()
{
    m_closing = true;
    QMessageBox::information(this, QStringLiteral("Brixo"), QStringLiteral("Game is full"));
    close();
}

void Tchat::sockInfoClosed()
{
    // Without its connection the table has nothing left to show; it says
    // why before it goes.
    if (m_closing) return;
    m_closing = true;
    turntime->stop();
    const QString why = m_server || m_serverSwitch ? QStringLiteral("The connection to the game was lost.")
                                                   : QStringLiteral("The host has left the game.");
    addlinetochat(why, kNoticeColour);
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Brixo"), why, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, &QWidget::close);
    box->open();
}
