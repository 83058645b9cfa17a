// Showing the table's mirror: every label, button, panel, the board, the
// rack's tile pictures, the hand and the game log are drawn from its state
// after each message, press and clock tick.
#include "table/chatform.h"

#include "dialogs/spylistform.h"
#include "dialogs/tallylistform.h"
#include "table/blinksign.h"
#include "table/boardview.h"
#include "table/cardimage.h"
#include "table/core/seatwords.h"
#include "table/core/tablehint.h"
#include "table/fittext.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

using brixo::TableMirror;

namespace {

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

const QString kClockColour = QStringLiteral("color: #e0e39d;");
const QString kClockRed = QStringLiteral("color: #ff0000;");

} // namespace

void Tchat::apply(const brixo::TableUpdate& update)
{
    for (const std::string& frame : update.sends) send(frame);
    for (const std::string& notice : update.notices) addlinetochat(text(notice), kNoticeColour);
    if (update.settingsDue) loadinifile();
    for (const std::string& name : update.sounds) playsounds(text(name));
    if (!update.tallyResult.empty()) m_tally->addgame(update.tallyResult);
    render();
}

void Tchat::render()
{
    renderSeats();
    renderInfo();
    renderTurn();
    renderLog();
    board->sync();
    // A hint holds for the turn it was asked in.
    if (m_mirror.turnSeat() != m_hintTurn) m_hintSlots.clear();
    Hint1->setEnabled(brixo::mayhint(m_mirror));
    renderRack();
    renderHand();
    QStringList spies;
    for (const brixo::Spectator& s : m_mirror.spectators())
        spies << QString::number(s.slot) + QStringLiteral(": ") + text(s.name);
    m_spylist->setEntries(spies);
}

void Tchat::renderSeats()
{
    for (int seat = 1; seat <= TableMirror::kSeatCount; ++seat) {
        const brixo::SeatState& s = m_mirror.seat(seat);
        label_playername[seat]->setText(text(m_mirror.seatName(seat)));
        label_score[seat]->setText(text(m_mirror.scoreText(seat)));
        label_bonus[seat]->setText(text(m_mirror.lastPointsText(seat)));
        label_cards[seat]->setText(text(m_mirror.tilesText(seat)));
        image_eyes[seat]->setVisible(s.watching);
        if (image_sitout[seat]) image_sitout[seat]->setVisible(s.sittingOut);
    }
    const int turn = m_mirror.turnSeat();
    if (turn >= 1 && turn <= TableMirror::kSeatCount) {
        const QLabel* name = label_playername[turn];
        image_Turn->move(image_Turn->x(), name->y() + (name->height() - image_Turn->height()) / 2);
        image_Turn->show();
    } else {
        image_Turn->hide();
    }
    JustWatch1->setChecked(m_mirror.seat(m_mirror.mySeat()).watching);
}

void Tchat::renderInfo()
{
    using namespace brixo::seatwords;
    const brixo::TableOptions& o = m_mirror.options();
    if (o.known) {
        label_playtoscore->setText(text(playTo(o.playto)));
        label_timeperturn->setText(text(o.turntimePlain ? timePerTurnPlain(o.turntime) : timePerTurn(o.turntime)));
        label_tp->setText(text(timePenalty(o.penalty)));
    } else {
        label_playtoscore->setText(QStringLiteral("Play To Score: "));
        label_timeperturn->setText(QStringLiteral("Time Per Turn: "));
        label_tp->setText(QStringLiteral("Time Penalty: "));
    }
    label_Tg->setText(text(teamLine(o.team)));
    image_Tg->setVisible(o.team);
    label_tilesleft->setText(text(tilesLeft(m_mirror.tilesLeft())));

    const TurnClock& clock = m_mirror.clock();
    image_timer->resize(clock.barWidth(), image_timer->height());
    label_timer->setStyleSheet(clock.running() && clock.red() ? kClockRed : kClockColour);
    label_timer->setText(text(clockText(clock.secondsLeft())));
    // A clock started afresh begins a whole second.
    if (!m_mirror.clockRunning()) {
        turntime->stop();
    } else if (!turntime->isActive() || m_clockStartsShown != m_mirror.clockStarts()) {
        turntime->start();
    }
    m_clockStartsShown = m_mirror.clockStarts();
}

void Tchat::renderTurn()
{
    const brixo::TurnControls& c = m_mirror.controls();
    button_draw->setVisible(c.draw);
    button_finish->setVisible(c.finish);
    button_clear->setVisible(c.clear);
    animated_incomplete->setVisible(c.sign);
    if (c.signBlinking) animated_incomplete->play();
    else animated_incomplete->stop();
    button_pause->setEnabled(c.pauseEnabled);
    button_pause->setChecked(m_mirror.paused());

    const auto overlay = [](QWidget* w, bool on) {
        if (on && w->isHidden()) w->raise();
        w->setVisible(on);
    };
    overlay(panel_penalty, c.penaltyPanel);
    overlay(panel_laydown, c.laydownPanel);
    overlay(image_cover, m_mirror.paused());
    overlay(image_pause, m_mirror.paused());
    overlay(label_sitout, m_mirror.waitingForRound());
    const QString won = text(m_mirror.winnerText());
    if (label_winner1->text() != won) {
        setFittedText(label_winner1, won, 20);
        setFittedText(label_winner2, won, 20);
    }
    overlay(panel_winner, !won.isEmpty());
    overlay(button_start, m_mirror.startOffered());

    const QString status = text(m_mirror.status());
    if (label_status->text() != status) setFittedText(label_status, status, 12);
    label_played->setText(text(m_mirror.lastAction()));
}

void Tchat::renderLog()
{
    const std::vector<std::string>& log = m_mirror.log();
    if (m_logShownGeneration != m_mirror.logGeneration() || m_logShownLines > int(log.size())) {
        memo_log->clear();
        m_logShownGeneration = m_mirror.logGeneration();
        m_logShownLines = 0;
    }
    for (; m_logShownLines < int(log.size()); ++m_logShownLines) memo_log->appendPlainText(text(log[m_logShownLines]));
}

// One picture per tile of the rack, at its place; raised while in the
// hand, out of sight while placed and waiting for the server.
void Tchat::renderRack()
{
    const RackPositions& places = m_mirror.rackPositions();
    std::vector<int> order;
    QHash<int, CardImage*> kept;
    for (int p = 1; p <= RackPositions::kPositions; ++p) {
        const int slot = places.slotAt(p);
        if (slot == RackPositions::kFree) continue;
        const int tile = m_mirror.rack().at(slot);
        CardImage* card = m_cards.take(slot);
        if (card && card->tile() != tile) {
            card->hide();
            card->setParent(nullptr);
            card->deleteLater();
            card = nullptr;
        }
        if (!card) {
            card = new CardImage(slot, tile, m_cardsArea);
            card->setPixmap(m_pictures.big(tile));
            connect(card, &CardImage::pressed, this, &Tchat::cardimagesMouseDown);
        }
        const bool raised = m_mirror.hand().holdsSlot(slot);
        card->move((p - 1) * CardImage::kWidth, raised ? CardImage::kRaisedTop : CardImage::kRestingTop);
        card->setVisible(!m_mirror.awaitingFree(slot));
        card->setMarked(std::find(m_hintSlots.begin(), m_hintSlots.end(), slot) != m_hintSlots.end());
        kept.insert(slot, card);
        order.push_back(slot);
    }
    // Tiles that left the rack.
    for (CardImage* gone : std::as_const(m_cards)) {
        gone->hide();
        gone->setParent(nullptr);
        gone->deleteLater();
    }
    m_cards = kept;
    // Later places are drawn in front, so the pictures overlap the way they lie.
    if (order != m_stackedSlots) {
        for (int slot : order) m_cards.value(slot)->raise();
        m_stackedSlots = order;
    }
}

void Tchat::renderHand()
{
    const brixo::Hand& hand = m_mirror.hand();
    if (hand.empty()) {
        draggingimage->setProperty("tag", -1);
        draggingimage->hide();
        if (board->cursor().shape() == Qt::PointingHandCursor) board->unsetCursor();
        return;
    }
    if (draggingimage->property("tag").toInt() != hand.tile) {
        draggingimage->setPixmap(m_pictures.small(hand.tile));
        draggingimage->setProperty("tag", hand.tile);
    }
}
