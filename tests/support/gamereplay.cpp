#include "tests/support/gamereplay.h"

#include "model/setrules.h"
#include "net/catalogue.h"
#include "net/receivequeue.h"

#include <algorithm>

namespace brixo::selfplay {

namespace {
constexpr std::size_t kProblemsKept = 5;
} // namespace

void GameReplay::heard(std::string_view line)
{
    const auto split = splitCommand(line);
    if (!split) return fault(m_violations.lines, "no command", line);
    const std::string_view command = split->command;
    const std::string_view args = split->args;

    if (command == "CMD_nextplayer") {
        ++m_counts.turns;
    } else if (command == "CMD_placehistile") {
        ++m_counts.tilesPlaced;
        if (!m_judge) return;
        const auto m = msg::parsePlacehistile(args);
        const BoardCell cell = m ? BoardCell{m->col, m->row} : BoardCell{};
        if (!m || !cell.inside() || !m_board.isEmpty(cell) || !Tile(m->tile).real())
            return fault(m_violations.lines, "a tile laid where it cannot go", line);
        m_board.set(cell, Tile(m->tile));
    } else if (command == "CMD_swaptiles") {
        if (!m_judge) return;
        const auto m = msg::parseSwaptilesNotice(args);
        const BoardCell from = m ? BoardCell{m->fromcol, m->fromrow} : BoardCell{};
        const BoardCell to = m ? BoardCell{m->tocol, m->torow} : BoardCell{};
        if (!m || !to.inside() || !Tile(m->tile).real() || m_board.at(from) != Tile(m->tile) || !m_board.isEmpty(to))
            return fault(m_violations.lines, "a move that does not fit the board", line);
        m_board.set(from, Tile());
        m_board.set(to, Tile(m->tile));
    } else if (command == "CMD_removetile") {
        if (!m_judge) return;
        const auto m = msg::parseRemovetile(args);
        const BoardCell cell = m ? BoardCell{m->col, m->row} : BoardCell{};
        if (!m || m_board.isEmpty(cell)) return fault(m_violations.lines, "a tile taken back from nowhere", line);
        m_board.set(cell, Tile());
    } else if (command == "CMD_undothem") {
        if (!m_judge) return;
        const auto m = msg::parseNumberCells(args);
        if (!m) return fault(m_violations.lines, "a board put back that does not parse", line);
        for (const Cell& c : m->cells)
            if (!m_board.set(c.col, c.row, c.tile)) fault(m_violations.lines, "a cell put back off the board", line);
    } else if (command == "CMD_movedtiles") {
        ++m_counts.finishes;
        if (!m_judge) return;
        if (!boardok(m_board)) fault(m_violations.committed, "an invalid board committed", line);
        const auto m = msg::parseMovedtiles(args);
        if (!m) return fault(m_violations.lines, "a commit that does not parse", line);
        follow(m->seat, m->points, m->score, line);
    } else if (command == "CMD_teamscore") {
        if (!m_judge) return;
        const auto m = msg::parseTeamscore(args);
        if (!m || !Seat(m->seat).valid()) return fault(m_violations.lines, "a team score for no seat", line);
        m_scores[std::size_t(m->seat)] = m->score;
    } else if (command == "CMD_endround") {
        ++m_counts.rounds;
        const auto m = msg::parseEndround(args);
        if (!m) return fault(m_violations.lines, "a round's end that does not parse", line);
        if (m->winner == 0) ++m_counts.roundsExhausted;
        else ++m_counts.roundsOut;
        if (Seat(m->winner).valid()) ++m_counts.wentOut[std::size_t(m->winner)];
        // Each seat's points are what the settlement moved its score by.
        for (const msg::SeatResult& seat : m->seats) {
            if (!Seat(seat.seat).valid()) return fault(m_violations.lines, "a round's end for no seat", line);
            if (m_judge) follow(seat.seat, seat.points, seat.score, line);
        }
    } else if (command == "CMD_startgame") {
        m_scores.fill(0);
    } else if (command == "CMD_startround") {
        m_board.clear();
        if (!m_judge) return;
        const auto m = msg::parseStartround(args);
        if (!m || !std::equal(m->begin(), m->end(), m_scores.begin() + 1))
            fault(m_violations.scores, "a round that starts from other scores", line);
    } else if (command == "CMD_notime") {
        ++m_counts.timeouts;
    } else if (command == "CMD_winner") {
        m_winner = msg::parseWinner(args);
    }
}

void GameReplay::follow(int seat, int points, int score, std::string_view line)
{
    if (!Seat(seat).valid()) return fault(m_violations.lines, "points for no seat", line);
    int& followed = m_scores[std::size_t(seat)];
    followed += points;
    if (followed != score) fault(m_violations.scores, "a score that does not follow the points", line);
}

void GameReplay::fault(long& kind, std::string_view what, std::string_view line)
{
    ++kind;
    if (m_problems.size() < kProblemsKept) m_problems.push_back(std::string(what) + ": " + std::string(line));
}

std::string GameReplay::problems() const
{
    std::string text;
    for (const std::string& problem : m_problems) text += problem + "\n";
    return text;
}

} // namespace brixo::selfplay
