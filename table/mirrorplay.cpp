// Playing a turn: picking a tile from the rack or the board into the hand,
// putting it down, moving and returning board tiles, run and group
// completion, rearranging and sorting the rack, and the turn's buttons.
// Each move shows at once and goes to the server as a pending move.
#include "table/tablemirror.h"
#include "table/wording.h"

#include "net/catalogue.h"

#include <algorithm>

namespace brixo {

using placerules::Completion;

// ---- the board ------------------------------------------------------------------

TableUpdate TableMirror::pressBoard(Press press, BoardCell cell, setinsertion::Side side)
{
    if (!mySeat().valid()) return done(); // spectators only watch
    dismissNotices();
    if (!mayPlay()) return done();
    // A press while Show Me plays only stops it.
    if (showingMe()) {
        endShowMe();
        return done();
    }

    const bool right = press == Press::Right;
    if (right && m_hand.empty()) {
        // Asks for a tile laid this turn back; the server answers only if it was.
        if (!board().isEmpty(cell)) send(msg::replacetile({mySeat().number(), cell.col, cell.row}));
        return done();
    }
    // A right press, or a press on the cell a board tile came from, puts
    // the held tile back.
    if (right || (m_hand.holdsBoardTile() && cell == m_hand.cell)) {
        putDownOrBack("clearcard");
        return done();
    }
    if (!cell.inside()) return done();
    if (m_hand.holdsBoardTile()) {
        moveBoardTile(cell, side);
    } else if (m_hand.empty()) {
        pickUpBoardTile(cell);
        updateIncomplete();
    } else {
        placeRackTile(cell, side);
    }
    return done();
}

// The penalty question took the turn's buttons away; they come back, as
// with "Edit".
void TableMirror::dismissNotices()
{
    TurnControls& controls = m_turn.controls();
    const bool askedPenalty = controls.penaltyPanel;
    controls.penaltyPanel = controls.laydownPanel = false;
    m_log.clearRefusal();
    if (mayPlay() && askedPenalty) controls.clear = controls.finish = true;
}

void TableMirror::putDownOrBack(const std::string& soundName)
{
    setHand({});
    sound(soundName);
    updateIncomplete();
}

// Nothing is sent: the server hears of the tile only when it is put down
// on another cell.
void TableMirror::pickUpBoardTile(BoardCell cell)
{
    if (!mayPickUp(cell)) return;
    setHand(Hand::fromBoard(cell, board().at(cell)));
    sound("clickcard");
}

void TableMirror::moveBoardTile(BoardCell cell, setinsertion::Side side)
{
    if (!board().isEmpty(cell)) {
        insertHeldTile(cell, side);
        return;
    }
    if (!mayPutDown(cell)) {
        m_log.refuse(placerules::whyNotHere(board(), cell, m_hand.tile));
        return;
    }
    const Hand held = m_hand;
    m_history.newPress();
    moveOnBoard(PendingMove::move(held.tile, held.cell, cell));
    putDownOrBack("placecard");
}

void TableMirror::moveOnBoard(const PendingMove& move)
{
    send(msg::swaptilesRequest({mySeat().number(), move.to.col, move.to.row, move.from.col, move.from.row}));
    m_board.await(move);
    m_history.remember(move);
}

// The set's tiles move along as the player would move them, one request
// each, and the held tile goes into the space: all one press, so that Undo
// takes it back whole.
bool TableMirror::insertHeldTile(BoardCell onto, setinsertion::Side side)
{
    const Hand held = m_hand;
    const std::optional<BoardCell> lifted = held.holdsBoardTile() ? std::optional(held.cell) : std::nullopt;
    const setinsertion::Insertion insertion = setinsertion::insertIntoSet(board(), onto, side, held.tile, lifted);
    if (!insertion.ok()) {
        m_log.refuse(insertion.refusal);
        return false;
    }
    m_history.newPress();
    setHand({});
    for (const PendingMove& move : insertion.moves) moveOnBoard(move);
    if (held.holdsRackTile()) placeFromRack(held.slot, insertion.cell);
    updateIncomplete();
    // A board tile that ends on its own cell was only put back.
    sound(held.holdsRackTile() || !insertion.moves.empty() ? "placecard" : "clearcard");
    return true;
}

void TableMirror::placeRackTile(BoardCell cell, setinsertion::Side side)
{
    if (!board().isEmpty(cell)) {
        insertHeldTile(cell, side);
        return;
    }
    if (!mayPutDown(cell)) {
        m_log.refuse(placerules::whyNotHere(board(), cell, m_hand.tile));
        return;
    }
    const Hand held = m_hand;
    m_history.newPress();
    placeFromRack(held.slot, cell);
    setHand({});
    const bool roomRight = cell.col + 2 < BoardGrid::kColumns && board().isEmpty(cell.right(1)) &&
                           board().isEmpty(cell.right(2));
    if (roomRight) complete(held.tile, held.completion, cell);
    updateIncomplete();
    sound("placecard");
}

// The tile shows on the board at once; its rack place stays taken, out of
// sight, until the server frees it.
void TableMirror::placeFromRack(RackSlot slot, BoardCell cell)
{
    send(msg::placemytile({mySeat().number(), slot.number(), cell.col, cell.row}));
    const PendingMove move = PendingMove::place(rack().at(slot), slot, cell);
    m_board.await(move);
    m_history.remember(move);
    m_rack.setAwaitingServer(slot, true);
}

void TableMirror::complete(Tile placed, Completion completion, BoardCell cell)
{
    const auto choices = placerules::completionChoices(
        rackPositions(), [this](RackSlot slot) { return offeredTile(slot); }, placed, completion);
    if (!choices) return;
    placeFromRack((*choices)[0], cell.right(1));
    placeFromRack((*choices)[1], cell.right(2));
}

// ---- the rack ------------------------------------------------------------------------

TableUpdate TableMirror::pressRackTile(RackSlot slot, Press press, Completion completion)
{
    if (showingMe()) {
        endShowMe();
        return done();
    }
    if (offeredTile(slot).none()) return done(); // no tile, or placed and waiting
    m_log.clearRefusal();
    if (press == Press::Right) {
        m_rack.sort(m_sortByNumber);
        sound("sort");
        return done();
    }
    if (m_hand.holdsBoardTile()) {
        refuseNotice(
            translate("Table", "You cannot select a new tile when you have a tile from the board in your hand."));
        return done();
    }
    if (press != Press::Left || !mayPlay()) return done();
    if (m_hand.holdsSlot(slot)) {
        putDownOrBack("clearcard");
    } else if (m_hand.holdsRackTile()) {
        exchangeTiles(slot, completion);
    } else {
        selectTile(slot, completion);
    }
    return done();
}

void TableMirror::selectTile(RackSlot slot, Completion completion)
{
    setHand(Hand::fromRack(slot, rack().at(slot), completion));
    sound("clickcard");
}

// The player rearranges the rack by hand: the held tile and the pressed one
// change places.
void TableMirror::exchangeTiles(RackSlot pressed, Completion completion)
{
    if (!m_rack.exchange(m_hand.slot, pressed)) {
        selectTile(pressed, completion);
        return;
    }
    setHand({});
    sound("sort");
}

TableUpdate TableMirror::sortRack()
{
    m_rack.sort(m_sortByNumber);
    return done();
}

TableUpdate TableMirror::arrangeRack()
{
    m_rack.arrange(m_sortByNumber);
    sound("sort");
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
    endShowMe();
    if (!m_hand.empty()) putDownOrBack("clearcard");
    return done();
}

// ---- the turn's buttons ---------------------------------------------------------------

TableUpdate TableMirror::undoLastMove()
{
    if (!mayPlay()) return done();
    endShowMe();
    m_log.clearRefusal();
    if (!m_hand.empty()) {
        putDownOrBack("clearcard");
        return done();
    }
    bool moved = false;
    // Cells whose tile was just asked back into the rack: the server has
    // emptied them by the time it reads the moves that follow.
    std::vector<BoardCell> askedBack;
    const auto freeNow = [&](BoardCell cell) {
        return board().isEmpty(cell) || std::find(askedBack.begin(), askedBack.end(), cell) != askedBack.end();
    };
    for (const PendingMove& m : m_history.takeLastPress()) {
        // Moves are taken back last first, so the tile lies where this
        // table put it and its former cell is free; anything else would be
        // refused by the server and is not asked.
        if (board().at(m.to) != m.tile) continue;
        if (m.kind == PendingMove::Kind::Place) {
            send(msg::replacetile({mySeat().number(), m.to.col, m.to.row}));
            askedBack.push_back(m.to);
        } else if (freeNow(m.from)) {
            send(msg::swaptilesRequest({mySeat().number(), m.from.col, m.from.row, m.to.col, m.to.row}));
            m_board.await(m.reversed());
            moved = true;
        }
    }
    if (moved) {
        sound("placecard");
        updateIncomplete();
    }
    return done();
}

TableUpdate TableMirror::clearTurn()
{
    if (!mayPlay()) return done();
    endShowMe();
    if (!m_hand.empty()) refuseNotice(translate("Table", "You cannot clear when you have a tile in your hand."));
    else send(msg::undothemRequest(mySeat().number()));
    return done();
}

void TableMirror::turnEnded()
{
    TurnControls& controls = m_turn.controls();
    controls.penaltyPanel = controls.laydownPanel = false;
    controls.clear = controls.finish = controls.draw = false;
}

TableUpdate TableMirror::finishTurn()
{
    if (!mayPlay()) return done();
    endShowMe();
    if (!m_hand.empty()) {
        refuseNotice(translate("Table", "You cannot end your turn when you have a tile in your hand."));
    } else {
        send(msg::finish(mySeat().number()));
        turnEnded();
    }
    return done();
}

TableUpdate TableMirror::drawTile()
{
    if (!mayPlay()) return done();
    endShowMe();
    if (!m_hand.empty()) {
        refuseNotice(translate("Table", "You cannot draw a tile when you have a tile in your hand."));
    } else if (laidThisTurn()) {
        // The server would take them back and draw; the turn's buttons
        // offer Finish or Clear instead, and so does this.
        refuseNotice(translate(
            "Table", "You cannot draw with tiles laid this turn. Finish, or Clear them back to your rack first."));
    } else {
        send(msg::drawcard(mySeat().number()));
        turnEnded();
    }
    return done();
}

TableUpdate TableMirror::acceptPenalty()
{
    m_turn.controls().penaltyPanel = false;
    if (!mayPlay()) return done();
    send(msg::clickyes(mySeat().number()));
    sound("pressyes");
    return done();
}

TableUpdate TableMirror::keepEditing()
{
    TurnControls& controls = m_turn.controls();
    controls.penaltyPanel = controls.laydownPanel = false;
    if (!mayPlay()) return done();
    controls.clear = controls.finish = true;
    sound("pressedit");
    return done();
}

TableUpdate TableMirror::togglePause()
{
    // Whether the clock stands is the server's word ("CMD_gamepause"); a
    // request it refuses changes nothing here.
    send(msg::pause(mySlot().number(), paused() ? 0 : 1));
    return done();
}

} // namespace brixo
