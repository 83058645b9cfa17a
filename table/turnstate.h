// Whose turn it is as a table knows it: the turn seat, the tiles left in
// the pool, the clock the player sees, whether the server stopped it, the
// controls a turn offers, and how much of the running turn this table saw.
#pragma once

#include "model/places.h"
#include "table/turnclock.h"

#include <optional>

namespace brixo {

// The controls of a turn and the notices over the board.
struct TurnControls {
    bool draw = false;
    bool finish = false;
    bool clear = false;
    bool sign = false;          // the incomplete-board sign is shown
    bool signBlinking = false;  // and blinks: the board holds sets that are not valid
    bool penaltyPanel = false;  // "take a 3 tile penalty?"
    bool laydownPanel = false;  // "your first lay down must ..."
    bool pauseEnabled = false;

    // The turn's buttons and notices, all gone.
    void hide()
    {
        draw = clear = finish = sign = false;
        penaltyPanel = laydownPanel = false;
    }
    // A turn to play: Draw, and the sign that blinks while the board is not valid.
    void offer(bool boardValid)
    {
        draw = sign = true;
        signBlinking = !boardValid;
    }
};

class TurnState {
public:
    Seat seat() const { return m_seat; }
    // Counts the turns begun, so that something asked for in a turn can
    // tell when that turn is over.
    int number() const { return m_number; }
    int tilesLeft() const { return m_tilesLeft; }
    const TurnClock& clock() const { return m_clock; }
    bool clockRunning() const { return m_clockRunning; }
    // Counts the times the clock was started afresh (a new turn, a resume).
    int clockStarts() const { return m_clockStarts; }
    bool paused() const { return m_paused; }
    TurnControls& controls() { return m_controls; }
    const TurnControls& controls() const { return m_controls; }

    void setTimePerTurn(int seconds) { m_clock.setTimePerTurn(seconds); }
    // A turn begins with a full clock that runs: a turn that ended while the
    // clock was stopped gives way to one whose clock runs, and the server
    // sends no resume for it.
    void begin(Seat seat, int tilesLeft);
    // No turn runs (a round starts, the server fell silent).
    void end();
    // A table catching up learns whose turn runs; the clock starts with the
    // turn's own message.
    void catchUp(Seat seat) { m_seat = seat; }
    // The clock of the running turn shows this many seconds left (at most
    // the whole time).
    void clockAt(int seconds) { m_clock.setSecondsLeft(seconds); }
    // A game starts: no turn, nothing paused.
    void newGame();
    // The round ended: the clock shows nothing left and nothing is paused.
    void roundOver();
    // The server stopped the clock, or started it again.
    void pause(bool paused);

    enum class Tick { Quiet, Aloud, ServerSilent };
    // One second of the clock.
    Tick tick();

    // How much of the running turn this table saw: from its start (with
    // the seat's tiles then), and whether it finished with tiles laid. A
    // turn running when this table caught up was not seen from its start.
    struct Seen {
        bool fromStart = false;
        std::optional<int> startTiles;
        bool finished = false;
    };
    const Seen& seen() const { return m_seen; }
    void watchFromStart(std::optional<int> tiles) { m_seen = {true, tiles, false}; }
    void finished() { m_seen.finished = true; }
    void forgetSeen() { m_seen = {}; }

private:
    Seat m_seat;
    int m_number = 0;
    int m_tilesLeft = 0;
    TurnClock m_clock;
    bool m_clockRunning = false;
    int m_clockStarts = 0;
    bool m_paused = false;
    TurnControls m_controls;
    Seen m_seen;
};

} // namespace brixo
