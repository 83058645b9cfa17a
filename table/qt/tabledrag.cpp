// Carrying a tile with the button held: the press that picked it up starts
// the carry, the picture follows the pointer, and where the button comes up
// the tile is put down exactly as a click there would put it. Whatever the
// rules refuse goes back where it came from.
#include "table/qt/chatform.h"

#include "table/qt/boardview.h"
#include "table/qt/cardimage.h"

#include <QApplication>
#include <QLabel>

#include <utility>

void Tchat::beginCarry(const QPoint& global)
{
    m_carry = {true, false, global};
}

void Tchat::carryTo(const QPoint& global)
{
    if (!m_carry.pressed || mirror().hand().empty()) return;
    if (!m_carry.moved && (global - m_carry.start).manhattanLength() < QApplication::startDragDistance()) return;
    m_carry.moved = true;
    showDragImageAt(panel_board->mapFromGlobal(global) + QPoint(3, 3));
}

void Tchat::dropAt(const QPoint& global)
{
    const Carry carry = std::exchange(m_carry, {});
    // Without a move it was a click: the tile stays in the hand.
    if (!carry.moved || mirror().hand().empty()) return;
    const brixo::Hand held = mirror().hand();
    const QPoint onBoard = board->mapFromGlobal(global);
    if (board->rect().contains(onBoard)) {
        boardMouseDown(Qt::LeftButton, onBoard.x(), onBoard.y());
    } else if (CardImage* target = cardAt(global);
               target && held.holdsRackTile() && !held.holdsSlot(brixo::RackSlot(target->tag()))) {
        cardimagesMouseDown(target, Qt::LeftButton, Qt::NoModifier);
    }
    if (mirror().hand() == held) putBackHeldTile();
}

void Tchat::putBackHeldTile()
{
    m_carry = {};
    if (!mirror().hand().empty()) request([](brixo::TableMirror& m) { return m.putBack(); });
}

CardImage* Tchat::cardAt(const QPoint& global) const
{
    // Later places lie in front.
    for (auto slot = m_stackedSlots.rbegin(); slot != m_stackedSlots.rend(); ++slot) {
        CardImage* card = m_cards.value(*slot);
        if (card && !card->isHidden() && card->rect().contains(card->mapFromGlobal(global))) return card;
    }
    return nullptr;
}
