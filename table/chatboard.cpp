// The board mirror and the player's rack, changed only by what the server
// announces: tiles placed, moved, taken back and undone, the marks of the
// last finished turn, and the tiles dealt or drawn into the rack.
#include "table/chatform.h"

#include "model/setrules.h"
#include "net/catalogue.h"
#include "table/blinksign.h"
#include "table/boardview.h"
#include "table/cardimage.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>

namespace {
QString tilename(int tile)
{
    return QString::fromStdString(brixo::gettilename(tile));
}
} // namespace

// Sets a mirror cell and draws it (a tile, or the felt for 0). Cells outside
// the board and codes that are no tile are refused by the grid.
void Tchat::setcell(int col, int row, int tile)
{
    if (!m_grid.set(col, row, tile)) return;
    board->drawcell(col, row);
}

bool Tchat::chatboardok() const
{
    return brixo::boardok(m_grid);
}

void Tchat::updateIncomplete()
{
    if (chatboardok()) animated_incomplete->stop();
    else animated_incomplete->play();
}

void Tchat::loadboard(std::string_view args)
{
    const auto m = brixo::msg::parseNumberCells(args);
    if (!m || !mine(m->number)) return;
    for (const brixo::Cell& c : m->cells) setcell(c.col, c.row, c.tile);
}

void Tchat::placehistile(std::string_view args)
{
    const auto m = brixo::msg::parsePlacehistile(args);
    if (!m) return;
    clearthisturn();
    if (mine(m->seat)) {
        button_draw->hide();
        button_finish->show();
        button_clear->show();
    }
    if (!brixo::BoardGrid::inside(m->col, m->row) || m_grid.at(m->col, m->row) == m->tile) return;
    if (m->tile < brixo::kNoTile || m->tile > brixo::kHighestTile) return;
    setcell(m->col, m->row, m->tile);
    playsounds(QStringLiteral("placecard"));
    if (brixo::isTile(m->tile)) {
        const QString line = seatName(m->seat) + QStringLiteral(" played a ") + tilename(m->tile) + QLatin1Char('.');
        label_played->setText(line);
        logline(line);
    }
}

void Tchat::freecard(std::string_view args)
{
    const auto m = brixo::msg::parseFreecard(args);
    if (!m || !mine(m->seat)) return;
    if (CardImage* gone = card(m->rackslot)) {
        gone->hide();
        gone->setParent(nullptr);
        gone->deleteLater();
    }
    movecards(m->rackslot);
}

void Tchat::swaptiles(std::string_view args)
{
    const auto m = brixo::msg::parseSwaptilesNotice(args);
    if (!m) return;
    clearthisturn();
    if (mine(m->seat)) button_clear->show();
    if (brixo::BoardGrid::inside(m->tocol, m->torow) && m_grid.at(m->tocol, m->torow) != m->tile &&
        m->tile >= brixo::kNoTile && m->tile <= brixo::kHighestTile) {
        setcell(m->tocol, m->torow, m->tile);
        playsounds(QStringLiteral("placecard"));
    }
    if (m_grid.at(m->tocol, m->torow) != brixo::kNoTile) setcell(m->fromcol, m->fromrow, brixo::kNoTile);
    if (brixo::isTile(m->tile)) {
        const QString line = seatName(m->seat) + QStringLiteral(" moved a ") + tilename(m->tile) + QLatin1Char('.');
        label_played->setText(line);
        if (!mine(m->seat)) logline(line);
    }
}

void Tchat::removetile(std::string_view args)
{
    const auto m = brixo::msg::parseRemovetile(args);
    if (!m) return;
    const int tile = m_grid.at(m->col, m->row);
    if (brixo::isTile(tile)) {
        const QString line = seatName(m_turnSeat) + QStringLiteral(" removed a ") + tilename(tile) + QLatin1Char('.');
        label_played->setText(line);
        if (!mine(m_turnSeat)) logline(line);
    }
    setcell(m->col, m->row, brixo::kNoTile);
    if (mine(m_turnSeat)) updateIncomplete();
    playsounds(QStringLiteral("clearcard"));
}

void Tchat::undothem(std::string_view args)
{
    const auto m = brixo::msg::parseNumberCells(args);
    if (!m) return;
    if (mine(m->number)) {
        button_clear->hide();
        button_draw->show();
        button_finish->hide();
        panel_penalty->hide();
        panel_laydown->hide();
        if (m_handSlot != -1 && m_handSlot != kBoardTileSlot)
            if (CardImage* held = card(m_handSlot)) held->move(held->x(), CardImage::kRestingTop);
        emptyHand();
    }
    for (const brixo::Cell& c : m->cells) setcell(c.col, c.row, c.tile);
    // The sign follows the board as the undo left it.
    if (mine(m->number)) updateIncomplete();
    playsounds(QStringLiteral("clear"));
    const QString line = seatName(m->number) + QStringLiteral(" cleared tiles.");
    label_played->setText(line);
    if (!mine(m->number)) logline(line);
}

void Tchat::movedtiles(std::string_view args)
{
    const auto m = brixo::msg::parseMovedtiles(args);
    if (!m) return;
    clearthisturn();
    if (isSeat(m->seat)) {
        label_score[m->seat]->setText(QStringLiteral("+") + QString::number(m->score));
        label_bonus[m->seat]->setText(QStringLiteral("+") + QString::number(m->points));
    }
    for (const brixo::Cell& c : m->cells) {
        if (!brixo::BoardGrid::inside(c.col, c.row)) continue;
        m_marks[c.col * brixo::BoardGrid::kRows + c.row] = true;
        board->drawmark(c.col, c.row);
    }
    m_marksCleared = false;
    playsounds(QStringLiteral("placecard"));
}

int Tchat::markAt(int col, int row) const
{
    if (!brixo::BoardGrid::inside(col, row)) return 0;
    return m_marks[col * brixo::BoardGrid::kRows + row] ? TilePictures::kMark : 0;
}

void Tchat::clearthisturn()
{
    if (m_marksCleared) return;
    m_marksCleared = true;
    for (int col = 0; col < brixo::BoardGrid::kColumns; ++col)
        for (int row = 0; row < brixo::BoardGrid::kRows; ++row)
            if (markAt(col, row) != 0) board->drawcell(col, row);
}

void Tchat::cleartheboard()
{
    for (int col = 0; col < brixo::BoardGrid::kColumns; ++col)
        for (int row = 0; row < brixo::BoardGrid::kRows; ++row)
            if (m_grid.at(col, row) != brixo::kNoTile) setcell(col, row, brixo::kNoTile);
}

// ---- the rack -------------------------------------------------------------------

void Tchat::yourtiles(std::string_view args)
{
    const auto m = brixo::msg::parseYourtiles(args);
    if (!m || !mine(m->seat)) return;
    for (const brixo::RackItem& item : m->items) newcard(item);
    playsounds(QStringLiteral("getcard"));
}

void Tchat::newcard(const brixo::RackItem& item)
{
    createcard(item.slot, item.tile);
}

void Tchat::createcard(int slot, int tile)
{
    if (!brixo::Rack::validSlot(slot) || !brixo::isTile(tile)) return;
    // A slot the rack already shows gets its new tile in a fresh picture:
    // two pictures of one name could never be told apart.
    if (CardImage* old = card(slot)) {
        old->hide();
        old->setParent(nullptr);
        old->deleteLater();
        m_rackPositions.movecards(slot);
    }
    const int position = m_rackPositions.place(slot);
    if (position == 0) return; // all 60 places taken
    auto* picture = new CardImage(slot, tile, m_cardsArea);
    picture->setPixmap(m_pictures.big(tile));
    connect(picture, &CardImage::pressed, this, &Tchat::cardimagesMouseDown);
    placeCardControl(picture, position);
    picture->show();
    raiseCardsFrom(position);
}

void Tchat::placeCardControl(CardImage* picture, int position)
{
    const int top = picture->y() == CardImage::kRaisedTop ? CardImage::kRaisedTop : CardImage::kRestingTop;
    picture->move((position - 1) * CardImage::kWidth, top);
}

// Later places are drawn in front, so the pictures overlap the way they lie.
void Tchat::raiseCardsFrom(int position)
{
    for (int p = position; p <= RackPositions::kPositions; ++p)
        if (CardImage* c = card(m_rackPositions.slotAt(p))) c->raise();
}

void Tchat::movecards(int slot)
{
    const int from = m_rackPositions.positionOf(slot);
    if (!m_rackPositions.movecards(slot)) return;
    for (int p = from; p <= RackPositions::kPositions; ++p) {
        CardImage* c = card(m_rackPositions.slotAt(p));
        if (!c) continue;
        c->move((p - 1) * CardImage::kWidth, c->y());
        c->raise();
        c->show();
    }
    // Raised tiles come down, except the one still in the hand: a tile
    // that looks put back must not be placed by the next press.
    for (CardImage* c : m_cardsArea->findChildren<CardImage*>(QString(), Qt::FindDirectChildrenOnly))
        if (c->y() != CardImage::kRestingTop && c->tag() != m_handSlot) c->move(c->x(), CardImage::kRestingTop);
}

void Tchat::clearallcards()
{
    m_rackPositions.clearallcards();
    const auto cards = m_cardsArea->findChildren<CardImage*>(QString(), Qt::FindDirectChildrenOnly);
    for (auto it = cards.rbegin(); it != cards.rend(); ++it) {
        (*it)->hide();
        (*it)->setParent(nullptr);
        (*it)->deleteLater();
    }
}
