// Start-up as the command line asked, and the game the table takes part
// in: hosting or joining one, and what the window says when its host
// cannot be reached, turns it away or goes.
#include "table/qt/chatform.h"

#include "dialogs/downloadform.h"
#include "dialogs/gamestartform.h"
#include "dialogs/spylistform.h"
#include "net/gameport.h"
#include "net/qt/tsock.h"
#include "store/qt/gamefolders.h"

#include <QAction>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace {
const QString& kThisMachine = TableSession::kThisMachine;
}

void Tchat::processparams()
{
    StartGame1->setEnabled(false);
    using Mode = brixo::TableLaunch::Mode;
    if (m_launch.mode == Mode::Solo) {
        addlinetochat(QStringLiteral("Loading Solo Game..Please wait."), kNoticeColour);
        offerLobby();
        m_hostAddress = kThisMachine;
        m_playerName = QStringLiteral("You");
        hostpress();
        return;
    }
    addlinetochat(QStringLiteral("Loading Multi-player Game.. Please Wait."), kNoticeColour);
    if (m_launch.mode == Mode::Incomplete) return;
    m_playerName = QString::fromStdString(m_launch.playerName);
    m_hostAddress = QString::fromStdString(m_launch.address);
    if (m_launch.mode == Mode::Host) hostpress();
    else joinpress();
    // The companion lobby program on this machine only learns that the
    // game is up from this connection; nothing travels on it.
    m_sock11 = new TSock(this);
    m_sock11->setObjectName(QStringLiteral("Sock11"));
    m_sock11->open(kThisMachine, brixo::kLobbyPort);
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
    beginSession(TableSession::Role::Host, kThisMachine);
}

void Tchat::joinpress()
{
    beginSession(TableSession::Role::Join, m_hostAddress);
}

void Tchat::makeSession(TableSession::Role role, const QString& address)
{
    if (m_session) {
        m_session->disconnect(this);
        m_session->leave();
        m_session->deleteLater();
    }
    m_session = new TableSession(role, m_playerName, address, this);
    applyPreferences();
    connect(m_session, &TableSession::updated, this, &Tchat::apply);
    connect(m_session, &TableSession::unreachable, this, &Tchat::hostUnreachable);
    connect(m_session, &TableSession::connectionLost, this, &Tchat::connectionLost);
}

void Tchat::hostGame(const QString& playerName)
{
    m_playerName = playerName;
    m_hostAddress = kThisMachine;
    m_closing = false;
    hostpress();
}

void Tchat::joinGame(const QString& playerName, const QString& address)
{
    m_playerName = playerName;
    m_hostAddress = address;
    m_closing = false;
    joinpress();
}

void Tchat::beginSession(TableSession::Role role, const QString& address)
{
    makeSession(role, address);
    const QString error = m_session->start(m_serverSwitch, {[this] { return botSpeed(); }, [this] { return botLevel(); }});
    if (!error.isEmpty()) addlinetochat(QStringLiteral("The game could not be hosted: ") + error, kNoticeColour);

    const bool hosts = m_session->hosts();
    StartGame1->setEnabled(hosts);
    m_spylist->setRemoveOffered(hosts);
    render();
}

void Tchat::applyPreferences()
{
    // Both sort buttons up sort by colour too, the tile codes' own order.
    if (m_session) m_session->setPreferences(m_sortChoice == SortChoice::ByNumber, m_settings.newTurnSound);
}

// A host that refuses or never answers is named, and may be tried again.
void Tchat::hostUnreachable(const QString& address)
{
    if (m_closing || findChild<QMessageBox*>(QStringLiteral("box_unreachable"))) return;
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Brixo"),
                                QStringLiteral("Could not reach the host at %1.").arg(address),
                                QMessageBox::Retry | QMessageBox::Close, this);
    box->setObjectName(QStringLiteral("box_unreachable"));
    box->button(QMessageBox::Retry)->setText(QStringLiteral("Try Again"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this](int answer) {
        if (answer == QMessageBox::Retry) m_session->retry();
        else close();
    });
    box->open();
}

void Tchat::receiveLine(const std::string& line)
{
    m_session->receiveLine(line);
}

void Tchat::processsocktimer()
{
    m_session->processQueued();
}

void Tchat::gameIsFull()
{
    m_closing = true;
    QMessageBox::information(this, QStringLiteral("Brixo"), QStringLiteral("Game is full"));
    close();
}

void Tchat::connectionLost()
{
    // Without its connection the table has nothing left to show; it says
    // why before it goes.
    if (m_closing) return;
    m_closing = true;
    turntime->stop();
    const QString why = m_session->hosts() ? QStringLiteral("The connection to the game was lost.")
                                           : QStringLiteral("The host has left the game.");
    addlinetochat(why, kNoticeColour);
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Brixo"), why, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, &QWidget::close);
    box->open();
}
