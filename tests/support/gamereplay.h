// Follows a game from the lines one table hears, from the start of the
// game, the way that table would: the board replayed from the moves and
// the scores from the points each message reports. It finds what a table
// could see go wrong: a committed board that holds an invalid set, a score
// that moves by anything but the points reported (or a round that starts
// from other scores), and a line that does not parse or does not fit the
// board. It also counts what happened, for self-play's figures.
//
// One that does not judge only counts, so that a game played for its speed
// is not slowed by the checks.
#pragma once

#include "model/boardgrid.h"
#include "model/slottable.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace brixo::selfplay {

struct ReplayViolations {
    long committed = 0; // a committed board holds an invalid set
    long scores = 0;    // a score moved by anything but the points reported
    long lines = 0;     // a line that does not parse or does not fit the board
    long total() const { return committed + scores + lines; }
};

// What the lines told of, counted.
struct ReplayCounts {
    long turns = 0;        // turns given, the first of each round included
    long finishes = 0;     // turns that ended with the board committed
    long tilesPlaced = 0;  // tiles laid, including those taken back
    long timeouts = 0;     // turns that ran out on the clock
    int rounds = 0;
    int roundsOut = 0;       // somebody went out
    int roundsExhausted = 0; // the pool ran out for everybody
    std::array<int, kSeats + 1> wentOut{}; // rounds each seat 1..4 ended by going out
};

class GameReplay {
public:
    explicit GameReplay(bool judge = true) : m_judge(judge) {}

    // One line as the table heard it, without its terminator.
    void heard(std::string_view line);

    const BoardGrid& board() const { return m_board; }
    // By seat, 1..4, followed from the points the lines report.
    const std::array<int, kSeats + 1>& scores() const { return m_scores; }
    // The name the game was won by; empty while nobody has won.
    const std::string& winner() const { return m_winner; }
    const ReplayCounts& counts() const { return m_counts; }
    const ReplayViolations& violations() const { return m_violations; }
    // The first few violations, each with its line, for a failure message.
    std::string problems() const;

private:
    void fault(long& kind, std::string_view what, std::string_view line);
    void follow(int seat, int points, int score, std::string_view line);

    bool m_judge;
    BoardGrid m_board;
    std::array<int, kSeats + 1> m_scores{};
    std::string m_winner;
    ReplayCounts m_counts;
    ReplayViolations m_violations;
    std::vector<std::string> m_problems;
};

} // namespace brixo::selfplay
