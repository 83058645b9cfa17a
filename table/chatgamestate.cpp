// What the server announces about seats, spectators, the game and its
// rounds and turns, shown on the table; and the table's seat-management
// requests.
#include "table/chatform.h"

#include "dialogs/gamestartform.h"
#include "dialogs/spylistform.h"
#include "net/catalogue.h"
#include "table/blinksign.h"
#include "table/boardview.h"
#include "table/cardimage.h"
#include "table/fittext.h"
#include "table/seattext.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {
QString text(std::string_view s)
{
    return QString::fromStdString(std::string(s));
}
} // namespace

QString Tchat::seatName(int seat) const
{
    return isSeat(seat) ? label_playername[seat]->text() : QString();
}

void Tchat::logline(const QString& line)
{
    memo_log->appendPlainText(line);
}

// ---- seats and spectators -------------------------------------------------

void Tchat::newplayerinfo(std::string_view args)
{
    const auto m = brixo::msg::parseSlotName(args);
    if (!m) return;
    const QString name = text(m->name);
    if (mine(m->slot)) {
        addlinetochat(QStringLiteral("You are Connected."), kNoticeColour);
        loadinifile();
    } else {
        addlinetochat(name + QStringLiteral(" is Connected."), kNoticeColour);
    }
    if (m->slot >= 1 && m->slot <= kSeatCount) {
        label_playername[m->slot]->setText(name);
        label_playername[m->slot]->show();
        label_score[m->slot]->show();
    } else if (m->slot > kSeatCount) {
        m_spylist->addEntry(QString::number(m->slot) + QStringLiteral(": ") + name);
        addlinetochat(mine(m->slot) ? QStringLiteral("You are spying.") : name + QStringLiteral(" is spying."),
                      kNoticeColour);
    }
    playsounds(QStringLiteral("entered"));
}

// The settings file is read here once connected; until it exists the
// window keeps its defaults, and the host only tells the server its
// computer players' speed.
void Tchat::loadinifile()
{
    if (m_mySeat == 1 && m_loggedIn) send(brixo::msg::botspeed(m_mySeat, botSpeed()));
}

void Tchat::playerdisconnected(std::string_view args)
{
    const auto m = brixo::msg::parseSlotName(args);
    if (!m) return;
    if (isSeat(m->slot)) {
        QLabel* label = label_playername[m->slot];
        if (label->text() != seattext::kWaiting)
            addlinetochat(label->text() + QStringLiteral(" disconnected."), kNoticeColour);
        label->setText(seattext::afterDisconnect(m->slot, m_teamGame));
        image_eyes[m->slot]->hide();
    } else if (m->slot > kSeatCount) {
        const QString entry = QString::number(m->slot) + QStringLiteral(": ") + text(m->name);
        if (m_spylist->removeEntry(entry)) addlinetochat(text(m->name) + QStringLiteral(" has left."), kNoticeColour);
    }
}

void Tchat::justwatching(std::string_view args)
{
    const auto m = brixo::msg::parseJustwatch(args);
    if (!m || !isSeat(m->seat)) return;
    if (m->mode == "1") {
        if (mine(m->seat)) JustWatch1->setChecked(true);
        addlinetochat(seatName(m->seat) + QStringLiteral(" is just watching"), kNoticeColour);
        image_eyes[m->seat]->show();
    } else {
        if (mine(m->seat)) JustWatch1->setChecked(false);
        addlinetochat(seatName(m->seat) + QStringLiteral(" is now playing again"), kNoticeColour);
        image_eyes[m->seat]->hide();
    }
}

// ---- game and round ---------------------------------------------------------

void Tchat::clearall()
{
    clearallcards();
    cleartheboard();
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        label_score[seat]->setText(QStringLiteral("0"));
        label_bonus[seat]->clear();
        label_cards[seat]->clear();
    }
}

void Tchat::setTimePerTurn(int seconds)
{
    m_clock.setTimePerTurn(seconds);
}

void Tchat::showPenaltyAndTeam(bool penalty, bool team)
{
    label_tp->setText(penalty ? QStringLiteral("Time Penalty: ON") : QStringLiteral("Time Penalty: OFF"));
    m_teamGame = team;
    if (team) {
        label_Tg->setText(QStringLiteral("Team Game"));
        image_Tg->show();
    } else {
        label_Tg->setText(QStringLiteral("Good Luck"));
        image_Tg->hide();
    }
}

void Tchat::startthegame(std::string_view args)
{
    const auto m = brixo::msg::parseStartgame(args);
    if (!m) return;
    for (int seat = 3; seat <= 4; ++seat)
        if (seatName(seat) == seattext::computerName(seat)) label_playername[seat]->setText(seattext::kWaiting);

    button_pause->setChecked(false);
    for (QWidget* w : {static_cast<QWidget*>(image_pause), static_cast<QWidget*>(image_cover),
                       static_cast<QWidget*>(button_start), static_cast<QWidget*>(panel_penalty),
                       static_cast<QWidget*>(panel_laydown), static_cast<QWidget*>(button_clear),
                       static_cast<QWidget*>(button_finish), static_cast<QWidget*>(button_draw),
                       static_cast<QWidget*>(panel_winner)})
        w->hide();
    memo_log->clear();
    JustWatch1->setChecked(false);
    clearall();

    label_playtoscore->setText(QStringLiteral("Play To Score: ") + QString::number(m->playto));
    setTimePerTurn(m->turntime);
    label_timeperturn->setText(seattext::timePerTurn(m->turntime));
    const bool team = m->team == "t";
    showPenaltyAndTeam(m->penalty == "t", team);
    if (team)
        for (int seat = 3; seat <= 4; ++seat)
            if (seatName(seat) == seattext::kWaiting) label_playername[seat]->setText(seattext::computerName(seat));

    addlinetochat(text(m->name) + QStringLiteral(" has started a game."), kNoticeColour);
    addlinetochat(QStringLiteral("Starting with ") + QString::number(m->tilestostart) + QStringLiteral(" tiles."),
                  kNoticeColour);
    if (seatName(2) == seattext::kWaiting) label_playername[2]->setText(seattext::computerName(2));
}

void Tchat::setSitout(int seat, bool on)
{
    // Seats 1 and 2 always play and have no sit-out mark.
    if (seat >= 3 && seat <= 4) image_sitout[seat]->setVisible(on);
}

void Tchat::startround(std::string_view args)
{
    const auto scores = brixo::msg::parseStartround(args);
    if (!scores) return;
    for (int seat = 1; seat <= kSeatCount; ++seat) label_score[seat]->setText(QString::number((*scores)[seat - 1]));
    for (int seat = 3; seat <= 4; ++seat) setSitout(seat, seatName(seat) == seattext::kWaiting);
    label_sitout->hide();
    clearthisturn();
    clearallcards();
    cleartheboard();
}

void Tchat::loadstats(std::string_view args)
{
    const auto m = brixo::msg::parseLoadstats(args);
    if (!m) return;
    m_turnSeat = m->turnseat;
    label_playtoscore->setText(QStringLiteral("Play To Score: ") + QString::number(m->playto));
    // The clock bar needs its scale here too, or a late joiner's bar would
    // stay empty until the next game.
    setTimePerTurn(m->turntime);
    label_timeperturn->setText(QStringLiteral("Time Per Turn: ") + QString::number(m->turntime));
    showPenaltyAndTeam(m->penalty, m->team);
    for (const auto& s : m->seats) {
        if (!isSeat(s.seat)) continue;
        label_score[s.seat]->setText(QString::number(s.score));
        label_cards[s.seat]->setText(QString::number(s.count));
        if (s.watching) image_eyes[s.seat]->show();
        if (s.sitsout) setSitout(s.seat, true);
        if (mine(s.seat) && s.sitsout) {
            label_sitout->show();
            label_sitout->raise();
        }
    }
}

void Tchat::endround(std::string_view args)
{
    const auto m = brixo::msg::parseEndround(args);
    if (!m) return;
    for (QWidget* w : {static_cast<QWidget*>(button_clear), static_cast<QWidget*>(button_finish),
                       static_cast<QWidget*>(button_draw), static_cast<QWidget*>(panel_penalty)})
        w->hide();
    m_clock.stopAt(0);
    m_turnSeat = 0;
    // A round that ends while the clock is stopped leaves nothing paused.
    clearPauseDisplay();
    image_Turn->hide();
    for (const auto& s : m->seats) {
        if (!isSeat(s.seat)) continue;
        label_score[s.seat]->setText(QString::number(s.score));
        label_bonus[s.seat]->setText(QString::number(s.points));
        label_cards[s.seat]->setText(QString::number(s.count));
    }
    setFittedText(label_status, seattext::roundOver(m->winner, m_mySeat, seatName(m->winner)), 12);
    playsounds(QStringLiteral("roundover"));
}

void Tchat::winner(std::string_view args)
{
    const QString name = QString::fromStdString(brixo::msg::parseWinner(args));
    playsounds(QStringLiteral("winner"));
    button_draw->hide();
    button_clear->hide();
    button_finish->hide();
    const QString line = seattext::winnerText(name);
    setFittedText(label_winner1, line, 20);
    setFittedText(label_winner2, line, 20);
    addlinetochat(line, kNoticeColour);
    panel_winner->show();
    panel_winner->raise();
    if (m_host) {
        button_start->show();
        button_start->raise();
    }
    // The tally of games won is kept by its own window (still to come).
}

// ---- turns --------------------------------------------------------------------

void Tchat::getnextplayer(std::string_view args)
{
    const auto m = brixo::msg::parseNextplayer(args);
    if (!m) return;
    m_turnSeat = m->turnseat;
    m_tilesLeft = m->tilesleft;
    label_tilesleft->setText(seattext::tilesLeft(m->tilesleft));
    for (const auto& s : m->seats) {
        if (!isSeat(s.seat)) continue;
        label_score[s.seat]->setText(QString::number(s.score));
        label_cards[s.seat]->setText(QString::number(s.count));
    }
    if (isSeat(m_turnSeat)) {
        const QLabel* name = label_playername[m_turnSeat];
        image_Turn->move(image_Turn->x(), name->y() + (name->height() - image_Turn->height()) / 2);
        image_Turn->show();
    } else {
        image_Turn->hide();
    }

    // Whose turn it is goes by seat: two players of one name must not both
    // be offered the turn.
    QString status;
    if (m_turnSeat != m_mySeat) {
        status = seatName(m_turnSeat) + QStringLiteral("'s turn.");
        button_pause->setEnabled(m_host);
        button_draw->hide();
        button_clear->hide();
        button_finish->hide();
        animated_incomplete->hide();
    } else {
        status = QStringLiteral("Your Turn.");
        playsounds(TurnSound1->data().toInt() == 1 ? QStringLiteral("turnnew") : QStringLiteral("turn"));
        button_pause->setEnabled(true);
        button_draw->show();
        animated_incomplete->show();
    }
    setFittedText(label_status, status, 12);
    animated_incomplete->stop();
    logline(QString());
    logline(status);
    // A turn that ended while the clock was stopped gives way to a new one
    // whose clock runs: the server sends no resume for it.
    clearPauseDisplay();
    m_clock.restart();
    showClock();
    turntime->start();
}

void Tchat::gamepause(std::string_view args)
{
    const auto mode = brixo::msg::parseGamepause(args);
    if (!mode) return;
    if (*mode == 1) {
        button_pause->setChecked(true);
        image_cover->show();
        image_cover->raise();
        image_pause->show();
        image_pause->raise();
        turntime->stop();
    } else if (*mode == 0) {
        clearPauseDisplay();
        turntime->start();
    }
}

void Tchat::clearPauseDisplay()
{
    button_pause->setChecked(false);
    image_pause->hide();
    image_cover->hide();
}

void Tchat::emptyHand()
{
    m_handSlot = -1;
    m_handCode.clear();
    m_completionMode = QStringLiteral("n");
    draggingimage->setProperty("tag", -1);
    draggingimage->hide();
    board->unsetCursor();
}

void Tchat::notime(std::string_view args)
{
    const auto m = brixo::msg::parseSeatOnly(args);
    if (!m) return;
    const QString line = mine(m->seat) ? QStringLiteral("You have run out of time!.")
                                       : seatName(m->seat) + QStringLiteral(" has ran out of time.");
    addlinetochat(line, kNoticeColour);
    logline(line);
    if (!mine(m->seat) || m_handSlot == -1) return;
    if (m_handSlot == kBoardTileSlot) {
        setcell(m_handCol, m_handRow, m_handCode.toInt());
        m_handCol = -1;
        m_handRow = -1;
    } else if (CardImage* held = card(m_handSlot)) {
        held->move(held->x(), CardImage::kRestingTop);
    }
    emptyHand();
}

void Tchat::incomplete(std::string_view args)
{
    const auto m = brixo::msg::parseSeatOnly(args);
    if (!m || !mine(m->seat)) return;
    setFittedText(label_status, QStringLiteral("Board is incomplete."), 12);
    logline(QStringLiteral("Board is incomplete."));
    playsounds(QStringLiteral("notvalid"));
}

void Tchat::notenough(std::string_view args)
{
    const auto m = brixo::msg::parseSeatOnly(args);
    if (!m || !mine(m->seat)) return;
    setFittedText(label_status, QStringLiteral("Your first lay down must equal at least 30 points"), 12);
    button_clear->show();
    button_finish->show();
    panel_laydown->show();
    panel_laydown->raise();
    playsounds(QStringLiteral("notvalid"));
}

void Tchat::askpenalty(std::string_view args)
{
    const auto m = brixo::msg::parseSeatOnly(args);
    if (!m || !mine(m->seat)) return;
    panel_penalty->show();
    panel_penalty->raise();
    button_clear->hide();
    button_finish->hide();
    button_draw->hide();
    playsounds(QStringLiteral("notvalid"));
}

// ---- seat management ----------------------------------------------------------

void Tchat::label_playername1ContextPopup(int seat)
{
    RemoveFromGame1->setEnabled(m_host);
    SettoJustWatch1->setEnabled(m_host);
    UnsetJustWatch1->setEnabled(m_host);
    if (isSeat(seat) && seatName(seat) == seattext::kWaiting) RemoveFromGame1->setEnabled(false);
    m_popupSeat = seat;
}

void Tchat::kicking(int target)
{
    if (m_host && m_loggedIn) send(brixo::msg::kickhim(m_mySeat, target));
}

void Tchat::RemoveFromGame1Click()
{
    kicking(m_popupSeat);
}

void Tchat::SettoJustWatch1Click()
{
    if (m_loggedIn && m_popupSeat >= 1 && m_popupSeat <= kSeatCount) send(brixo::msg::justwatch(m_popupSeat, "1"));
}

void Tchat::UnsetJustWatch1Click()
{
    if (m_loggedIn && m_popupSeat >= 1 && m_popupSeat <= kSeatCount) send(brixo::msg::justwatch(m_popupSeat, "2"));
}

void Tchat::JustWatch1Click()
{
    // The menu ticks itself when clicked; the mark is put back, since it
    // follows the server's answer, not the click.
    const bool wasChecked = !JustWatch1->isChecked();
    JustWatch1->setChecked(wasChecked);
    if (m_loggedIn && isSeat(m_mySeat)) send(brixo::msg::justwatch(m_mySeat, wasChecked ? "2" : "1"));
}

void Tchat::StartGame1Click()
{
    if (!m_loggedIn) {
        QMessageBox::information(this, QStringLiteral("Brixo"), QStringLiteral("You are not connected"));
        return;
    }
    m_gamestart->show();
    m_gamestart->raise();
    m_gamestart->activateWindow();
}
