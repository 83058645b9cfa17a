// Showing the table's mirror: every label, button, panel, the board, the
// rack's tile pictures, the hand and the game log are drawn from its state
// after each message, press and clock tick.
#include "table/qt/chatform.h"
#include "table/tilewords.h"

#include "dialogs/spylistform.h"
#include "dialogs/tallylistform.h"
#include "table/qt/blinksign.h"
#include "table/qt/boardview.h"
#include "table/qt/cardimage.h"
#include "table/qt/reconnector.h"
#include "table/qt/soundplayer.h"
#include "table/qt/tableaccessible.h"
#include "table/qt/tableannouncer.h"
#include "table/seatwords.h"
#include "table/boardproblems.h"
#include "table/racklayout.h"
#include "table/qt/fittext.h"
#include "table/qt/roundlinesview.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <optional>

using brixo::TableMirror;
using brixo::TurnClock;

namespace {

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

const QString kClockColour = QStringLiteral("color: #e0e39d;");
const QString kClockRed = QStringLiteral("color: #ff0000;");
// The size of the words of the game's options and the clock, as the
// table's style sheet sets it at 100 %.
constexpr int kInfoTextPixels = 11;

} // namespace


QColor qColour(brixo::Colour c)
{
    return QColor(brixo::redOf(c), brixo::greenOf(c), brixo::blueOf(c));
}

void Tchat::apply(const brixo::TableUpdate& update)
{
    for (const std::string& notice : update.notices) addlinetochat(text(notice), kNoticeColour);
    for (const brixo::chatrules::ChatLine& line : update.chat) addlinetochat(text(line.line), qColour(line.colour));
    if (update.settingsDue) {
        loadinifile();
        // The host's computer players keep the pace its menu sets.
        request([this](brixo::TableMirror& m) { return m.setBotSpeed(m_settings.botspeed); });
    }
    for (const std::string& name : update.sounds) m_sounds->play(text(name));
    if (!update.tallyResult.empty()) m_tally->addgame(update.tallyResult);
    m_announcer->follow(mirror(), update);
    render();
    if (update.gameFull) gameIsFull();
    if (update.removed) removedFromGame();
    if (update.noRoom) noSuchRoom(*update.noRoom);
}

void Tchat::render()
{
    renderSeats();
    renderInfo();
    renderTurn();
    fitButtonWords();
    renderLog();
    board->sync(mirror());
    Hint1->setEnabled(mirror().mayHint());
    renderShowMe();
    renderRack();
    renderHand();
    QStringList spies;
    for (const brixo::Spectator& s : mirror().spectators())
        spies << QString::number(s.slot.number()) + QStringLiteral(": ") + text(s.name);
    m_spylist->setEntries(spies);
    // An online table learns it holds a room's slot 1 only as it logs in.
    StartGame1->setEnabled(mirror().host());
    m_spylist->setRemoveOffered(mirror().host());
    showKeyFocus();
    if (m_access) m_access->sync(mirror(), m_announcer->narrator());
}

// Captions longer in another language shrink to fit their buttons, as
// the table's style sheet sizes them at 100 %.
void Tchat::fitButtonWords()
{
    for (QPushButton* b : {button_draw, button_finish, button_clear, button_pause, button_start})
        setFittedSheet(b, m_scale.px(12));
    for (const char* name : {"button_yes", "button_edit"})
        if (auto* b = findChild<QPushButton*>(QLatin1String(name))) setFittedSheet(b, m_scale.px(12));
    for (const char* name : {"button_log", "button_x"})
        if (auto* b = findChild<QPushButton*>(QLatin1String(name))) setFittedSheet(b, m_scale.px(10));
    setFittedSheet(button_copyroom, m_scale.px(10));
}

void Tchat::renderSeats()
{
    const TableMirror& m = mirror();
    for (const brixo::Seat place : brixo::Seat::all()) {
        const int seat = place.number();
        const brixo::SeatState& s = m.seat(place);
        // A solo player is called "You" at the table, said in the player's language.
        const bool soloYou = m.mine(place) && m.seatName(place) == brixo::seatwords::kYou;
        const bool waiting = m.seatName(place) == brixo::seatwords::kWaiting;
        label_playername[seat]->setText(soloYou ? tr("You") : waiting ? tr("<Waiting>") : text(m.seatName(place)));
        label_score[seat]->setText(text(m.scoreText(place)));
        label_bonus[seat]->setText(text(m.lastPointsText(place)));
        label_cards[seat]->setText(text(m.tilesText(place)));
        image_eyes[seat]->setVisible(s.watching);
        if (image_sitout[seat]) image_sitout[seat]->setVisible(s.sittingOut);
        image_partner[seat]->setVisible(place == m.partnerSeat());
    }
    if (const brixo::Seat turn = m.turnSeat(); turn.valid()) {
        const QLabel* name = label_playername[turn.number()];
        image_Turn->move(image_Turn->x(), name->y() + (name->height() - image_Turn->height()) / 2);
        image_Turn->show();
    } else {
        image_Turn->hide();
    }
    JustWatch1->setChecked(m.seat(m.mySeat()).watching);
    // The narrow columns' headings shrink to fit: some languages' words are longer.
    for (const char* name : {"heading_score", "heading_bonus", "heading_cards"})
        if (auto* heading = findChild<QLabel*>(QLatin1String(name)))
            setFittedText(heading, heading->text(), m_scale.px(10));
}

void Tchat::renderInfo()
{
    using namespace brixo::seatwords;
    const brixo::TableOptions& o = mirror().options();
    if (o.known) {
        label_playtoscore->setText(text(playTo(o.playto)));
        label_timeperturn->setText(text(timePerTurn(o.turntime)));
        label_tp->setText(text(timePenalty(o.penalty)));
    } else {
        label_playtoscore->setText(tr("Play To Score: "));
        label_timeperturn->setText(tr("Time Per Turn: "));
        label_tp->setText(tr("Time Penalty: "));
    }
    label_Tg->setText(text(teamLine(o.team)));
    image_Tg->setVisible(o.team);
    label_tilesleft->setText(text(tilesLeft(mirror().tilesLeft())));
    const QString room = text(mirror().roomCode());
    label_room->setText(tr("Room %1").arg(room));
    label_room->setVisible(!room.isEmpty());
    button_copyroom->setVisible(!room.isEmpty());
    showTitle();

    const TurnClock& clock = mirror().clock();
    const int track = image_timer->parentWidget()->width();
    image_timer->resize(clock.barWidth(track), image_timer->height());
    label_timer->setText(text(clockText(clock.secondsLeft())));
    setFittedSheet(label_timer, clock.running() && clock.red() ? kClockRed : kClockColour, m_scale.px(kInfoTextPixels));
    for (QLabel* label : {label_playtoscore, label_timeperturn, label_tp, label_Tg, label_tilesleft, label_room})
        setFittedSheet(label, QString(), m_scale.px(kInfoTextPixels));
    // A clock started afresh begins a whole second.
    if (!mirror().clockRunning()) {
        turntime->stop();
    } else if (!turntime->isActive() || m_clockStartsShown != mirror().clockStarts()) {
        turntime->start();
    }
    m_clockStartsShown = mirror().clockStarts();
}

void Tchat::renderTurn()
{
    // While the host is away nobody would hear a move: the turn's
    // controls wait for it.
    brixo::TurnControls c = mirror().controls();
    if (hostAway()) c = {};
    button_draw->setVisible(c.draw);
    button_finish->setVisible(c.finish);
    button_clear->setVisible(c.clear);
    animated_incomplete->setVisible(c.sign);
    if (c.signBlinking) animated_incomplete->play();
    else animated_incomplete->stop();
    button_pause->setEnabled(c.pauseEnabled);
    button_pause->setChecked(mirror().paused());
    // With tiles laid, D still answers: it says why it does not draw.
    Draw1->setEnabled((c.draw || mirror().laidThisTurn()) && mirror().mayPlay() && !c.penaltyPanel && !hostAway());
    Finish1->setEnabled(c.finish && !c.penaltyPanel);
    Clear1->setEnabled(c.clear);
    Undo1->setEnabled(mirror().mayUndo() && !hostAway());
    PutBack1->setEnabled(!mirror().hand().empty() && !hostAway());
    Pause1->setEnabled(c.pauseEnabled);

    const auto overlay = [](QWidget* w, bool on) {
        if (on && w->isHidden()) w->raise();
        w->setVisible(on);
    };
    overlay(panel_penalty, c.penaltyPanel);
    overlay(panel_laydown, c.laydownPanel);
    overlay(image_cover, mirror().paused());
    overlay(image_pause, mirror().paused());
    overlay(label_sitout, mirror().waitingForRound());
    const QString won = text(mirror().winnerText());
    if (label_winner1->text() != won) {
        setFittedText(label_winner1, won, m_scale.px(20));
        setFittedText(label_winner2, won, m_scale.px(20));
    }
    overlay(panel_winner, !won.isEmpty());
    overlay(button_start, mirror().startOffered());

    const bool reconnecting = hostAway();
    const QString status = reconnecting ? m_reconnector->text() : text(mirror().statusLine());
    button_stopreconnect->setVisible(reconnecting);
    if (reconnecting) button_stopreconnect->raise();
    if (label_status->text() != status) setFittedText(label_status, status, m_scale.px(12));
    label_played->setText(text(mirror().lastAction()));
    renderPenalty();
    renderRound();
}

// The penalty question names the first set that is not valid and stands
// over the half of the board that set is not in.
void Tchat::renderPenalty()
{
    if (panel_penalty->isHidden()) return;
    const std::vector<brixo::BoardProblem> problems = brixo::boardproblems(mirror().board());
    QString named;
    int top = panel_penalty->y();
    if (!problems.empty()) {
        const brixo::BoardProblem& first = problems.front();
        QStringList tiles;
        for (int col = first.first; col <= first.last; ++col)
            tiles << text(brixo::tileword(mirror().board().at(col, first.row)));
        //: The first set that is not valid: its tiles, and why.
        named = tr("%1: %2.").arg(tiles.join(tr(", ")), text(first.reason));
        const int margin = m_scale.px(8);
        top = first.row <= 6 ? boardimage->geometry().bottom() - margin - panel_penalty->height() : margin;
    }
    penalty_set->setText(named);
    panel_penalty->move(panel_penalty->x(), top);
}

// Each seat's points and the tiles that cost them, over the foot of the
// board; the winner's panel, when the game is over too, stands above it.
void Tchat::renderRound()
{
    const TableMirror& m = mirror();
    const std::vector<brixo::RoundLine>& lines = m.roundSummary();
    std::vector<RoundLinesView::Row> rows;
    for (const brixo::RoundLine& line : lines) {
        RoundLinesView::Row row;
        const std::string name = m.mine(line.seat) ? brixo::seatwords::kYou : m.seatName(line.seat);
        row.name = m.mine(line.seat) ? tr("You") : text(name);
        row.points = text(brixo::seatwords::pointsWord(line.points));
        row.line = text(brixo::seatwords::roundLine(name, line.tiles, line.points));
        for (const brixo::Tile tile : line.rack) row.tiles.push_back(tile.code());
        row.tilesLeft = line.tiles;
        rows.push_back(std::move(row));
    }
    const int count = int(rows.size());
    round_lines->setRows(std::move(rows), m_scale.factor());
    // At 100 %: the panel's foot stands 8 pixels above the felt's, at 381.
    constexpr int kTitle = 28;
    constexpr int kFoot = 6;
    constexpr int kBoardFoot = 373;
    const int height = kTitle + RoundLinesView::kRowHeight * count + kFoot;
    const int top = kBoardFoot - height;
    const brixo::ScaledRect panel = m_scale.rect(10, top, 440, height);
    panel_round->setGeometry(panel.x, panel.y, panel.width, panel.height);
    const brixo::ScaledRect inside = m_scale.rect(12, kTitle, 416, RoundLinesView::kRowHeight * count);
    round_lines->setGeometry(inside.x, inside.y, inside.width, inside.height);
    const bool on = count > 0;
    if (on && panel_round->isHidden()) panel_round->raise();
    panel_round->setVisible(on);
    constexpr int kWinnerTop = 120;
    constexpr int kWinnerHeight = 96;
    const int winnerTop = on ? std::max(4, std::min(kWinnerTop, top - 6 - kWinnerHeight)) : kWinnerTop;
    panel_winner->move(panel_winner->x(), m_scale.px(winnerTop));
}

void Tchat::renderLog()
{
    const std::vector<std::string>& log = mirror().log();
    if (m_logShownGeneration != mirror().logGeneration() || m_logShownLines > int(log.size())) {
        memo_log->clear();
        m_logShownGeneration = mirror().logGeneration();
        m_logShownLines = 0;
    }
    for (; m_logShownLines < int(log.size()); ++m_logShownLines) memo_log->appendPlainText(text(log[m_logShownLines]));
}

// One picture per tile of the rack, at its place; raised while in the
// hand, out of sight while placed and waiting for the server.
void Tchat::renderRack()
{
    const brixo::RackPositions& places = mirror().rackPositions();
    const std::vector<brixo::RackSlot>& hinted = mirror().hintSlots();
    const std::vector<brixo::RackSlot>& drawn = mirror().justDrawn();
    const std::optional<brixo::ShowMeStep> showMeCarries = mirror().showMeInHand();
    const std::vector<racklayout::Spot> spots = racklayout::spots(places.count());
    std::vector<int> order;
    QHash<int, CardImage*> kept;
    for (int p = 1; p <= brixo::RackPositions::kPositions; ++p) {
        const brixo::RackSlot place = places.slotAt(p);
        if (!place.valid()) continue;
        const int slot = place.number();
        const int tile = mirror().rack().at(place).code();
        CardImage* card = m_cards.take(slot);
        if (card && card->tile() != tile) {
            card->hide();
            card->setParent(nullptr);
            card->deleteLater();
            card = nullptr;
        }
        if (!card) {
            card = new CardImage(slot, tile, panel_cards);
            card->setPixmap(m_pictures.big(tile));
            connect(card, &CardImage::pressed, this, &Tchat::cardimagesMouseDown);
            connect(card, &CardImage::dragged, this, &Tchat::carryTo);
            connect(card, &CardImage::released, this, &Tchat::dropAt);
        }
        const bool raised = mirror().hand().holdsSlot(place);
        const racklayout::Spot& spot = spots.at(std::min<std::size_t>(p, spots.size()) - 1);
        const brixo::ScaledRect at =
            m_scale.rect(spot.x, raised ? spot.y - spot.raise : spot.y, spot.width, spot.height);
        card->setGeometry(at.x, at.y, at.width, at.height);
        // A tile Show Me carries is seen on its way, not in the rack.
        const bool carried = showMeCarries && showMeCarries->slot == place;
        card->setVisible(!mirror().awaitingFree(place) && !carried);
        card->setMarked(std::find(hinted.begin(), hinted.end(), place) != hinted.end());
        card->setJustDrawn(std::find(drawn.begin(), drawn.end(), place) != drawn.end());
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
    const brixo::Hand& hand = mirror().hand();
    if (hand.empty()) {
        draggingimage->setProperty("tag", -1);
        draggingimage->hide();
        if (board->cursor().shape() == Qt::PointingHandCursor) board->unsetCursor();
        return;
    }
    if (draggingimage->property("tag").toInt() != hand.tile.code()) {
        draggingimage->setPixmap(m_pictures.small(hand.tile.code()));
        draggingimage->setProperty("tag", hand.tile.code());
    }
}
