// The game server. It owns the authoritative game: the slot table, the
// pool, the racks, the board and its turn snapshot, the scores and the
// options. It checks every move, runs the turn clock, settles the rounds
// and has the computer play the seats no person plays.
//
// TServer is driven by calls and answers through a ServerHost: it is told
// that a connection was accepted, that a line arrived on a connection, that
// a connection closed, that a second passed on the turn clock, or that the
// computer timer fired. A message is attributed to the slot whose
// connection it arrived on; a slot or seat number in the message that names
// anybody else gets it dropped (the host, slot 1, may name any seat when
// asking a seat to just watch), and so do the moves of a seat whose owner
// just watches, since the computer plays it. Every number is range-checked
// before it indexes anything, and a message that does not fit the state is
// dropped without a reply.
//
// During a game a seat whose player left waits for them: the computer plays
// it, and only a login carrying the seat key its player was last given (a
// secret only that table was told) takes it back, with its rack, and for
// slot 1 the host's rights. A name alone makes a newcomer. A table that
// comes back with a valid key gets in even when every slot is busy: it is
// held apart until its login shows the key, and turned away as full if it
// does not. A player the host removes is out until the game ends: a login
// with their key, their name or from their address is refused.
//
// Inputs are handled one at a time: one that arrives while another is
// being handled (a host that reports a close from inside send(), say) waits
// until the first is done.
#pragma once

#include "bot/bottable.h"
#include "model/boardgrid.h"
#include "server/gamejournal.h"
#include "model/gamestate.h"
#include "model/pool.h"
#include "model/slottable.h"
#include "net/catalogue.h"
#include "server/secretrandom.h"
#include "server/senderlimiter.h"
#include "server/pauseallowance.h"
#include "server/serverhost.h"

#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brixo {

// Where a server puts its game journal: told the journal at every committed
// turn end and round end (the game's start included), and when the game is
// over, so that the journal can go.
class JournalSink {
public:
    virtual ~JournalSink() = default;
    virtual void journal(const GameJournal& journal) = 0;
    virtual void gameOver() = 0;
};

class TServer final : public BotTable {
public:
    TServer(ServerHost& host, RandomSource& random);

    // ---- events from the host -------------------------------------------
    // `address`: the peer's address as text, the key of the bounds on what
    // one address may hold and say and of refusing a removed player; empty
    // when the host does not know it (such connections are bounded one by one).
    void connectionAccepted(ConnectionId connection, std::string address = {});
    // One received line, terminator removed.
    void message(ConnectionId from, std::string_view line);
    // The same, already split at the first "+".
    void dispatch(ConnectionId from, std::string_view command, std::string_view args);
    void connectionClosed(ConnectionId connection);
    void timer1Timer();
    void computertimerTimer();
    // The connection's time to log in is up.
    void loginDeadline(ConnectionId connection);

    // A connection must log in within this time, or its slot goes to others.
    static constexpr int kLoginMilliseconds = 10000;
    // Connections from one address that have not logged in yet: more are
    // told the game is full, so that a few addresses cannot hold every free
    // slot by connecting again as each deadline frees one.
    static constexpr int kWaitingPerAddress = 2;
    // Connections from one address: a burst, then one a second; more are
    // told the game is full. Every login and every departure is a line to
    // every table, so a table that comes and goes in a loop would otherwise
    // fill a slow reader's output as a chat flood would.
    static constexpr int kArrivalBurst = 20;
    static constexpr int kArrivalsPerSecond = 1;
    // How long the turn a resumed game starts with waits for its player to
    // come back before the computer plays it for them.
    static constexpr int kReturnGraceSeconds = 10;

    // Whether the computer takes over seat 1's turn when its table leaves
    // during it, as it does for every other seat. Off by default: where a
    // table hosts the game, seat 1 is the host's own table, whose closing
    // ends the game's process anyway, so its turn just runs out. A server
    // without a table of its own turns it on.
    void setComputerTakesSeatOne(bool takes) { m_computerTakesSeatOne = takes; }

    // The turn clock runs this much longer than the tables' clocks show,
    // for the messages' way to the tables and back.
    static constexpr int kTurnGraceSeconds = 4;

    // The seconds between a round's end and the next round's deal, counted
    // on the turn clock, so at least one.
    static constexpr int kDefaultRoundPauseSeconds = 20;
    void setRoundPauseSeconds(int seconds) { m_roundPauseSeconds = std::max(1, seconds); }
    int roundPauseSeconds() const { return m_roundPauseSeconds; }

    // Where seat keys come from; the operating system's source until set.
    void setSecretSource(SecretRandom& secrets) { m_secrets = &secrets; }
    // How many chat lines a sender may have relayed at once and then per
    // second (SenderLimiter's bounds unless set).
    void setChatLimit(int burst, int perSecond) { m_chatLimiter = SenderLimiter(burst, perSecond); }
    // The same for connections (kArrivalBurst and kArrivalsPerSecond unless set).
    void setArrivalLimit(int burst, int perSecond) { m_arrivalLimiter = SenderLimiter(burst, perSecond); }
    // How many moves, just-watch and pause requests a table may send at once,
    // and then a second, before it is let go: far beyond any person's pace,
    // far below what would fill a slow reader's output.
    static constexpr int kPaceBurst = 500;
    static constexpr int kPacePerSecond = 200;
    // Other bounds, for the benchmarks that measure how fast the server goes.
    void setRequestPace(int burst, int perSecond)
    {
        m_paceBurst = burst;
        m_pacePerSecond = perSecond;
    }

    // Where the journal goes; none until set, and then nothing is made.
    void setJournalSink(JournalSink* sink) { m_journalSink = sink; }
    // The running game, as the server offers it to the sink: at a turn's
    // start or between rounds, when nothing uncommitted is on the board.
    GameJournal journal() const;
    // Goes on with a journaled game, on a server that runs none yet and has
    // no tables: the turn that ran starts afresh on a full clock (or the
    // wait between rounds does), and each seat a person held waits for
    // them, opened by their seat key; the computer plays it meanwhile.
    // False, with nothing changed, when a game runs already or the random
    // source cannot be put back where the journal says.
    bool resume(const GameJournal& journal);

    // ---- the computer player's view (also the table's move handlers) -----
    const BoardGrid& grid() const override { return m_grid; }
    // An empty rack for a number that is no seat.
    const Rack& rack(Seat seat) const override;
    int laiddown(Seat seat) const override;
    bool teamgame() const override { return m_state.teamgame; }
    RandomSource& random() override { return m_random; }
    void placemytile(std::string_view body) override;
    void swaptiles(std::string_view body) override;
    void finish(std::string_view body) override;
    void drawcard(std::string_view body) override;

    // ---- read access -----------------------------------------------------
    const SlotTable& slotTable() const { return m_slots; }
    const GameState& state() const { return m_state; }
    const Pool& pool() const { return m_pool; }
    const BoardGrid& snapshot() const { return m_snapshot; }
    bool computerTimerArmed() const { return m_computerTimerArmed; }
    // The slot the next connection would take: the lowest free one among
    // those handed out so far, else a new one; none when the server is full.
    Slot freeSlot() const;
    // A turn is in progress: a game runs and the clock is not in the pause
    // between rounds. Moves are taken only then.
    bool turnRunning() const;

private:
    // The host's table: it starts games and may remove others.
    static constexpr Slot kHostSlot{1};

    // Connections, login, departures, chat (connections.cpp).
    void receivedlogininfo(Slot slot, std::string_view body);
    // Seats the login: its name, its new seat key, the news to every table
    // and, during a game, the catch-up.
    void logIn(Slot slot, const msg::LoginInfo& login);
    // A name nobody else at the table goes by: the cleaned name, with a
    // number added when another connected table has it or a seat waits for
    // a player of that name.
    std::string uniqueName(std::string_view raw, Slot slot) const;
    // The seat kept during the game for the player given this key, or none.
    Seat seatKeptFor(std::string_view key) const;
    // The login is of a player the host removed from the game.
    bool removedPlayer(const msg::LoginInfo& login, const std::string& address) const;
    // Turns a connection away with a reason; `slot`: the one it holds, if any.
    void refuse(ConnectionId connection, Slot slot, const std::string& reason);
    // Puts a connection into the seat kept for it; its table is asked to log
    // in again from there unless `told` (the slot it logged in as) is it.
    void returnToSeat(ConnectionId connection, const std::string& address, Seat seat, const msg::LoginInfo& login,
                      Slot told);
    // A connection past a full server, waiting to show a seat key.
    struct WaitingConnection {
        ConnectionId connection = kNoConnection;
        std::string address;
        Slot told; // the slot its login must name
    };
    void waitForKey(ConnectionId connection, const std::string& address);
    void keyedLogin(const WaitingConnection& waiting, std::string_view body);
    // The place of a waiting connection; the end when it is none.
    std::vector<WaitingConnection>::iterator waitingConnection(ConnectionId connection);
    // Forgets a waiting connection; false when it was none.
    bool stopWaiting(ConnectionId connection);
    // Brings a table that logs in during a game up to date; `tellTurn`:
    // with the turn that runs, unless it is about to be given afresh.
    void catchUp(Slot slot, bool tellTurn);
    void kickhim(std::string_view body);
    // Removes the slot's player until the game ends.
    void removeFromGame(Slot slot);
    // Nothing for a slot that is not 1..9 or has no connection.
    void disconnectsock(Slot slot);
    // `kept`: the seat waits for the person during the game (not for a
    // person who was removed).
    void departure(Slot slot, bool kept = true);
    // Requests every table hears, bounded per table; false once a table is
    // past its allowance.
    static bool pacedRequest(std::string_view command);
    bool keepsPace(Slot slot);
    // Frees a slot that never logged in, without a word to the others.
    void dropUnannounced(Slot slot);
    void computerTakesOver(Seat seat);
    // The computer plays the seat's turn at the level the host sets now.
    void playcomputer(Seat seat);
    void justwatch(std::string_view body);
    void chat(Slot slot, std::string_view body);
    void action(Slot slot, std::string_view body);
    // Whether a chat or action line from the slot is relayed: not longer
    // than a person can type, and within the sender's share (the sender is
    // told when it is used up).
    bool mayRelay(Slot slot, std::string_view text);
    // Connections from the address that have not logged in.
    int waitingFrom(const std::string& address) const;

    // Game and round lifecycle, the clock (lifecycle.cpp).
    void startgame(std::string_view body);
    void startround();
    void givetiles();
    void findplayer();
    void announceTurn();
    // The seconds the running turn has left on the clock the tables show.
    int turnSecondsShown() const;
    // Whose turn it is, the pool and every seat's score and tiles.
    msg::NextPlayer currentTurn() const;
    void timeup(Seat seat);
    void pause(std::string_view body);
    void setPlaysFlags();
    int dealSeats() const;
    void startClock(ClockPhase phase, int seconds);
    void stopClock();
    // Ends a pause, telling every table; liftPause also runs the turn's
    // clock again.
    void endPause();
    void liftPause();
    void forgetKeptSeats();
    void writeJournal();
    void scheduleComputer();
    void stopComputerTimer();

    // Moves inside a turn (moves.cpp).
    void replacetile(std::string_view body);
    void undothem(std::string_view body);
    void undo(Seat seat);
    void clearusingstring(Seat seat);

    // Drawing and ending a turn (turnend.cpp).
    bool draw(Seat seat, int count);
    void clickyes(std::string_view body);
    void drawInstead(Seat seat, int count);

    // Round end and the winner (scoring.cpp).
    // `seat` went out; none when the pool ran out for everybody.
    void endround(Seat seat);
    bool checkforwin();
    std::string winnerName(Seat seat) const;

    // Sending (serverform.cpp).
    void sendTo(Slot slot, const std::string& frame);
    void sendTo(Seat seat, const std::string& frame) { sendTo(slotOf(seat), frame); }
    void broadcast(const std::string& frame);
    // The slot whose connection this is; none when no slot holds it.
    Slot connectionSlot(ConnectionId connection) const;
    // The seat a message names by number, when it is the turn seat and a
    // turn runs; none otherwise.
    Seat movingSeat(int named) const;

    // Runs an input now, or after the one being handled.
    void serialized(std::function<void()> input);

    ServerHost& m_host;
    RandomSource& m_random;
    SlotTable m_slots;
    GameState m_state;
    Pool m_pool;
    BoardGrid m_grid;
    BoardGrid m_snapshot;
    bool m_clockRunning = false;
    bool m_computerTimerArmed = false;
    bool m_computerTakesSeatOne = false;
    int m_roundPauseSeconds = kDefaultRoundPauseSeconds;
    SystemSecretRandom m_systemSecrets;
    SecretRandom* m_secrets = &m_systemSecrets;
    std::vector<WaitingConnection> m_waitingForKey;
    // Who the host removed, kept until a game ends.
    struct Removed {
        std::string seatkey;
        std::string name;
        std::string address;
    };
    std::vector<Removed> m_removed;
    bool m_busy = false;
    SenderLimiter m_chatLimiter;
    SenderLimiter m_arrivalLimiter{kArrivalBurst, kArrivalsPerSecond};
    // Seconds the first turn of a resumed game still waits for the player
    // it was cut short for before the computer plays it.
    int m_returnGraceSeconds = 0;
    // Each logged-in slot's allowance of requests that every table hears.
    std::array<std::optional<TokenBucket>, Slot::kLast + 1> m_pace;
    int m_paceBurst = kPaceBurst;
    int m_pacePerSecond = kPacePerSecond;
    PauseAllowance m_pauses;
    JournalSink* m_journalSink = nullptr;
    int m_round = 0; // the game's rounds dealt so far
    std::deque<std::function<void()>> m_waiting;
};

} // namespace brixo
