// The table's login, the dispatch of the server's messages, and the reading
// of the table's state.
#include "table/tablemirror.h"

#include "model/setrules.h"
#include "net/catalogue.h"
#include "net/receivequeue.h"
#include "table/seatwords.h"

#include <utility>

namespace brixo {

TableMirror::TableMirror()
{
    clearall();
}

void TableMirror::beginHosting(const std::string& name)
{
    m_loginText = name;
    m_host = true;
    m_startOffered = true;
    m_controls.pauseEnabled = true;
}

void TableMirror::beginJoining(const std::string& name)
{
    m_loginText = name;
    m_host = false;
    m_startOffered = false;
}

TableUpdate TableMirror::done()
{
    return std::exchange(m_update, {});
}

TableUpdate TableMirror::receive(std::string_view line)
{
    const auto split = splitCommand(line);
    if (!split) return {};
    return receive(split->command, split->args);
}

TableUpdate TableMirror::receive(std::string_view command, std::string_view args)
{
    using Handler = void (TableMirror::*)(std::string_view);
    struct Row {
        std::string_view command;
        Handler handler;
    };
    static const Row kRows[] = {
        {"CMD_sendlogininfo", &TableMirror::sendloginfo},
        {"CMD_newplayerinfo", &TableMirror::newplayerinfo},
        {"CMD_existingplayers", &TableMirror::newplayerinfo},
        {"CMD_playerdisconnected", &TableMirror::playerdisconnected},
        {"CMD_startgame", &TableMirror::startthegame},
        {"CMD_nextplayer", &TableMirror::getnextplayer},
        {"CMD_winner", &TableMirror::winner},
        {"CMD_justwatching", &TableMirror::justwatching},
        {"CMD_yourtiles", &TableMirror::yourtiles},
        {"CMD_startround", &TableMirror::startround},
        {"CMD_placehistile", &TableMirror::placehistile},
        {"CMD_freecard", &TableMirror::freecard},
        {"CMD_swaptiles", &TableMirror::swaptiles},
        {"CMD_undothem", &TableMirror::undothem},
        {"CMD_askpenalty", &TableMirror::askpenalty},
        {"CMD_endround", &TableMirror::endround},
        {"CMD_movedtiles", &TableMirror::movedtiles},
        {"CMD_removetile", &TableMirror::removetile},
        {"CMD_loadstats", &TableMirror::loadstats},
        {"CMD_loadboard", &TableMirror::loadboard},
        {"CMD_notime", &TableMirror::notime},
        {"CMD_notenough", &TableMirror::notenough},
        {"CMD_incomplete", &TableMirror::incomplete},
        {"CMD_gamepause", &TableMirror::gamepause},
    };
    if (command == "CMD_havewrongversion") {
        notice(std::string(args) + " has a different version of the game then you.");
    } else if (command == "CMD_wrongversion") {
        notice("You have a differnt version of the game then the host.");
    } else if (command == "CMD_nomoreroom") {
        notice("You cannot hold anymore tiles");
    } else if (command == "CMD_nomoretiles") {
        notice("There are no tiles left");
    } else {
        for (const Row& row : kRows) {
            if (row.command == command) {
                (this->*row.handler)(args);
                break;
            }
        }
    }
    return done();
}

void TableMirror::sendloginfo(std::string_view args)
{
    const auto slot = msg::parseSendlogininfo(args);
    if (!slot) return;
    m_mySeat = *slot;
    m_loggedIn = true;
    send(msg::logininfo(m_mySeat, msg::kVersion, m_loginText));
}

void TableMirror::played(std::string line)
{
    logline(line);
    m_lastAction = std::move(line);
}

std::string TableMirror::who(int seat) const
{
    return mine(seat) ? "You" : seatName(seat);
}

// ---- reading -----------------------------------------------------------------

const BoardGrid& TableMirror::board() const
{
    if (!m_shownStale) return m_shown;
    m_shown = m_board;
    for (const PendingMove& move : m_pending) {
        if (move.kind == PendingMove::Kind::Place) {
            m_shown.set(move.col, move.row, move.tile);
        } else if (m_shown.at(move.fromcol, move.fromrow) == move.tile) {
            m_shown.set(move.fromcol, move.fromrow, kNoTile);
            m_shown.set(move.col, move.row, move.tile);
        }
    }
    if (m_hand.holdsBoardTile() && m_shown.at(m_hand.col, m_hand.row) == m_hand.tile)
        m_shown.set(m_hand.col, m_hand.row, kNoTile);
    m_shownStale = false;
    return m_shown;
}

bool TableMirror::markShown(int col, int row) const
{
    return BoardGrid::inside(col, row) && m_marks[col * BoardGrid::kRows + row];
}

bool TableMirror::chatboardok() const
{
    return boardok(board());
}

const SeatState& TableMirror::seat(int seat) const
{
    static const SeatState kNobody;
    return seat >= 1 && seat <= kSeatCount ? m_seats[seat] : kNobody;
}

std::string TableMirror::seatName(int seat) const
{
    const SeatState& s = this->seat(seat);
    switch (s.occupant) {
    case Occupant::Person: return s.person;
    case Occupant::Computer: return seatwords::computerName(seat);
    case Occupant::Empty: break;
    }
    return seat >= 1 && seat <= kSeatCount ? seatwords::kWaiting : std::string();
}

std::string TableMirror::scoreText(int seat) const
{
    const SeatState& s = this->seat(seat);
    return (s.scoreFromTurn ? "+" : "") + std::to_string(s.score);
}

std::string TableMirror::lastPointsText(int seat) const
{
    const SeatState& s = this->seat(seat);
    if (!s.hasLastPoints) return {};
    return (s.lastPointsFromTurn ? "+" : "") + std::to_string(s.lastPoints);
}

std::string TableMirror::tilesText(int seat) const
{
    const SeatState& s = this->seat(seat);
    return s.hasTiles ? std::to_string(s.tiles) : std::string();
}

bool TableMirror::mayPlay() const
{
    return m_loggedIn && m_mySeat >= 1 && m_mySeat <= kSeatCount && m_turnSeat == m_mySeat &&
           !m_seats[m_mySeat].watching;
}

bool TableMirror::mayPickUp(int col, int row) const
{
    return mayPlay() && m_hand.empty() && BoardGrid::inside(col, row) && board().at(col, row) != kNoTile;
}

bool TableMirror::mayPutDown(int col, int row) const
{
    return mayPlay() && !m_hand.empty() && BoardGrid::inside(col, row) && board().at(col, row) == kNoTile &&
           placerules::fitsOrder(board(), col, row, m_hand.tile);
}

std::optional<int> TableMirror::layDownPoints() const
{
    if (m_laidDown || !mayPlay()) return std::nullopt;
    int points = 0;
    for (const RackItem& laid : m_laid) points += tilevalue(laid.tile);
    // Put down and not yet off the rack, echoed or not.
    for (int slot = 1; slot <= Rack::kSlots; ++slot)
        if (awaitingFree(slot)) points += tilevalue(m_rack.at(slot));
    return points;
}

bool TableMirror::mayRemove(int seat) const
{
    return m_host && seatName(seat) != seatwords::kWaiting;
}

} // namespace brixo
