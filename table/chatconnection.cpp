// Start-up from the command line, the connection to the server, the login
// and the dispatch of every message the server sends.
#include "table/chatform.h"

#include "dialogs/gamestartform.h"
#include "dialogs/spylistform.h"
#include "net/catalogue.h"
#include "net/gameport.h"
#include "net/qt/messagepump.h"
#include "net/qt/tsock.h"
#include "server/qt/qtserverhost.h"
#include "table/colourtext.h"

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

namespace {
const QString kLocalHost = QStringLiteral("127.0.0.1");
}

void Tchat::processparams()
{
    StartGame1->setEnabled(false);

    if (m_params.isEmpty()) {
        addlinetochat(QStringLiteral("Loading Solo Game..Please wait."), kNoticeColour);
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

void Tchat::hostpress()
{
    QString error;
    bool listening = false;
    if (m_serverSwitch) {
        listening = m_serverSwitch(&error);
    } else {
        if (!m_server) {
            m_server = new QtServerHost(this);
            // The computer players keep the pace this table's menu sets.
            m_server->setBotSpeedSource([this] { return botSpeed(); });
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
    }
    m_sock->open(host, static_cast<quint16>(brixo::gamePort()));
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

// The settings file is read here once connected; until it exists the
// window keeps its defaults, and the host only tells the server its
// computer players' speed.
void Tchat::loadinifile()
{
    if (m_mirror.mySeat() == 1 && m_mirror.loggedIn()) send(brixo::msg::botspeed(1, botSpeed()));
}

void Tchat::gameIsFull()
{
    m_closing = true;
    QMessageBox::information(this, QStringLiteral("Brixo"), QStringLiteral("Game is full"));
    close();
}

void Tchat::sockInfoClosed()
{
    // Without its connection the table has nothing left to show.
    m_closing = true;
    close();
}

void Tchat::addlinetochat(const QString& line, const QColor& colour)
{
    QScrollBar* bar = mainchat->verticalScrollBar();
    QTextCursor cursor(mainchat->document());
    cursor.movePosition(QTextCursor::End);
    if (!mainchat->document()->isEmpty()) cursor.insertBlock();
    QTextCharFormat plain;
    plain.setForeground(colour);
    plain.setFontWeight(QFont::Normal);
    const int colon = line.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        QTextCharFormat bold = plain;
        bold.setFontWeight(QFont::Bold);
        cursor.insertText(line.left(colon + 1), bold);
        cursor.insertText(line.mid(colon + 1), plain);
    } else {
        cursor.insertText(line, plain);
    }
    bar->setValue(bar->maximum());
}

void Tchat::chatrecieved(const QString& text)
{
    const int bar = text.indexOf(QLatin1Char('|'));
    if (bar < 0) {
        addlinetochat(text, QColor(255, 0, 0));
        return;
    }
    const auto colour = colourtext::read(text.mid(bar + 1));
    addlinetochat(text.left(bar), colour.value_or(QColor(255, 0, 0)));
}

void Tchat::sendit()
{
    if (!m_mirror.loggedIn()) return;
    const QString line = mychat->text();
    if (line.isEmpty()) return;
    const QString colour = colourtext::write(Qt::black);
    if (!line.startsWith(QLatin1Char('/'))) {
        send(brixo::msg::chat(m_mirror.mySeat(), (line + QLatin1Char('|') + colour).toStdString()));
    } else if (line.left(3) == QStringLiteral("/me")) {
        send(brixo::msg::action(m_mirror.mySeat(), (line.mid(4) + QLatin1Char('|') + colour).toStdString()));
    }
    mychat->clear();
}
