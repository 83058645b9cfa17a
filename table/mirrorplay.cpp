// Playing a turn: picking a tile from the rack or the board into the hand,
// putting it down, moving and returning board tiles, run and group
// completion, rearranging and sorting the rack, the turn's buttons and its
// clock. Each move shows at once and goes to the server as a pending move.
#include "table/tablemirror.h"

#include "net/catalogue.h"
#include "table/racksort.h"

namespace brixo {

using placerules::Completion;

// ---- the board ------------------------------------------------------------------

TableUpdate TableMirror::boardMouseDown(Press press, int col, int row)
{
    if (m_mySeat < 1 || m_mySeat > kSeatCount) return done(); // spectators only watch
    // Any press on the board dismisses the notices lying over it. The
    // penalty question took the turn's buttons away; they come back, as
    // with "Edit".
    const bool askedPenalty = m_controls.penaltyPanel;
    m_controls.penaltyPanel = m_controls.laydownPanel = false;
    m_refusal.clear();
    if (!mayPlay()) return done();
    if (askedPenalty) m_controls.clear = m_controls.finish = true;

    const bool right = press == Press::Right;
    if (right && m_hand.empty()) {
        // Asks for a tile laid this turn back; the server answers only if it was.
        if (board().at(col, row) != kNoTile) send(msg::replacetile({m_mySeat, col, row}));
        return done();
    }
    if (m_hand.holdsBoardTile() && (right || (col == m_hand.col && row == m_hand.row))) {
        putDownOrBack("clearcard");
        return done();
    }
    if (right) {
        putDownOrBack("clearcard"); // a rack tile goes back to the rack
        return done();
    }
    if (!BoardGrid::inside(col, row)) return done();
    if (m_hand.holdsBoardTile()) {
        moveBoardTile(col, row);
    } else if (m_hand.empty()) {
        pickUpBoardTile(col, row);
        updateIncomplete();
    } else {
        placeRackTile(col, row);
    }
    return done();
}

void TableMirror::putDownOrBack(const std::string& soundName)
{
    setHand({});
    sound(soundName);
    updateIncomplete();
}

// Nothing is sent: the server hears of the tile only when it is put down
// on another cell.
void TableMirror::pickUpBoardTile(int col, int row)
{
    if (!mayPickUp(col, row)) return;
    setHand(Hand::fromBoard(col, row, board().at(col, row)));
    sound("clickcard");
}

void TableMirror::refusePutDown(int col, int row)
{
    m_refusal = placerules::whyNotHere(board(), col, row, m_hand.tile);
}

void TableMirror::moveBoardTile(int col, int row)
{
    if (!mayPutDown(col, row)) {
        refusePutDown(col, row);
        return;
    }
    const Hand held = m_hand;
    send(msg::swaptilesRequest({m_mySeat, col, row, held.col, held.row}));
    const PendingMove move{PendingMove::Kind::Move, held.tile, col, row, 0, held.col, held.row};
    m_pending.push_back(move);
    ++m_presses;
    remember(move);
    putDownOrBack("placecard");
}

void TableMirror::placeRackTile(int col, int row)
{
    if (!mayPutDown(col, row)) {
        refusePutDown(col, row);
        return;
    }
    const Hand held = m_hand;
    ++m_presses;
    placeFromRack(held.slot, held.tile, col, row);
    setHand({});
    const bool roomRight = col + 2 < BoardGrid::kColumns && board().at(col + 1, row) == kNoTile &&
                           board().at(col + 2, row) == kNoTile;
    if (roomRight) complete(held.tile, held.completion, col, row);
    updateIncomplete();
    sound("placecard");
}

// The tile shows on the board at once; its rack place stays taken, out of
// sight, until the server frees it.
void TableMirror::placeFromRack(int slot, int tile, int col, int row)
{
    send(msg::placemytile({m_mySeat, slot, col, row}));
    const PendingMove move{PendingMove::Kind::Place, tile, col, row, slot, 0, 0};
    m_pending.push_back(move);
    remember(move);
    m_placed[slot - 1] = true;
    m_shownStale = true;
}

void TableMirror::complete(int placedTile, Completion completion, int col, int row)
{
    const auto choices = placerules::completionChoices(
        m_positions, [this](int slot) { return offeredTile(slot); }, placedTile, completion);
    if (!choices) return;
    const int first = (*choices)[0];
    const int second = (*choices)[1];
    placeFromRack(first, m_rack.at(first), col + 1, row);
    placeFromRack(second, m_rack.at(second), col + 2, row);
}

// ---- the rack ------------------------------------------------------------------------

TableUpdate TableMirror::cardimagesMouseDown(int slot, Press press, Completion completion)
{
    if (offeredTile(slot) == kNoTile) return done(); // no tile, or placed and waiting
    m_refusal.clear();
    if (press == Press::Right) {
        sortthem();
        sound("sort");
        return done();
    }
    if (m_hand.holdsBoardTile()) {
        refuseNotice("You cannot select a new tile when you have a tile from the board in your hand.");
        return done();
    }
    if (press != Press::Left || !mayPlay()) return done();
    if (m_hand.holdsSlot(slot)) {
        putDownOrBack("clearcard");
    } else if (m_hand.holdsRackTile()) {
        exchangeCards(slot, completion);
    } else {
        selectCard(slot, completion);
    }
    return done();
}

void TableMirror::selectCard(int slot, Completion completion)
{
    setHand(Hand::fromRack(slot, m_rack.at(slot), completion));
    sound("clickcard");
}

// The player rearranges the rack by hand: the held tile and the pressed one
// change places.
void TableMirror::exchangeCards(int pressedSlot, Completion completion)
{
    const int a = m_positions.positionOf(m_hand.slot);
    const int b = m_positions.positionOf(pressedSlot);
    if (a == 0 || b == 0) {
        selectCard(pressedSlot, completion);
        return;
    }
    m_positions.exchange(a, b);
    setHand({});
    sound("sort");
}

TableUpdate TableMirror::sortthem()
{
    racksort::sortthem(m_positions, m_sortByNumber, [this](int slot) { return m_rack.at(slot); });
    return done();
}

void TableMirror::refuseNotice(std::string line)
{
    notice(std::move(line));
    sound("nocando");
}

// The held tile goes back where it came from. The reason a drop there was
// refused stays for the status line.
TableUpdate TableMirror::putBack()
{
    if (!m_hand.empty()) putDownOrBack("clearcard");
    return done();
}

// ---- the turn's buttons ---------------------------------------------------------------

TableUpdate TableMirror::undoLastMove()
{
    if (!mayPlay()) return done();
    m_refusal.clear();
    if (!m_hand.empty()) {
        putDownOrBack("clearcard");
        return done();
    }
    if (m_history.empty()) return done();
    const int press = m_history.back().press;
    bool moved = false;
    while (!m_history.empty() && m_history.back().press == press) {
        const PendingMove m = m_history.back().move;
        m_history.pop_back();
        // Moves are taken back last first, so the tile lies where this
        // table put it and its former cell is free; anything else would be
        // refused by the server and is not asked.
        if (board().at(m.col, m.row) != m.tile) continue;
        if (m.kind == PendingMove::Kind::Place) {
            send(msg::replacetile({m_mySeat, m.col, m.row}));
        } else if (board().at(m.fromcol, m.fromrow) == kNoTile) {
            send(msg::swaptilesRequest({m_mySeat, m.fromcol, m.fromrow, m.col, m.row}));
            m_pending.push_back({PendingMove::Kind::Move, m.tile, m.fromcol, m.fromrow, 0, m.col, m.row});
            m_shownStale = true;
            moved = true;
        }
    }
    if (moved) {
        sound("placecard");
        updateIncomplete();
    }
    return done();
}

TableUpdate TableMirror::button_clearClick()
{
    if (!mayPlay()) return done();
    if (!m_hand.empty()) refuseNotice("You cannot clear when you have a tile in your hand.");
    else send(msg::undothemRequest(m_mySeat));
    return done();
}

void TableMirror::turnEnded()
{
    m_controls.penaltyPanel = m_controls.laydownPanel = false;
    m_controls.clear = m_controls.finish = m_controls.draw = false;
}

TableUpdate TableMirror::button_finishClick()
{
    if (!mayPlay()) return done();
    if (!m_hand.empty()) {
        refuseNotice("You cannot end your turn when you have a tile in your hand.");
    } else {
        send(msg::finish(m_mySeat));
        turnEnded();
    }
    return done();
}

TableUpdate TableMirror::button_drawClick()
{
    if (!mayPlay()) return done();
    if (!m_hand.empty()) {
        refuseNotice("You cannot draw a tile when you have a tile in your hand.");
    } else {
        send(msg::drawcard(m_mySeat));
        turnEnded();
    }
    return done();
}

TableUpdate TableMirror::button_yesClick()
{
    m_controls.penaltyPanel = false;
    if (!mayPlay()) return done();
    send(msg::clickyes(m_mySeat));
    sound("pressyes");
    return done();
}

TableUpdate TableMirror::button_editClick()
{
    m_controls.penaltyPanel = false;
    if (!mayPlay()) return done();
    m_controls.clear = m_controls.finish = true;
    sound("pressedit");
    return done();
}

TableUpdate TableMirror::image_edit2Click()
{
    m_controls.laydownPanel = false;
    if (!mayPlay()) return done();
    m_controls.clear = m_controls.finish = true;
    sound("pressedit");
    return done();
}

TableUpdate TableMirror::button_pauseClick()
{
    // Whether the clock stands is the server's word ("CMD_gamepause"); a
    // request it refuses changes nothing here.
    send(msg::pause(m_mySeat, m_paused ? 0 : 1));
    return done();
}

// ---- the clock --------------------------------------------------------------------------

TableUpdate TableMirror::turntimeTimer()
{
    if (!m_clockRunning) return done();
    m_clock.tick();
    if (m_clock.running()) {
        if (m_clock.ticksAloud()) sound("time");
    } else if (m_clock.serverSilent() && m_turnSeat != 0) {
        // The server has stayed silent past the turn: offer no more moves.
        takeBackTurn();
        m_turnSeat = 0;
        hideTurnControls();
    }
    return done();
}

} // namespace brixo
