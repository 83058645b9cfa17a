#include "table/seatlist.h"

#include "table/seatwords.h"

#include <algorithm>

namespace brixo {

const SeatState& SeatList::at(Seat seat) const
{
    static const SeatState kNobody;
    return seat.valid() ? m_seats[seat.index()] : kNobody;
}

std::string SeatList::name(Seat seat) const
{
    const SeatState& s = at(seat);
    switch (s.occupant) {
    case Occupant::Person: return s.person;
    case Occupant::Computer: return seatwords::computerName(seat);
    case Occupant::Empty: break;
    }
    return seat.valid() ? seatwords::kWaiting : std::string();
}

std::string SeatList::scoreText(Seat seat) const
{
    const SeatState& s = at(seat);
    return (s.scoreFromTurn ? "+" : "") + std::to_string(s.score);
}

std::string SeatList::lastPointsText(Seat seat) const
{
    const SeatState& s = at(seat);
    if (!s.hasLastPoints) return {};
    return (s.lastPointsFromTurn ? "+" : "") + std::to_string(s.lastPoints);
}

std::string SeatList::tilesText(Seat seat) const
{
    const SeatState& s = at(seat);
    return s.hasTiles ? std::to_string(s.tiles) : std::string();
}

void SeatList::arrive(Slot slot, const std::string& name)
{
    if (SeatState* s = find(seatOf(slot))) {
        s->occupant = Occupant::Person;
        s->person = name;
    } else if (slot.valid()) {
        m_spectators.push_back({slot, name});
    }
}

bool SeatList::leave(Slot slot, const std::string& name, bool team)
{
    const Seat seat = seatOf(slot);
    if (SeatState* s = find(seat)) {
        // Seat 2 always plays, seats 3 and 4 only in a team game; an empty
        // seat 1 waits for its host.
        const bool computerPlays = seat == Seat(2) || (seat.number() >= 3 && team);
        s->occupant = computerPlays ? Occupant::Computer : Occupant::Empty;
        s->person.clear();
        s->watching = false;
        return true;
    }
    const auto entry = std::find(m_spectators.begin(), m_spectators.end(), Spectator{slot, name});
    if (entry == m_spectators.end()) return false;
    m_spectators.erase(entry);
    return true;
}

void SeatList::seatComputers(bool team)
{
    for (const Seat seat : {Seat(3), Seat(4)}) {
        Occupant& who = m_seats[seat.index()].occupant;
        if (!team && who == Occupant::Computer) who = Occupant::Empty;
        if (team && who == Occupant::Empty) who = Occupant::Computer;
    }
    Occupant& second = m_seats[Seat(2).index()].occupant;
    if (second == Occupant::Empty) second = Occupant::Computer;
}

void SeatList::setScore(Seat seat, int score, bool fromTurn)
{
    if (SeatState* s = find(seat)) {
        s->score = score;
        s->scoreFromTurn = fromTurn;
    }
}

void SeatList::setTiles(Seat seat, int tiles)
{
    if (SeatState* s = find(seat)) {
        s->hasTiles = true;
        s->tiles = tiles;
    }
}

void SeatList::newGame()
{
    for (SeatState& s : m_seats) {
        s.score = 0;
        s.scoreFromTurn = false;
        s.hasLastPoints = false;
        s.hasTiles = false;
    }
}

} // namespace brixo
