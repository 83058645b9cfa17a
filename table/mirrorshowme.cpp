// Show Me: the hint's play made on the board step by step with the presses
// a person would make, each step waiting for the server's word on the
// steps before it.
#include "table/tablehint.h"
#include "table/wording.h"
#include "table/tablemirror.h"

namespace brixo {

TableUpdate TableMirror::showMe()
{
    if (showingMe()) {
        endShowMe();
        return done();
    }
    if (!mayShowMe()) return done();
    dismissNotices();
    if (!m_hand.empty()) putDownOrBack("clearcard");
    const TableHint hint = tablehint(*this);
    const bool told = m_hintTurn == m_turn.number() && m_hintTold == hint.text;
    m_hintSlots = hint.rackSlots;
    m_hintTurn = m_turn.number();
    m_hintTold = hint.text;
    if (!told) notice(hint.text);
    if (hint.rackSlots.empty()) return done();
    if (!hint.plan.reached) {
        refuseNotice(translate("Table", "Show Me cannot lay this play out on the board: lay it yourself."));
        return done();
    }
    m_showMe.start(hint.plan.steps, board(), m_turn.number());
    return done();
}

TableUpdate TableMirror::showMeNext()
{
    if (!showingMe()) return done();
    if (!mayPlay() || m_showMe.turn() != m_turn.number()) {
        endShowMe();
        return done();
    }
    if (m_showMe.inHand()) {
        putDownShowMeTile();
        return done();
    }
    if (!pending().empty()) {
        if (!m_showMe.waitOnce()) showMeRefused(translate("Table", "The server has not answered a move."));
        return done();
    }
    // The server answers every move it takes; one it refused leaves the
    // board other than the steps made so far.
    if (!(board() == m_showMe.expected())) {
        showMeRefused(translate("Table", "The server did not take a move."));
        return done();
    }
    if (m_showMe.finished()) {
        m_showMe.stop();
        notice(translate("Table",
                         "Show Me is done: Finish to play it, or Undo to take it back a move at a time, or Clear."));
        return done();
    }
    liftShowMeTile();
    return done();
}

void TableMirror::liftShowMeTile()
{
    const ShowMeStep& step = m_showMe.step();
    if (step.kind == ShowMeStep::Kind::Place) {
        if (!m_hand.empty() || offeredTile(step.slot) != step.tile) {
            showMeRefused(translate("Table", "The rack has changed."));
            return;
        }
        selectTile(step.slot, placerules::Completion::None);
    } else {
        if (!mayPickUp(step.from) || board().at(step.from) != step.tile) {
            showMeRefused(translate("Table", "The board has changed."));
            return;
        }
        pickUpBoardTile(step.from);
        updateIncomplete();
    }
    m_showMe.lifted();
}

void TableMirror::putDownShowMeTile()
{
    const ShowMeStep step = m_showMe.step();
    const bool place = step.kind == ShowMeStep::Kind::Place;
    const bool held = place ? m_hand.holdsSlot(step.slot) : m_hand.holdsBoardTile() && m_hand.cell == step.from;
    if (!held) {
        showMeRefused(translate("Table", "The tile is no longer in the hand."));
        return;
    }
    // Every step goes to an empty cell: a tile there now would be pushed
    // along, which is not the plan.
    if (!board().isEmpty(step.to)) {
        showMeRefused(translate("Table", "The tile's place is taken."));
        return;
    }
    m_log.clearRefusal();
    if (place) placeRackTile(step.to, setinsertion::Side::After);
    else moveBoardTile(step.to, setinsertion::Side::After);
    // The table's own rules refused the cell and said why.
    if (!m_hand.empty()) {
        showMeRefused(m_log.refusal());
        return;
    }
    m_showMe.putDown();
}

void TableMirror::endShowMe()
{
    if (!showingMe()) return;
    m_showMe.stop();
    if (!m_hand.empty()) putDownOrBack("clearcard");
}

void TableMirror::showMeRefused(const std::string& why)
{
    endShowMe();
    refuseNotice(fillin(translate("Table", "Show Me stopped. %1"), {why}));
}

} // namespace brixo
