// Playing a turn with the mouse: picking a tile from the rack or the board
// into the hand, putting it down, moving and returning board tiles, run and
// group completion, and rearranging the rack by hand.
//
// The table is optimistic: it changes its own board at once and tells the
// server, whose echoes (chatboard.cpp) confirm or correct the cells.
#include "table/chatform.h"

#include "net/catalogue.h"
#include "table/blinksign.h"
#include "table/boardview.h"
#include "table/cardimage.h"
#include "table/placerules.h"

#include <QFrame>
#include <QLabel>

void Tchat::boardMouseDown(Qt::MouseButton button, int x, int y)
{
    if (!isSeat(m_mySeat)) return; // spectators only watch
    // Any press on the board dismisses the notices lying over it.
    panel_laydown->hide();
    panel_penalty->hide();
    if (!myTurn()) return;

    const placerules::PressCell cell = placerules::cellOfPress(x, y);
    const bool right = button == Qt::RightButton;
    if (right && m_handSlot == -1) {
        // Ask for a tile laid this turn back; the server answers only if it was.
        if (m_grid.at(cell.col, cell.row) != brixo::kNoTile && m_loggedIn)
            send(brixo::msg::replacetile({m_mySeat, cell.col, cell.row}));
        return;
    }
    if (right && holdsRackTile()) {
        putBackRackTile();
        return;
    }
    if (holdsBoardTile() && (right || (cell.col == m_handCol && cell.row == m_handRow))) {
        returnBoardTile();
        return;
    }
    if (!placerules::onGrid(cell)) return;
    if (holdsBoardTile()) {
        moveBoardTile(cell.col, cell.row);
    } else if (m_handSlot == -1) {
        pickUpBoardTile(cell.col, cell.row);
        updateIncomplete();
    } else {
        placeRackTile(cell.col, cell.row);
    }
    if (m_handSlot != -1) showDragImage(x, y);
}

void Tchat::boardMouseMove(int x, int y)
{
    if (!myTurn()) return;
    if (m_handSlot == -1) {
        if (board->cursor().shape() == Qt::PointingHandCursor) board->unsetCursor();
        return;
    }
    board->setCursor(Qt::PointingHandCursor);
    showDragImage(x, y);
}

void Tchat::showDragImage(int x, int y)
{
    draggingimage->move(board->x() + x + 3, board->y() + y + 3);
    draggingimage->show();
    draggingimage->raise();
}

// The board copy changes at once and nothing is sent: the server hears of
// the tile only when it is put down on another cell.
void Tchat::pickUpBoardTile(int col, int row)
{
    const int tile = m_grid.at(col, row);
    if (tile == brixo::kNoTile) return;
    m_handSlot = kBoardTileSlot;
    m_handCode = QString::number(tile);
    m_handCol = col;
    m_handRow = row;
    draggingimage->setPixmap(m_pictures.small(tile));
    draggingimage->setProperty("tag", tile);
    setcell(col, row, brixo::kNoTile);
    playsounds(QStringLiteral("clickcard"));
}

void Tchat::moveBoardTile(int col, int row)
{
    const int tile = m_handCode.toInt();
    if (m_grid.at(col, row) != brixo::kNoTile || !placerules::fitsOrder(m_grid, col, row, tile)) return;
    if (m_loggedIn) send(brixo::msg::swaptilesRequest({m_mySeat, col, row, m_handCol, m_handRow}));
    setcell(col, row, tile);
    setcell(m_handCol, m_handRow, brixo::kNoTile);
    emptyHand();
    m_handCol = -1;
    m_handRow = -1;
    playsounds(QStringLiteral("placecard"));
    updateIncomplete();
}

void Tchat::returnBoardTile()
{
    setcell(m_handCol, m_handRow, m_handCode.toInt());
    emptyHand();
    m_handCol = -1;
    m_handRow = -1;
    playsounds(QStringLiteral("clearcard"));
    updateIncomplete();
}

void Tchat::putBackRackTile()
{
    lowerCard(m_handSlot);
    emptyHand();
    playsounds(QStringLiteral("clearcard"));
    updateIncomplete();
}

void Tchat::placeRackTile(int col, int row)
{
    const int slot = m_handSlot;
    const CardImage* held = card(slot);
    const int tile = held ? held->tile() : m_handCode.toInt();
    if (m_grid.at(col, row) != brixo::kNoTile || !placerules::fitsOrder(m_grid, col, row, tile)) return;
    const char mode = m_completionMode.isEmpty() ? 'n' : m_completionMode.at(0).toLatin1();
    placeFromRack(slot, tile, col, row);
    emptyHand();
    const bool roomRight = col + 2 < brixo::BoardGrid::kColumns && m_grid.at(col + 1, row) == brixo::kNoTile &&
                           m_grid.at(col + 2, row) == brixo::kNoTile;
    if (roomRight) complete(tile, mode, col, row);
    updateIncomplete();
    playsounds(QStringLiteral("placecard"));
}

// The card stays in its rack place, hidden, until the server frees it.
void Tchat::placeFromRack(int slot, int tile, int col, int row)
{
    if (m_loggedIn) send(brixo::msg::placemytile({m_mySeat, slot, col, row}));
    setcell(col, row, tile);
    if (CardImage* placed = card(slot)) {
        placed->move(placed->x(), CardImage::kRestingTop);
        placed->hide();
    }
}

void Tchat::complete(int placedTile, char mode, int col, int row)
{
    const auto choices = placerules::completionChoices(
        m_rackPositions, [this](int slot) { return rackTileOf(slot); }, placedTile,
        placerules::completionFromMode(mode));
    if (!choices) return;
    const int first = (*choices)[0];
    const int second = (*choices)[1];
    const int firstTile = rackTileOf(first);
    const int secondTile = rackTileOf(second);
    placeFromRack(first, firstTile, col + 1, row);
    placeFromRack(second, secondTile, col + 2, row);
}

// The tile a rack slot offers to be placed: none for a card already placed
// and waiting to be freed by the server.
int Tchat::rackTileOf(int slot) const
{
    const CardImage* c = card(slot);
    return c && !c->isHidden() ? c->tile() : brixo::kNoTile;
}

void Tchat::cardimagesMouseDown(CardImage* pressed, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (!pressed || pressed->isHidden()) return; // placed, waiting to be freed
    if (button == Qt::RightButton) {
        sortthem();
        playsounds(QStringLiteral("sort"));
        return;
    }
    if (holdsBoardTile()) {
        refuse(QStringLiteral("You cannot select a new tile when you have a tile from the board in your hand."));
        return;
    }
    if (button != Qt::LeftButton || !m_loggedIn || !myTurn()) return;
    if (pressed->y() == CardImage::kRaisedTop || pressed->tag() == m_handSlot) {
        lowerCard(pressed->tag());
        emptyHand();
        playsounds(QStringLiteral("clearcard"));
        return;
    }
    if (holdsRackTile()) {
        exchangeCards(card(m_handSlot), pressed, modifiers);
        return;
    }
    selectCard(pressed, modifiers);
}

void Tchat::selectCard(CardImage* picked, Qt::KeyboardModifiers modifiers)
{
    m_completionMode = QStringLiteral("n");
    if (modifiers & Qt::ShiftModifier) m_completionMode = QStringLiteral("s");
    if (modifiers & Qt::ControlModifier) m_completionMode = QStringLiteral("c");
    picked->move(picked->x(), CardImage::kRaisedTop);
    m_handSlot = picked->tag();
    m_handCode = picked->hint();
    draggingimage->setPixmap(m_pictures.small(picked->tile()));
    draggingimage->setProperty("tag", picked->tile());
    // Until the pointer reaches the board the held tile sits over its card.
    const QPoint above = picked->mapTo(panel_board, QPoint((CardImage::kWidth - 20) / 2, -34));
    draggingimage->move(above);
    draggingimage->show();
    draggingimage->raise();
    playsounds(QStringLiteral("clickcard"));
}

// The player rearranges the rack by hand: the held tile and the pressed one
// change places.
void Tchat::exchangeCards(CardImage* held, CardImage* pressed, Qt::KeyboardModifiers modifiers)
{
    const int heldSlot = m_handSlot;
    lowerCard(heldSlot);
    const int a = m_rackPositions.positionOf(heldSlot);
    const int b = m_rackPositions.positionOf(pressed->tag());
    if (!held || a == 0 || b == 0) {
        selectCard(pressed, modifiers);
        return;
    }
    m_rackPositions.exchange(a, b);
    layOutCards();
    emptyHand();
    playsounds(QStringLiteral("sort"));
}

void Tchat::lowerCard(int slot)
{
    if (CardImage* c = card(slot)) c->move(c->x(), CardImage::kRestingTop);
}

// Every card to the left edge of its place, later places in front.
void Tchat::layOutCards()
{
    for (int p = 1; p <= RackPositions::kPositions; ++p) {
        if (CardImage* c = card(m_rackPositions.slotAt(p))) {
            c->move((p - 1) * CardImage::kWidth, c->y());
            c->raise();
        }
    }
}

void Tchat::refuse(const QString& notice)
{
    addlinetochat(notice, kNoticeColour);
    playsounds(QStringLiteral("nocando"));
}
