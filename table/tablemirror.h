// What a table knows of the game, kept from the server's messages alone:
// the seats, the options, whose turn it is and its clock, the board, this
// table's rack, the tile in the hand, the moves sent and not yet confirmed,
// the controls a turn offers and the game log. It has no window: the table
// window draws it and hands it the player's presses, the self-play checker
// and the scripted test tables feed it messages the same way.
//
// The table is optimistic. A tile put down shows at once and its move goes
// to the server; the move stays pending until the server's echo confirms
// it. The server answers moves in the order it got them and says nothing
// of a move it refuses, so a pending move is known refused when the echo
// of a later move arrives first, when the server's word puts another tile
// on its cell, or when the turn ends; it is then taken back here.
//
// Every entry point answers a TableUpdate: the frames to send, the sounds
// and the chat notices it caused.
#pragma once

#include "model/boardgrid.h"
#include "model/rack.h"
#include "table/hand.h"
#include "table/rackpositions.h"
#include "table/tableupdate.h"
#include "table/turnclock.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brixo {

// Who plays a seat, as far as the table can tell.
enum class Occupant { Empty, Person, Computer };

struct SeatState {
    Occupant occupant = Occupant::Empty;
    std::string person;              // the name a person logged in with
    int score = 0;
    bool scoreFromTurn = false;      // shown "+score" until the next plain score
    bool hasLastPoints = false;      // the points of the last turn or round
    int lastPoints = 0;
    bool lastPointsFromTurn = false; // a turn's points show "+points"
    bool hasTiles = false;           // tiles in the rack, once the server told
    int tiles = 0;
    bool watching = false;           // the owner just watches
    bool sittingOut = false;         // sits out the round (seats 3 and 4)
};

struct TableOptions {
    bool known = false;          // a game's options have been announced
    int playto = 0;
    int turntime = 0;            // seconds per turn
    bool penalty = false;
    bool team = false;
};

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
};

struct Spectator {
    int slot = 0;
    std::string name;
    bool operator==(const Spectator&) const = default;
};

// A move sent to the server and not yet echoed.
struct PendingMove {
    enum class Kind { Place, Move };
    Kind kind = Kind::Place;
    int tile = kNoTile;
    int col = 0;  // where the tile was put
    int row = 0;
    int slot = 0;     // Place: the rack slot it left
    int fromcol = 0;  // Move: the cell it left
    int fromrow = 0;
    bool operator==(const PendingMove&) const = default;
};

enum class Press { Left, Right, Other };

// A seat's part in a round that ended.
struct RoundLine {
    int seat = 0;
    std::string name; // as the seat shows it
    int tiles = 0;    // left in its rack
    int points = 0;   // what the round added to or took from its score
    bool operator==(const RoundLine&) const = default;
};

class TableMirror {
public:
    static constexpr int kSeatCount = 4;

    TableMirror();

    // ---- who this table is ------------------------------------------------
    // Hosting or joining under this name: the name goes with the login.
    void beginHosting(const std::string& name);
    void beginJoining(const std::string& name);
    bool host() const { return m_host; }
    int mySeat() const { return m_mySeat; }
    bool loggedIn() const { return m_loggedIn; }
    bool mine(int seat) const { return m_mySeat != 0 && seat == m_mySeat; }

    // ---- preferences the rules read ----------------------------------------
    void setSortByNumber(bool byNumber) { m_sortByNumber = byNumber; }
    bool sortByNumber() const { return m_sortByNumber; }
    void setNewTurnSound(bool on) { m_newTurnSound = on; }

    // ---- messages from the server -------------------------------------------
    // One received line, terminator removed. Unknown commands and malformed
    // messages change nothing.
    TableUpdate receive(std::string_view line);
    TableUpdate receive(std::string_view command, std::string_view args);

    // ---- the player ----------------------------------------------------------
    // A press on board cell (col, row), as placerules::cellOfPress finds it.
    TableUpdate boardMouseDown(Press press, int col, int row);
    // A press on the rack tile of a slot; the completion is chosen by the
    // keys held (Shift a run, Ctrl a group).
    TableUpdate cardimagesMouseDown(int slot, Press press, placerules::Completion completion);
    // Takes back this turn's last step as the player's own presses would:
    // a tile in the hand goes back; tiles laid from the rack by one press
    // are asked back into the rack, as a right press on each does; a board
    // tile moved is moved back to the cell it left. Tiles the server took
    // back or refused in the meantime are passed by; with nothing to take
    // back nothing happens.
    TableUpdate undoLastMove();
    // The tile in the hand goes back (Esc, or a drop the rules refused).
    TableUpdate putBack();
    bool mayUndo() const { return mayPlay() && (!m_hand.empty() || !m_history.empty()); }
    TableUpdate button_clearClick();
    TableUpdate button_finishClick();
    TableUpdate button_drawClick();
    TableUpdate button_yesClick();
    TableUpdate button_editClick();
    TableUpdate image_edit2Click();
    // Asks the server to stop the clock, or to start it again when stopped.
    TableUpdate button_pauseClick();
    // One second of the turn clock.
    TableUpdate turntimeTimer();
    // Puts the rack in order by the sort preference.
    TableUpdate sortthem();

    // Seat management: removing a participant (host only), asking a seat to
    // just watch or play again, and this table's own "Just Watch".
    bool maySeatManage() const { return m_host; }
    bool mayRemove(int seat) const;
    TableUpdate kicking(int target);
    TableUpdate setJustWatch(int seat, bool watch);
    TableUpdate JustWatch1Click();

    // ---- what the table shows -------------------------------------------------
    // The board as shown: the server's word, the moves awaiting it, and the
    // cell a tile in the hand was lifted from left empty.
    const BoardGrid& board() const;
    // The board as the server last described it.
    const BoardGrid& confirmedBoard() const { return m_board; }
    // The mark of the last finished turn lies over the cell.
    bool markShown(int col, int row) const;
    // The board as shown holds only valid sets.
    bool chatboardok() const;

    // This table's tiles by rack slot, and the places they are shown at.
    const Rack& rack() const { return m_rack; }
    const RackPositions& rackPositions() const { return m_positions; }
    // Put on the board and waiting for the server to take it off the rack:
    // shown neither in the rack nor offered again.
    bool awaitingFree(int slot) const { return Rack::validSlot(slot) && m_placed[slot - 1]; }
    // The tile a slot offers to be picked up or completed with; 0 for an
    // empty slot or one awaiting the server.
    int offeredTile(int slot) const { return awaitingFree(slot) ? kNoTile : m_rack.at(slot); }

    // The rack slots of the tiles this table drew last, from the draw until
    // the end of its next turn or of the round; a slot leaves when its tile
    // leaves the rack.
    const std::vector<int>& justDrawn() const { return m_justDrawn; }

    const Hand& hand() const { return m_hand; }
    const std::vector<PendingMove>& pending() const { return m_pending; }

    const SeatState& seat(int seat) const;
    // The seat's name as shown: the person's, the computer's or "<Waiting>".
    std::string seatName(int seat) const;
    std::string scoreText(int seat) const;
    std::string lastPointsText(int seat) const;
    std::string tilesText(int seat) const;
    const std::vector<Spectator>& spectators() const { return m_spectators; }

    int turnSeat() const { return m_turnSeat; }
    // It is this seat's turn and its person plays it.
    bool mayPlay() const;
    // With an empty hand, a press on the cell would lift its tile.
    bool mayPickUp(int col, int row) const;
    // The tile in the hand may go on the cell: it is free and the tile's
    // number fits between its neighbours.
    bool mayPutDown(int col, int row) const;
    int tilesLeft() const { return m_tilesLeft; }
    const TurnClock& clock() const { return m_clock; }
    bool clockRunning() const { return m_clockRunning; }
    // Counts the times the clock was started afresh (a new turn, a resume).
    int clockStarts() const { return m_clockStarts; }
    bool paused() const { return m_paused; }
    const TableOptions& options() const { return m_options; }
    const TurnControls& controls() const { return m_controls; }
    const std::string& status() const { return m_status; }
    // Why the last press could not put the held tile down ("That cell is
    // taken."); empty after a press that did something and when a turn
    // begins or ends.
    const std::string& refusal() const { return m_refusal; }
    const std::string& lastAction() const { return m_lastAction; }
    const std::vector<std::string>& log() const { return m_log; }
    // Counts the times the log was emptied, so a view can tell a fresh log
    // from a longer one.
    int logGeneration() const { return m_logGeneration; }
    // "This round has already started...": this seat waits for the next round.
    bool waitingForRound() const { return m_waitingForRound; }
    const std::string& winnerText() const { return m_winnerText; }
    // The last round's result for each seat that took part in it, in seat
    // order, from its end until the next round or game starts; also in the
    // log ("Klot: 3 tiles left, -15 points.").
    const std::vector<RoundLine>& roundSummary() const { return m_roundSummary; }
    // This seat (or, in a team game, its partner) has finished a turn with
    // tiles laid this round, so its first lay-down is made. A table that
    // joined during the round cannot tell and answers false.
    bool laidDown() const { return m_laidDown; }
    // While this seat plays its turn and its first lay-down is still to be
    // made: the points of the tiles it has laid from its rack this turn,
    // counted as the server counts them for the first lay-down (a wild tile
    // 30). Nothing otherwise.
    std::optional<int> layDownPoints() const;
    // The host may start a game now.
    bool startOffered() const { return m_startOffered; }

private:
    // connection and dispatch (tablemirror.cpp)
    void sendloginfo(std::string_view args);
    void send(std::string frame) { m_update.sends.push_back(std::move(frame)); }
    void sound(std::string name) { m_update.sounds.push_back(std::move(name)); }
    void notice(std::string line) { m_update.notices.push_back(std::move(line)); }
    void logline(std::string line) { m_log.push_back(std::move(line)); }
    // A move or a draw: logged, and the last action shown.
    void played(std::string line);
    // "You" for this table's seat, else the seat's name.
    std::string who(int seat) const;
    TableUpdate done();
    SeatState* seatAt(int seat) { return seat >= 1 && seat <= kSeatCount ? &m_seats[seat] : nullptr; }

    // seats, games, rounds and turns (mirrorseats.cpp)
    void newplayerinfo(std::string_view args);
    void playerdisconnected(std::string_view args);
    void justwatching(std::string_view args);
    void seatComputers(bool team);
    void startthegame(std::string_view args);
    void startround(std::string_view args);
    void loadstats(std::string_view args);
    void endround(std::string_view args);
    void winner(std::string_view args);
    void getnextplayer(std::string_view args);
    void gamepause(std::string_view args);
    void notime(std::string_view args);
    void incomplete(std::string_view args);
    void notenough(std::string_view args);
    void askpenalty(std::string_view args);
    void clearall();
    void offerTurn();
    void hideTurnControls();
    // What this table did in the turn and the server has not confirmed is
    // gone: the hand goes back and the pending moves are taken back. Done
    // whenever the turn is lost or undone.
    void takeBackTurn();
    // The turn of the turn seat is over and the seat now holds `tilesNow`
    // tiles (nothing when the server did not say).
    void turnOver(std::optional<int> tilesNow);
    void forgetRound();

    // board and rack (mirrorboard.cpp)
    void loadboard(std::string_view args);
    void placehistile(std::string_view args);
    void freecard(std::string_view args);
    void swaptiles(std::string_view args);
    void removetile(std::string_view args);
    void undothem(std::string_view args);
    void movedtiles(std::string_view args);
    void yourtiles(std::string_view args);
    void newcard(const RackItem& item);
    void createcard(int slot, int tile);
    void clearthisturn();
    void cleartheboard();
    void movecards(int slot);
    void clearallcards();
    // The server's word for a cell. A tile it puts where a pending move
    // put another means that move was refused.
    // `ours` is false for a change that answers none of this table's
    // moves.
    void serverSet(int col, int row, int tile, bool ours = false);
    // The echo of a pending move: moves sent before it that were not
    // echoed were refused. False when the echo answers no pending move.
    bool confirm(const PendingMove& echo);
    void refuse(std::size_t index);
    void rollBack();
    void setHand(const Hand& hand);
    void updateIncomplete();

    // presses (mirrorplay.cpp)
    void pickUpBoardTile(int col, int row);
    void moveBoardTile(int col, int row);
    void placeRackTile(int col, int row);
    // Says why the tile in the hand cannot go on the cell.
    void refusePutDown(int col, int row);
    void placeFromRack(int slot, int tile, int col, int row);
    void complete(int placedTile, placerules::Completion completion, int col, int row);
    void exchangeCards(int pressedSlot, placerules::Completion completion);
    void selectCard(int slot, placerules::Completion completion);
    void putDownOrBack(const std::string& soundName);
    void refuseNotice(std::string line);
    // A move sent by this table's press, for undoLastMove.
    void remember(const PendingMove& move) { m_history.push_back({move, m_presses}); }
    // Forgets the moves that brought a tile taken off the board there.
    void forgetTile(int col, int row, int tile);
    void turnEnded();

    TableUpdate m_update;

    // who this table is
    int m_mySeat = 0;
    bool m_loggedIn = false;
    bool m_host = false;
    std::string m_loginText;
    bool m_sortByNumber = true;
    bool m_newTurnSound = false;

    // seats and the game
    std::array<SeatState, kSeatCount + 1> m_seats{}; // [0] unused
    std::vector<Spectator> m_spectators;
    TableOptions m_options;
    int m_turnSeat = 0;
    int m_tilesLeft = 0;
    TurnClock m_clock;
    bool m_clockRunning = false;
    int m_clockStarts = 0;
    bool m_paused = false;
    TurnControls m_controls;
    std::string m_status;
    std::string m_refusal;
    std::string m_lastAction;
    std::vector<std::string> m_log;
    int m_logGeneration = 0;
    bool m_waitingForRound = false;
    std::string m_winnerText;
    bool m_startOffered = false;
    bool m_laidDown = false;
    std::vector<RoundLine> m_roundSummary;
    // The game's state came in a catch-up; the turn running then was not
    // seen from its start.
    bool m_catchingUp = false;
    struct TurnSeen {
        bool watched = false;          // seen from its start
        std::optional<int> startTiles; // the seat's tiles then
        bool finished = false;         // ended with tiles laid down
    };
    TurnSeen m_turn;

    // board and rack
    BoardGrid m_board;
    std::vector<PendingMove> m_pending;
    // The tiles this seat laid from its rack this turn that the server took
    // off the rack, with their slots; a tile coming back leaves the list.
    std::vector<RackItem> m_laid;
    // This turn's moves sent by this table's presses, in order, each with
    // the number of the press that made it.
    struct MadeMove {
        PendingMove move;
        int press = 0;
    };
    std::vector<MadeMove> m_history;
    int m_presses = 0;
    std::vector<int> m_justDrawn;
    std::vector<int> m_drawnThisTurn; // of m_justDrawn, the draws of the seat's turn now running
    // The cells the last finished turn changed, marked until the next change.
    std::array<bool, BoardGrid::kColumns * BoardGrid::kRows> m_marks{};
    Rack m_rack;
    std::array<bool, Rack::kSlots> m_placed{};
    RackPositions m_positions;
    Hand m_hand;
    mutable BoardGrid m_shown;
    mutable bool m_shownStale = true;
};

} // namespace brixo
