// What a table tells its player in words: the status line, why the last
// press was refused, the last thing that happened, the game log, the last
// round's result and the winner.
#pragma once

#include "model/places.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brixo {

// A seat's part in a round that ended, with the line that tells it
// ("Klot: 3 tiles left, -15 points."), and the tiles it held once the
// server shows them.
struct RoundLine {
    Seat seat;
    int tiles = 0;  // left in its rack
    int points = 0; // what the round added to or took from its score
    std::string text;
    std::vector<Tile> rack;
    bool operator==(const RoundLine&) const = default;
};

// Words that are said anew each time they are shown, so a line kept on
// screen follows a change of the player's language.
using Wording = std::function<std::string()>;

class TableLog {
public:
    std::string status() const { return m_status ? m_status() : std::string(); }
    void setStatus(Wording status) { m_status = std::move(status); }
    void setStatus(std::string status);
    // Why the last press could not put the held tile down ("That cell is
    // taken."); empty after a press that did something and when a turn
    // begins or ends.
    const std::string& refusal() const { return m_refusal; }
    void refuse(std::string why) { m_refusal = std::move(why); }
    void clearRefusal() { m_refusal.clear(); }
    // The status line as shown: a refusal comes first; otherwise the status,
    // with how far a first lay-down has got while it is being made.
    std::string statusLine(std::optional<int> layDownPoints) const;

    std::string lastAction() const { return m_lastAction ? m_lastAction() : std::string(); }
    const std::vector<std::string>& lines() const { return m_lines; }
    // Counts the times the log was emptied, so a view can tell a fresh log
    // from a longer one.
    int generation() const { return m_generation; }
    void add(std::string line) { m_lines.push_back(std::move(line)); }
    // A move or a draw: logged, and shown as the last action.
    void played(Wording line);

    // The last round's result for each seat that took part in it, in seat
    // order, from its end until the next round or game starts.
    const std::vector<RoundLine>& roundSummary() const { return m_roundSummary; }
    void setRoundSummary(std::vector<RoundLine> lines) { m_roundSummary = std::move(lines); }
    // The tiles the seat held, for its line; false when no line is the seat's.
    bool setRoundRack(Seat seat, std::vector<Tile> tiles);

    std::string winnerText() const { return m_winnerText ? m_winnerText() : std::string(); }
    void setWinnerText(Wording text) { m_winnerText = std::move(text); }

    // What told of the last round goes when a new one starts.
    void newRound();
    // A new game also starts a fresh log.
    void newGame();

private:
    Wording m_status;
    std::string m_refusal;
    Wording m_lastAction;
    std::vector<std::string> m_lines;
    int m_generation = 0;
    std::vector<RoundLine> m_roundSummary;
    Wording m_winnerText;
};

} // namespace brixo
