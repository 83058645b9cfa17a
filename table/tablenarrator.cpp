#include "table/tablenarrator.h"

#include "table/spokenwords.h"
#include "table/tablemirror.h"
#include "table/tableupdate.h"

#include <algorithm>

namespace brixo {

const std::string& TableNarrator::leftBy(Seat seat) const
{
    static const std::string kNobody;
    return seat.valid() ? m_seats[seat.index()].leftBy : kNobody;
}

void TableNarrator::say(std::string words)
{
    if (!words.empty()) m_said.push_back(std::move(words));
}

void TableNarrator::tellTurnOver(const TableMirror& mirror, std::optional<int> tilesNow)
{
    const Seat seat = m_turnSeat;
    const std::optional<int> before = m_turnStartTiles;
    const std::optional<int> points = m_laidPoints;
    m_turnSeat = Seat();
    m_turnStartTiles.reset();
    m_laidPoints.reset();
    if (!seat.valid()) return;
    if (points) {
        const int tiles = before && tilesNow && *before > *tilesNow ? *before - *tilesNow : 0;
        say(spokenwords::laid(mirror, seat, tiles, *points));
    } else if (before && tilesNow && *tilesNow > *before) {
        say(spokenwords::drew(mirror, seat, *tilesNow - *before));
    }
}

std::vector<std::string> TableNarrator::follow(const TableMirror& mirror, const TableUpdate& update, bool afterPress)
{
    // A mirror that has begun fewer turns than this one saw is a new table's.
    if (mirror.turnNumber() < m_turnNumber) *this = TableNarrator();
    m_said.clear();
    const auto sounded = [&](const char* name) {
        return std::find(update.sounds.begin(), update.sounds.end(), name) != update.sounds.end();
    };

    // Who sits where: a person's leaving is remembered for the seat's words.
    for (const Seat place : Seat::all()) {
        const SeatState& now = mirror.seat(place);
        SeatMemory& was = m_seats[place.index()];
        if (now.occupant == Occupant::Person) was.leftBy.clear();
        else if (was.occupant == Occupant::Person) was.leftBy = was.person;
        was.occupant = now.occupant;
        was.person = now.person;
    }

    // Refusals: the table's own rules at a press, then the server's at a finish.
    const std::string& refusal = mirror.refusal();
    if (!refusal.empty() && (refusal != m_refusal || afterPress)) say(refusal);
    m_refusal = refusal;
    if (sounded("notvalid")) say(mirror.controls().penaltyPanel ? spokenwords::penaltyQuestion() : mirror.status());
    if (sounded("clear")) say(spokenwords::tookBack(mirror, mirror.turnSeat()));

    for (const std::string& notice : update.notices)
        if (notice != mirror.winnerText()) say(notice);

    // A finished turn that laid tiles shows them marked, and its points.
    BoardCellFlags marks{};
    bool newMarks = false;
    for (int col = 0; col < kBoardColumns; ++col) {
        for (int row = 0; row < kBoardRows; ++row) {
            const BoardCell cell{col, row};
            marks[cell.index()] = mirror.markShown(cell);
            newMarks = newMarks || (marks[cell.index()] && !m_marks[cell.index()]);
        }
    }
    m_marks = marks;
    if (newMarks && m_turnSeat.valid()) {
        const SeatState& s = mirror.seat(m_turnSeat);
        if (s.hasLastPoints && s.lastPointsFromTurn) m_laidPoints = s.lastPoints;
    }

    const std::vector<RoundLine>& round = mirror.roundSummary();
    if (!round.empty() && !m_roundShown) {
        std::optional<int> tilesNow;
        for (const RoundLine& line : round)
            if (line.seat == m_turnSeat) tilesNow = line.tiles;
        tellTurnOver(mirror, tilesNow);
        say(spokenwords::roundResult(mirror));
    }
    m_roundShown = !round.empty();

    const std::string& winner = mirror.winnerText();
    if (!winner.empty() && winner != m_winner) say(winner);
    m_winner = winner;

    if (mirror.turnNumber() != m_turnNumber) {
        m_turnNumber = mirror.turnNumber();
        const SeatState& last = mirror.seat(m_turnSeat);
        tellTurnOver(mirror, last.hasTiles ? std::optional<int>(last.tiles) : std::nullopt);
        const Seat turn = mirror.turnSeat();
        if (turn.valid()) {
            say(spokenwords::turnStart(mirror));
            m_turnSeat = turn;
            const SeatState& s = mirror.seat(turn);
            if (s.hasTiles) m_turnStartTiles = s.tiles;
        }
    }

    if (mirror.paused() != m_paused) say(spokenwords::paused(mirror.paused()));
    m_paused = mirror.paused();
    return m_said;
}

} // namespace brixo
