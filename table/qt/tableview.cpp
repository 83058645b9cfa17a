// Showing the table's mirror: every label, button, panel, the board, the
// rack's tile pictures, the hand and the game log are drawn from its state
// after each message, press and clock tick.
#include "table/qt/chatform.h"

#include "dialogs/spylistform.h"
#include "dialogs/tallylistform.h"
#include "table/qt/blinksign.h"
#include "table/qt/boardview.h"
#include "table/qt/cardimage.h"
#include "table/boardproblems.h"
#include "table/racklayout.h"
#include "table/seatwords.h"
#include "table/tablehint.h"
#include "table/qt/fittext.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <optional>

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
        label_timeperturn->setText(text(timePerTurn(o.turntime)));
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
    const int track = image_timer->parentWidget()->width();
    image_timer->resize(clock.barWidth(track), image_timer->height());
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
    Draw1->setEnabled(c.draw && !c.penaltyPanel);
    Finish1->setEnabled(c.finish && !c.penaltyPanel);
    Clear1->setEnabled(c.clear);
    Undo1->setEnabled(m_mirror.mayUndo());
    PutBack1->setEnabled(!m_mirror.hand().empty());
    Pause1->setEnabled(c.pauseEnabled);

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
        setFittedText(label_winner1, won, m_scale.px(20));
        setFittedText(label_winner2, won, m_scale.px(20));
    }
    overlay(panel_winner, !won.isEmpty());
    overlay(button_start, m_mirror.startOffered());

    // Why a press was refused comes first; on a first lay-down, how far it has got.
    QString status = text(m_mirror.refusal().empty() ? m_mirror.status() : m_mirror.refusal());
    if (const std::optional<int> laid = m_mirror.layDownPoints(); laid && *laid > 0 && m_mirror.refusal().empty())
        status += QStringLiteral("  ") + text(brixo::seatwords::layDownProgress(*laid));
    if (label_status->text() != status) setFittedText(label_status, status, m_scale.px(12));
    label_played->setText(text(m_mirror.lastAction()));
    renderPenalty();
    renderRound();
}

// The penalty question names the first set that is not valid and stands
// over the half of the board that set is not in.
void Tchat::renderPenalty()
{
    if (panel_penalty->isHidden()) return;
    const std::vector<brixo::BoardProblem> problems = brixo::boardproblems(m_mirror.board());
    QString named;
    int top = panel_penalty->y();
    if (!problems.empty()) {
        const brixo::BoardProblem& first = problems.front();
        QStringList tiles;
        for (int col = first.first; col <= first.last; ++col)
            tiles << text(brixo::gettilename(m_mirror.board().at(col, first.row)));
        named = QStringLiteral("%1: %2.").arg(tiles.join(QStringLiteral(", ")), text(first.reason));
        const int margin = m_scale.px(8);
        top = first.row <= 6 ? boardimage->geometry().bottom() - margin - panel_penalty->height() : margin;
    }
    penalty_set->setText(named);
    panel_penalty->move(panel_penalty->x(), top);
}

void Tchat::renderRound()
{
    const std::vector<brixo::RoundLine>& lines = m_mirror.roundSummary();
    QStringList shown;
    for (const brixo::RoundLine& line : lines)
        shown << QStringLiteral("%1: %2 %3 left, %4 points")
                     .arg(text(line.name))
                     .arg(line.tiles)
                     .arg(line.tiles == 1 ? QStringLiteral("tile") : QStringLiteral("tiles"))
                     .arg(line.points > 0 ? QStringLiteral("+%1").arg(line.points) : QString::number(line.points));
    round_lines->setText(shown.join(QLatin1Char('\n')));
    // As tall as its lines, over the lower half of the board.
    panel_round->resize(panel_round->width(), m_scale.px(36 + 18 * int(lines.size())));
    round_lines->resize(round_lines->width(), m_scale.px(18 * int(lines.size()) + 4));
    const bool on = !lines.empty() && m_mirror.winnerText().empty();
    if (on && panel_round->isHidden()) panel_round->raise();
    panel_round->setVisible(on);
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
    const std::vector<racklayout::Spot> spots = racklayout::spots(places.count());
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
            connect(card, &CardImage::dragged, this, &Tchat::carryTo);
            connect(card, &CardImage::released, this, &Tchat::dropAt);
        }
        const bool raised = m_mirror.hand().holdsSlot(slot);
        const racklayout::Spot& spot = spots.at(std::min<std::size_t>(p, spots.size()) - 1);
        const brixo::ScaledRect at =
            m_scale.rect(spot.x, raised ? spot.y - spot.raise : spot.y, spot.width, spot.height);
        card->setGeometry(at.x, at.y, at.width, at.height);
        card->setVisible(!m_mirror.awaitingFree(slot));
        card->setMarked(std::find(m_hintSlots.begin(), m_hintSlots.end(), slot) != m_hintSlots.end());
        const std::vector<int>& drawn = m_mirror.justDrawn();
        card->setJustDrawn(std::find(drawn.begin(), drawn.end(), slot) != drawn.end());
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
