// Whole games between computer players on the game server core alone: no
// sockets, no timers, no windows. The game is started the way a host
// starts it, through the server's own inputs only: the host's table logs in
// at seat 1, other tables log in at seats 3 and 4 when the game has them
// (seat 2 plays in every game and is left without a connection), the host
// sends "CMD_startgame", and then every table asks to just watch, so that
// the computer plays every seat.
//
// Time is simulated. The computer timer fires as soon as it is armed (the
// bot speed plays no part); when nothing else is pending the turn clock
// ticks one second, so time-outs and the pause between rounds happen as
// they would, only without the waiting.
//
// After every event, and at every turn end the host's table hears of, the
// game is checked: tiles conserved, the board equal to the snapshot plus
// the turn log (and to the snapshot alone once a turn has ended), and the
// host table's state (the very TableMirror a table window shows), kept
// from the messages alone, holding the server's board, the host's rack and
// every score. What the host's table hears is also replayed (GameReplay):
// every committed board valid, every score following the points reported.
// With the checks off the game is only played.
#pragma once

#include "bot/botlevel.h"
#include "model/slottable.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace brixo {
class TServer;
}

namespace brixo::selfplay {

struct GameSetup {
    int seats = 4;         // 2 to 4 seats play; a team game always has 4
    bool team = false;
    int playto = 500;
    int turntime = 60;
    int tiles = 14;        // tiles to start with
    bool penalty = true;
    std::uint64_t seed = 1;
    int roundLimit = 100;  // a game not won after this many rounds is stopped
    bool keepTranscript = false;
    bool checks = true;    // check the game after every event and turn end
    // How well the computer plays each seat (index 1..4).
    std::array<BotLevel, kSeats + 1> levels{};
    // Shown the server just before each computer turn starts, if set.
    std::function<void(const TServer&)> beforeComputerTurn;
};

// Failed checks, by kind; each check that fails counts once.
struct Violations {
    long tiles = 0;       // a tile lost, doubled or invented
    long board = 0;       // board is not the snapshot plus the turn log
    long committed = 0;   // a committed board holds an invalid set
    long mirror = 0;      // the host table's board, rack or scores differ from the server's
    long stalled = 0;     // a game that runs with no clock and no computer turn pending
    long total() const { return tiles + board + committed + mirror + stalled; }
    Violations& operator+=(const Violations& o);
};

struct GameResult {
    std::uint64_t seed = 0;
    int seats = 0;             // seats that played
    bool finished = false;     // a winner was announced
    std::string winner;
    std::array<int, kSeats> scores{};
    int rounds = 0;
    int roundsOut = 0;         // somebody went out
    std::array<int, kSeats + 1> wentOut{}; // rounds each seat ended by going out
    int roundsExhausted = 0;   // the pool ran out for everybody
    long turns = 0;
    long finishes = 0;         // turns that ended with the board committed
    long tilesLaid = 0;        // tiles that stayed on the board at turn ends
    long tilesPlaced = 0;      // tiles laid, including those taken back
    long timeouts = 0;         // turns that ran out on the clock
    long frames = 0;           // frames the server sent, to every connection
    long seconds = 0;          // simulated seconds on the turn clock
    // Every seat's score as each round ended, in round order.
    std::vector<std::array<int, kSeats>> roundScores;
    std::uint64_t digest = 0;  // of every line the host's table heard
    Violations violations;
    std::vector<std::string> transcript; // the host table's lines, when kept
};

GameResult playgame(const GameSetup& setup);

// Plays `games` games of `seats` seats with seeds from `seed` on, without the
// checks, seat 1 at `level` and the rest at `others`, and shows the server to
// `atTurn` just before each of seat 1's turns: the positions a benchmark
// times a player's decisions over.
void seatoneturns(long games, int seats, std::uint64_t seed, BotLevel level, BotLevel others,
                  const std::function<void(const TServer&)>& atTurn);

} // namespace brixo::selfplay
