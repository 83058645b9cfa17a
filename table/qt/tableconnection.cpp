// Start-up as the command line asked, and the game the table takes part
// in: a solo game, hosting a game on this network or joining one, leaving
// it, and what the window says when its host cannot be reached, turns it
// away or goes. Whatever happens to a game, the program stays: the table
// goes back to a solo game and offers to find another.
#include "table/qt/chatform.h"

#include "dialogs/downloadform.h"
#include "dialogs/playwithothers.h"
#include "dialogs/spylistform.h"
#include "net/gameport.h"
#include "net/hostaddress.h"
#include "net/qt/tsock.h"
#include "table/qt/journalkeptgames.h"
#include "table/qt/reconnector.h"

#include <QAction>
#include <QFileInfo>
#include <QHostAddress>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QPushButton>
#include <QTimer>
#include <QScreen>
#include <QStandardPaths>

namespace {

const QString& kThisMachine = TableSession::kThisMachine;
const QString kSoloName = QStringLiteral("You");

// The addresses others on this machine's networks can reach a game at,
// "address:port", IPv4 first; this machine's own when it has no network.
QStringList reachableEndpoints(quint16 port)
{
    QStringList v4, v6;
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.isLoopback() || address.isLinkLocal()) continue;
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            v4 << QStringLiteral("%1:%2").arg(address.toString()).arg(port);
        else if (address.protocol() == QAbstractSocket::IPv6Protocol)
            v6 << QStringLiteral("[%1]:%2").arg(address.toString()).arg(port);
    }
    if (v4.isEmpty() && v6.isEmpty()) v4 << QStringLiteral("%1:%2").arg(kThisMachine).arg(port);
    return v4 + v6;
}

} // namespace

void Tchat::processparams()
{
    StartGame1->setEnabled(false);
    using Mode = brixo::TableLaunch::Mode;
    if (m_launch.mode == Mode::Solo) {
        addlinetochat(tr("Loading Solo Game..Please wait."), kNoticeColour);
        startSolo();
        offerStartChoice();
        return;
    }
    addlinetochat(tr("Loading Multi-player Game.. Please Wait."), kNoticeColour);
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

// A solo start first offers to play with others (the player may switch
// that off); the companion lobby only when it is installed.
void Tchat::offerStartChoice()
{
    if (!m_settings.showStartChoice) return;
    QString lobby = QStandardPaths::findExecutable(QStringLiteral("quorvinlobby"));
    if (lobby.isEmpty() && QFileInfo(QStringLiteral("/opt/quorvin/quorvinlobby")).isExecutable())
        lobby = QStringLiteral("/opt/quorvin/quorvinlobby");
    m_download->setLobbyProgram(lobby);
    m_download->setShowAtStart(m_settings.showStartChoice);
    placeBeside(m_download);
    m_download->show();
    m_download->raise();
    m_download->activateWindow();
}

void Tchat::PlayWithOthers1Click()
{
    // The start window's question is answered.
    m_download->hide();
    // The name the player last played with others under.
    m_playWithOthers->setPlayerName(QString::fromStdString(m_settings.playerName));
    QStringList recent;
    for (const std::string& host : m_settings.recentHosts) recent << QString::fromStdString(host);
    m_playWithOthers->setRecentHosts(recent);
    m_playWithOthers->setLobby(QString::fromStdString(m_settings.lobbyServer));
    showHosting();
    placeBeside(m_playWithOthers);
    m_playWithOthers->show();
    m_playWithOthers->raise();
    m_playWithOthers->activateWindow();
}

// Beside the table, so that the table stays in sight; over its middle when
// the screen has no room beside it; never off the screen.
void Tchat::placeBeside(QWidget* window)
{
    window->adjustSize();
    const QSize size = window->frameGeometry().size();
    QPoint at(frameGeometry().right() + 8, y());
    if (const QScreen* s = screen()) {
        const QRect work = s->availableGeometry();
        if (at.x() + size.width() > work.right() + 1) {
            const int left = frameGeometry().left() - 8 - size.width();
            at = left >= work.left() ? QPoint(left, y()) : frameGeometry().center() - QPoint(size.width(), size.height()) / 2;
        }
        at.setX(qMax(work.left(), qMin(at.x(), work.right() + 1 - size.width())));
        at.setY(qMax(work.top(), qMin(at.y(), work.bottom() + 1 - size.height())));
    }
    window->move(at);
}

void Tchat::startSolo()
{
    m_playerName = kSoloName;
    m_hostAddress = kThisMachine;
    m_closing = false;
    beginSession(TableSession::Role::Solo, kThisMachine);
}

void Tchat::hostpress()
{
    std::optional<brixo::KeptGame> kept;
    if (m_keptGames) kept = m_keptGames->find();
    if (kept) offerResume(*kept);
    else beginSession(TableSession::Role::Host, kThisMachine);
}

void Tchat::offerResume(const brixo::KeptGame& kept)
{
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Brixo"),
                                QString::fromStdString(brixo::resumeQuestion(kept)), QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("box_resume"));
    box->setTextFormat(Qt::PlainText); // the names came from the network once
    QPushButton* resume = box->addButton(tr("Resume"), QMessageBox::AcceptRole);
    QPushButton* discard = box->addButton(tr("Discard"), QMessageBox::DestructiveRole);
    box->setDefaultButton(resume);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, resume, discard, kept] {
        if (box->clickedButton() == discard) {
            confirmDiscard(kept);
        } else if (box->clickedButton() == resume) {
            m_keptGames->resume();
            beginSession(TableSession::Role::Host, kThisMachine);
        } else {
            // Closed without an answer: the question stands.
            QTimer::singleShot(0, this, [this, kept] { offerResume(kept); });
        }
    });
    box->open();
}

void Tchat::confirmDiscard(const brixo::KeptGame& kept)
{
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Brixo"),
                                QString::fromStdString(brixo::discardQuestion(kept)), QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("box_discard"));
    box->setTextFormat(Qt::PlainText);
    QPushButton* discard = box->addButton(tr("Discard"), QMessageBox::DestructiveRole);
    QPushButton* back = box->addButton(QMessageBox::Cancel);
    box->setDefaultButton(back);
    box->setEscapeButton(back);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, discard, kept] {
        if (box->clickedButton() == discard) {
            m_keptGames->discard();
            beginSession(TableSession::Role::Host, kThisMachine);
        } else {
            offerResume(kept);
        }
    });
    box->open();
}

void Tchat::joinpress()
{
    beginSession(TableSession::Role::Join, m_hostAddress);
}

void Tchat::hostGame(const QString& playerName)
{
    if (!mayLeaveGame()) return;
    m_playerName = playerName;
    m_hostAddress = kThisMachine;
    m_closing = false;
    rememberName();
    hostpress();
}

void Tchat::joinGame(const QString& playerName, const QString& address, bool remember)
{
    if (!mayLeaveGame()) return;
    m_playerName = playerName;
    m_hostAddress = address;
    m_closing = false;
    rememberName();
    if (remember) {
        m_settings.recentHosts = brixo::withRecentHost(m_settings.recentHosts, address.toStdString());
        saveinifile();
    }
    joinpress();
    m_playWithOthers->hide();
}

void Tchat::enterRoom(const QString& playerName, const QString& lobby, const brixo::TableMirror::RoomRequest& room)
{
    if (!mayLeaveGame()) return;
    m_playerName = playerName;
    m_hostAddress = lobby;
    m_closing = false;
    rememberName();
    if (m_settings.lobbyServer != lobby.toStdString()) {
        m_settings.lobbyServer = lobby.toStdString();
        saveinifile();
    }
    beginSession(TableSession::Role::Online, lobby, room);
    m_playWithOthers->hide();
}

void Tchat::noSuchRoom(const std::string& code)
{
    startSolo();
    PlayWithOthers1Click();
    m_playWithOthers->showPage(PlayWithOthers::Page::Online);
    m_playWithOthers->showOnlineProblem(
        tr("No room has the code %1: it may have closed. Check the code with your friend.")
            .arg(QString::fromStdString(code)));
}

void Tchat::leaveGame()
{
    if (!mayLeaveGame()) return;
    startSolo();
    PlayWithOthers1Click();
}

bool Tchat::mayLeaveGame()
{
    // A game in play is not thrown away by a slip of the mouse.
    if (!mirror().gameRunning() || m_session->role() == TableSession::Role::Solo) return true;
    return QMessageBox::question(this, QStringLiteral("Brixo"), tr("A game is being played. Leave it?"),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool Tchat::mayQuit()
{
    const bool playing = mirror().mySeat().valid() || mirror().host();
    if (!mirror().gameRunning() || !playing) return true;
    return QMessageBox::question(this, QStringLiteral("Brixo"), tr("A game is being played. Leave it and quit Brixo?"),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void Tchat::rememberName()
{
    if (m_settings.playerName == m_playerName.toStdString()) return;
    m_settings.playerName = m_playerName.toStdString();
    saveinifile();
}

void Tchat::applyPreferences()
{
    // Both sort buttons up sort by colour too, the tile codes' own order.
    if (m_session)
        m_session->setPreferences(m_sortChoice == SortChoice::ByNumber, m_sortChoice != SortChoice::Neither,
                                  m_settings.newTurnSound);
}

void Tchat::makeSession(TableSession::Role role, const QString& address, quint16 port,
                        const brixo::TableMirror::RoomRequest& room)
{
    if (m_session) {
        if (m_session->remote() && !m_session->mirror().seatKey().empty())
            m_seatKeys.insert(m_session->game(), m_session->mirror().seatKey());
        m_session->disconnect(this);
        m_session->leave();
        // Another game, or the same one joined again: no more waiting.
        m_reconnector->stop();
        m_session->deleteLater();
    }
    m_session = new TableSession(role, m_playerName, address, port, room, this);
    if (m_session->remote()) m_session->useSeatKey(m_seatKeys.value(m_session->game()));
    applyPreferences();
    connect(m_session, &TableSession::updated, this, &Tchat::apply);
    connect(m_session, &TableSession::unreachable, this, &Tchat::hostUnreachable);
    connect(m_session, &TableSession::connectionLost, this, &Tchat::connectionLost);
}

void Tchat::beginSession(TableSession::Role role, const QString& address, const brixo::TableMirror::RoomRequest& room)
{
    // A joiner's address may name a port; hosts take the game port.
    const auto target = brixo::parseHostAddress(address.toStdString(), brixo::gamePort());
    const QString host = target ? QString::fromStdString(target->host) : address;
    const quint16 port = static_cast<quint16>(target ? target->port : brixo::gamePort());
    makeSession(role, host, port, room);
    if (role == TableSession::Role::Host && m_journal && m_keptGames == m_journal)
        m_session->keepJournal(m_journal->file(), m_journal->takeResumed());
    const QString error = m_session->start(m_serverSwitch, {[this] { return botSpeed(); }, [this] { return botLevel(); }});
    if (!error.isEmpty()) addlinetochat(tr("The game could not be hosted: %1").arg(error), kNoticeColour);

    LeaveGame1->setEnabled(role != TableSession::Role::Solo);
    switch (role) {
    case TableSession::Role::Solo: break;
    case TableSession::Role::Host:
        addlinetochat(tr("You host a game on this network as %1.").arg(m_playerName), kNoticeColour);
        break;
    case TableSession::Role::Join:
        addlinetochat(tr("Joining the game at %1 as %2.").arg(address, m_playerName), kNoticeColour);
        break;
    case TableSession::Role::Online:
        addlinetochat(room.create ? tr("Opening a room at the lobby %1 as %2.").arg(address, m_playerName)
                                  : tr("Entering room %1 at the lobby %2 as %3.")
                                        .arg(QString::fromStdString(room.code), address, m_playerName),
                      kNoticeColour);
        break;
    }
    m_titleAddress = address;
    showHosting();
    render();
}

void Tchat::showTitle()
{
    const QString room = QString::fromStdString(mirror().roomCode());
    if (!room.isEmpty()) {
        setWindowTitle(tr("Brixo - Room %1").arg(room));
        return;
    }
    // Until it hosts or joins, the table is only the game's.
    if (m_titleAddress.isEmpty()) {
        setWindowTitle(QStringLiteral("Brixo"));
        return;
    }
    switch (m_session->role()) {
    case TableSession::Role::Solo: setWindowTitle(QStringLiteral("Brixo")); break;
    case TableSession::Role::Host: setWindowTitle(tr("Brixo - Hosting a game on this network")); break;
    case TableSession::Role::Join: setWindowTitle(tr("Brixo - Playing at %1").arg(m_titleAddress)); break;
    case TableSession::Role::Online: setWindowTitle(tr("Brixo - Online at %1").arg(m_titleAddress)); break;
    }
}

void Tchat::showHosting()
{
    const bool network = m_session->role() == TableSession::Role::Host;
    m_playWithOthers->setHosting(network ? reachableEndpoints(m_session->port()) : QStringList());
}

// A host that refuses or never answers is named, and may be tried again.
void Tchat::hostUnreachable(const QString& address)
{
    if (m_closing || findChild<QMessageBox*>(QStringLiteral("box_unreachable"))) return;
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Brixo"),
                                tr("Could not reach the host at %1.").arg(address), QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("box_unreachable"));
    QPushButton* again = box->addButton(tr("Try Again"), QMessageBox::AcceptRole);
    box->addButton(tr("Find Another Game"), QMessageBox::RejectRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, again] {
        if (box->clickedButton() == again) m_session->retry();
        else leaveGame();
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
    offerWayBack(tr("Game is full"));
}

void Tchat::removedFromGame()
{
    turntime->stop();
    offerWayBack(tr("The host removed you from this game."));
}

void Tchat::connectionLost()
{
    if (m_closing) return;
    turntime->stop();
    QString why;
    switch (m_session->role()) {
    case TableSession::Role::Join: why = tr("The host has left the game."); break;
    case TableSession::Role::Online: why = tr("The connection to the lobby was lost."); break;
    default: why = tr("The connection to the game was lost."); break;
    }
    // A host that went without saying so (its program killed, its machine
    // gone) may be back in a moment, with the game kept: wait for it. So
    // may a lobby, with the room this table was in.
    const bool inRoom = m_session->role() == TableSession::Role::Online && !m_session->roomCode().empty();
    if ((m_session->role() == TableSession::Role::Join || inRoom) && !mirror().hostLeft()) {
        hostGone();
        return;
    }
    addlinetochat(why, kNoticeColour);
    offerWayBack(why);
}

void Tchat::hostGone()
{
    if (m_session->role() == TableSession::Role::Online) {
        addlinetochat(tr("The connection to the lobby was lost. Trying to reach it again."), kNoticeColour);
        m_reconnector->start(m_session->address(), m_session->port(), tr("The lobby is gone."));
    } else {
        addlinetochat(tr("The connection to the host was lost. Trying to reach it again."), kNoticeColour);
        m_reconnector->start(m_session->address(), m_session->port());
    }
    render();
}

// The host answers again: the table joins as it did, and the seat key it
// was given brings its seat and rack back. A lobby's table enters its room
// again by the room's code.
void Tchat::hostBack()
{
    const bool online = m_session->role() == TableSession::Role::Online;
    addlinetochat(online ? tr("The lobby is back.") : tr("The host is back."), kNoticeColour);
    // The very address and port that were lost, whatever the game port
    // says by now.
    const QString host = m_session->address();
    const QString form = host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]:%2") : QStringLiteral("%1:%2");
    m_hostAddress = form.arg(host).arg(m_session->port());
    if (online) {
        brixo::TableMirror::RoomRequest room;
        room.code = m_session->roomCode();
        beginSession(TableSession::Role::Online, m_hostAddress, room);
        return;
    }
    joinpress();
}

bool Tchat::hostAway() const
{
    return m_reconnector && m_reconnector->active();
}

// The player stopped waiting, or the time ran out.
void Tchat::stopReconnecting()
{
    m_reconnector->stop();
    render();
    const QString why = m_session->role() == TableSession::Role::Online ? tr("The lobby could not be reached again.")
                                                                        : tr("The host could not be reached again.");
    addlinetochat(why, kNoticeColour);
    offerWayBack(why);
}

// The game is over for this table: it says why, and offers another game or
// a solo one.
void Tchat::offerWayBack(const QString& why)
{
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Brixo"), why, QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("box_wayback"));
    QPushButton* find = box->addButton(tr("Find Another Game"), QMessageBox::AcceptRole);
    box->addButton(tr("Play Solo"), QMessageBox::RejectRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, find] {
        const bool findAnother = box->clickedButton() == find;
        startSolo();
        if (findAnother) {
            PlayWithOthers1Click();
            m_playWithOthers->showPage(PlayWithOthers::Page::Games);
        }
    });
    box->open();
}
