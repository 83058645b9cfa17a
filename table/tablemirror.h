// What a table knows of the game, kept from the server's messages alone:
// the seats, the options, whose turn it is and its clock, the board, this
// table's rack, the tile in the hand, the moves sent and not yet confirmed,
// the controls a turn offers and the game's words. It has no window: the
// table window draws it and hands it the player's requests, the self-play
// checker and the scripted test tables feed it messages the same way.
//
// It is the table's one door to the server: every server message goes in
// through `receive`, and every request the player makes (a press on the
// board or rack, a turn's button, a chat line, starting a game) comes back
// as the frames to send. Each answers a TableUpdate: those frames, the
// sounds and the chat lines it caused.
//
// The table is optimistic. A tile put down shows at once and its move goes
// to the server; the move stays pending until the server's echo confirms
// it, or is taken back when the server shows it refused (BoardMirror).
#pragma once

#include "model/gameoptions.h"
#include "model/places.h"
#include "net/colourtext.h"
#include "table/boardmirror.h"
#include "table/chatrules.h"
#include "table/hand.h"
#include "table/movehistory.h"
#include "table/rackmirror.h"
#include "table/seatlist.h"
#include "table/setinsertion.h"
#include "table/showme.h"
#include "table/tablelog.h"
#include "table/tableupdate.h"
#include "table/turnstate.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brixo {

struct TableOptions {
    bool known = false;          // a game's options have been announced
    int playto = 0;
    int turntime = 0;            // seconds per turn
    bool penalty = false;
    bool team = false;
};

enum class Press { Left, Right, Other };

class TableMirror {
public:
    TableMirror();

    // ---- who this table is ------------------------------------------------
    // Hosting or joining under this name: the name goes with the login.
    void beginHosting(const std::string& name);
    void beginJoining(const std::string& name);
    // Entering a room of an online lobby under this name: a new room (its
    // creator hosts it) or the room of a code. The lobby greets the table
    // first; the request goes then, and from the room's login on the game
    // is played as any other.
    struct RoomRequest {
        bool create = false;
        std::string title;    // a new room's
        bool isPublic = true; // a new room is listed for all to join
        std::string code;     // the room to join
    };
    void beginOnline(const std::string& name, const RoomRequest& request);
    bool host() const { return m_host; }
    // The code of the room this table is in; empty outside a room.
    const std::string& roomCode() const { return m_roomCode; }
    // The slot the server gave this table, and its seat (none for a spectator).
    Slot mySlot() const { return m_mySlot; }
    Seat mySeat() const { return seatOf(m_mySlot); }
    bool loggedIn() const { return m_loggedIn; }
    bool mine(Seat seat) const { return seat.valid() && seat == mySeat(); }
    // The key the server gave this table's last login: sent with the next
    // login to the same game, it gives back the seat the table held there
    // should its connection be lost. Empty until one is given.
    const std::string& seatKey() const { return m_seatKey; }
    void setSeatKey(const std::string& key) { m_seatKey = key; }
    // The host said it closes the game: the end of the connection that
    // follows is a departure, not a host gone missing.
    bool hostLeft() const { return m_hostLeft; }

    // ---- preferences the rules read ----------------------------------------
    void setSortByNumber(bool byNumber) { m_sortByNumber = byNumber; }
    bool sortByNumber() const { return m_sortByNumber; }
    // A sort is chosen: the rack dealt (or given back to a table catching
    // up) is put in order as it comes.
    void setSortOnDeal(bool sort) { m_sortOnDeal = sort; }
    void setNewTurnSound(bool on) { m_newTurnSound = on; }

    // ---- messages from the server -------------------------------------------
    // One received line, terminator removed. Unknown commands and malformed
    // messages change nothing.
    TableUpdate receive(std::string_view line);
    TableUpdate receive(std::string_view command, std::string_view args);

    // ---- playing a turn -------------------------------------------------------
    // A press on a board cell (placerules::cellOfPress finds it). A tile
    // put down on a tile of a set goes into the set on the side of it the
    // press lay nearer (setinsertion).
    TableUpdate pressBoard(Press press, BoardCell cell, setinsertion::Side side = setinsertion::Side::Before);
    // A press on a rack tile; the completion (chosen by the keys held: Shift
    // a run, Ctrl a group) lays the next tiles with it once it is put down.
    TableUpdate pressRackTile(RackSlot slot, Press press, placerules::Completion completion);
    // Takes back this turn's last step as the player's own presses would:
    // a tile in the hand goes back; tiles laid from the rack by one press
    // are asked back into the rack, as a right press on each does; a board
    // tile moved is moved back to the cell it left. Tiles the server took
    // back or refused in the meantime are passed by; with nothing to take
    // back nothing happens.
    TableUpdate undoLastMove();
    bool mayUndo() const { return mayPlay() && (!m_hand.empty() || !m_history.empty()); }
    // The tile in the hand goes back (Esc, or a drop the rules refused).
    TableUpdate putBack();
    // Takes back everything done this turn.
    TableUpdate clearTurn();
    TableUpdate finishTurn();
    TableUpdate drawTile();
    // Answers the penalty question: yes takes the tiles and ends the turn;
    // keeping on editing dismisses it (or the first lay-down notice).
    TableUpdate acceptPenalty();
    TableUpdate keepEditing();
    // Asks the server to stop the clock, or to start it again when stopped.
    TableUpdate togglePause();
    // One second of the turn clock.
    TableUpdate clockTick();
    // Puts the rack in order by the sort preference.
    TableUpdate sortRack();
    // Puts the tiles that make or nearly make sets together (rackarrange).
    TableUpdate arrangeRack();
    // The best play for this seat, told in the chat; its rack tiles stay
    // marked (hintSlots) while the turn it was asked in lasts.
    TableUpdate askHint();
    bool mayHint() const;
    const std::vector<RackSlot>& hintSlots() const;
    // Show Me: the hint's play carried out on the board, a step at a time,
    // by the presses a person would make (so each move goes to the server
    // as a person's does and may be undone the same way). `showMe` tells
    // the hint and starts, or stops a run under way; the window calls
    // `showMeNext` at its pace, and each call lifts the next step's tile
    // into the hand or puts the lifted tile down, once the server has
    // confirmed the steps before. A run ends when every step is confirmed,
    // when a step is refused or the turn ends, and when the player presses
    // on the board or the rack (the press only stops it) or uses a turn's
    // button (which then does what it does).
    TableUpdate showMe();
    TableUpdate showMeNext();
    bool mayShowMe() const { return mayPlay(); }
    bool showingMe() const { return m_showMe.running(); }
    // The step whose tile is in the hand on its way to its cell.
    std::optional<ShowMeStep> showMeInHand() const;

    // ---- the game and the people at it ------------------------------------------
    // The host starts a game with these options.
    TableUpdate startGame(const GameOptions& options);
    // A line typed in the chat, and a phrase button's words (at most one
    // phrase per two seconds, by the clock given).
    TableUpdate say(std::string_view line, Colour textColour, Colour actionColour);
    TableUpdate sayPhrase(std::string_view phrase, Colour actionColour, chatrules::PhraseLock::Clock::time_point now);
    const chatrules::PhraseLock& phraseLock() const { return m_phraseLock; }
    // The host's speed for the computer players, told to the server.
    TableUpdate setBotSpeed(int milliseconds);
    // Seat management: removing a participant (host only), asking a seat to
    // just watch or play again, and this table's own "Just Watch".
    bool maySeatManage() const { return m_host; }
    bool mayRemove(Slot slot) const;
    TableUpdate removeFromGame(Slot slot);
    TableUpdate setSeatWatching(Seat seat, bool watch);
    TableUpdate toggleJustWatch();

    // ---- what the table shows -------------------------------------------------
    // The board as shown: the server's word, the moves awaiting it, and the
    // cell a tile in the hand was lifted from left empty.
    const BoardGrid& board() const { return m_board.shown(); }
    // The board as the server last described it.
    const BoardGrid& confirmedBoard() const { return m_board.confirmed(); }
    const std::vector<PendingMove>& pending() const { return m_board.pending(); }
    // The mark of the last finished turn lies over the cell.
    bool markShown(BoardCell cell) const { return m_board.marked(cell); }
    // The board as shown holds only valid sets (the server's own check).
    bool shownBoardValid() const;

    // This table's tiles by rack slot, and the places they are shown at.
    const Rack& rack() const { return m_rack.tiles(); }
    const RackPositions& rackPositions() const { return m_rack.positions(); }
    bool awaitingFree(RackSlot slot) const { return m_rack.awaitingServer(slot); }
    Tile offeredTile(RackSlot slot) const { return m_rack.offered(slot); }
    const std::vector<RackSlot>& justDrawn() const { return m_rack.justDrawn(); }
    const Hand& hand() const { return m_hand; }

    const SeatState& seat(Seat seat) const { return m_seats.at(seat); }
    std::string seatName(Seat seat) const { return m_seats.name(seat); }
    std::string scoreText(Seat seat) const { return m_seats.scoreText(seat); }
    std::string lastPointsText(Seat seat) const { return m_seats.lastPointsText(seat); }
    std::string tilesText(Seat seat) const { return m_seats.tilesText(seat); }
    const std::vector<Spectator>& spectators() const { return m_seats.spectators(); }
    // The names at the other seats, the computer's included, for the tally.
    std::vector<std::string> othersAtTable() const;

    // In a team game, the seat that plays with this one; none otherwise.
    Seat partnerSeat() const;
    // Tiles from the rack lie on the board this turn (laid, waiting or echoed).
    bool laidThisTurn() const { return m_rack.pointsLaid() > 0; }

    Seat turnSeat() const { return m_turn.seat(); }
    // Counts the turns begun, so a new turn of the same seat tells apart.
    int turnNumber() const { return m_turn.number(); }
    // It is this seat's turn and its person plays it.
    bool mayPlay() const;
    // With an empty hand, a press on the cell would lift its tile.
    bool mayPickUp(BoardCell cell) const;
    // The tile in the hand may go on the cell: it is free and the tile's
    // number fits between its neighbours.
    bool mayPutDown(BoardCell cell) const;
    int tilesLeft() const { return m_turn.tilesLeft(); }
    const TurnClock& clock() const { return m_turn.clock(); }
    bool clockRunning() const { return m_turn.clockRunning(); }
    int clockStarts() const { return m_turn.clockStarts(); }
    bool paused() const { return m_turn.paused(); }
    const TurnControls& controls() const { return m_turn.controls(); }
    const TableOptions& options() const { return m_options; }

    std::string status() const { return m_log.status(); }
    const std::string& refusal() const { return m_log.refusal(); }
    // The status line as shown: a refusal first, else the status with a
    // first lay-down's progress ("Your Turn.  22 of 30").
    std::string statusLine() const { return m_log.statusLine(layDownPoints()); }
    std::string lastAction() const { return m_log.lastAction(); }
    const std::vector<std::string>& log() const { return m_log.lines(); }
    int logGeneration() const { return m_log.generation(); }
    // The last round's result for each seat that took part, with the tiles
    // each held (in the order of the sort preference) once the server
    // shows them.
    const std::vector<RoundLine>& roundSummary() const { return m_log.roundSummary(); }
    std::string winnerText() const { return m_log.winnerText(); }
    // "This round has already started...": this seat waits for the next round.
    bool waitingForRound() const { return m_waitingForRound; }
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
    // A game is being played (started and not yet won).
    bool gameRunning() const { return m_options.known && !m_startOffered; }

private:
    // login and dispatch (tablemirror.cpp)
    void sendlogininfo(std::string_view args);
    void send(std::string frame) { m_update.sends.push_back(std::move(frame)); }
    void sound(std::string name) { m_update.sounds.push_back(std::move(name)); }
    void notice(std::string line) { m_update.notices.push_back(std::move(line)); }
    void chatline(std::string_view args);
    void lobbygreeting(std::string_view args);
    void roomcode(std::string_view args);
    void noroom(std::string_view args);
    // "You" for this table's seat, else the seat's name.
    std::string who(Seat seat) const;
    TableUpdate done();

    // seats, games, rounds and turns (mirrorseats.cpp, mirrorturns.cpp)
    void newplayerinfo(std::string_view args);
    void playerdisconnected(std::string_view args);
    void justwatching(std::string_view args);
    void startthegame(std::string_view args);
    void startround(std::string_view args);
    void loadstats(std::string_view args);
    void endround(std::string_view args);
    void roundrack(std::string_view args);
    void winner(std::string_view args);
    void getnextplayer(std::string_view args);
    void gamepause(std::string_view args);
    void notime(std::string_view args);
    void incomplete(std::string_view args);
    void notenough(std::string_view args);
    void askpenalty(std::string_view args);
    void timeleft(std::string_view args);
    void offerTurn();
    // What this table did in the turn and the server has not confirmed is
    // gone: the hand goes back and the pending moves are taken back. Done
    // whenever the turn is lost or undone.
    void takeBackTurn();
    // The turn of the turn seat is over and the seat now holds `tilesNow`
    // tiles (nothing when the server did not say).
    void turnOver(std::optional<int> tilesNow);
    void newRound();

    // board and rack messages (mirrorboard.cpp)
    void loadboard(std::string_view args);
    void placehistile(std::string_view args);
    void freecard(std::string_view args);
    void swaptiles(std::string_view args);
    void removetile(std::string_view args);
    void undothem(std::string_view args);
    void movedtiles(std::string_view args);
    void yourtiles(std::string_view args);
    // The server's word for a cell; moves it shows refused are taken back.
    void serverSet(BoardCell cell, Tile tile, bool ours = false);
    // The moves the server refused: their rack tiles are offered again and
    // they are no longer this turn's.
    void refused(const std::vector<PendingMove>& moves);
    void setHand(const Hand& hand);
    void updateIncomplete();
    void clearRack();

    // presses (mirrorplay.cpp)
    void pickUpBoardTile(BoardCell cell);
    void moveBoardTile(BoardCell cell, setinsertion::Side side);
    void placeRackTile(BoardCell cell, setinsertion::Side side);
    // The tile in the hand goes into the set on the cell; false, with the
    // reason shown, when it cannot.
    bool insertHeldTile(BoardCell onto, setinsertion::Side side);
    void moveOnBoard(const PendingMove& move);
    void placeFromRack(RackSlot slot, BoardCell cell);
    void complete(Tile placed, placerules::Completion completion, BoardCell cell);
    void exchangeTiles(RackSlot pressed, placerules::Completion completion);
    void selectTile(RackSlot slot, placerules::Completion completion);
    void putDownOrBack(const std::string& soundName);
    void refuseNotice(std::string line);
    void turnEnded();
    // Any press on the board dismisses the notices lying over it.
    void dismissNotices();

    // Show Me (mirrorshowme.cpp)
    void liftShowMeTile();
    void putDownShowMeTile();
    // Ends a run under way, the tile in the hand going back.
    void endShowMe();
    void showMeRefused(const std::string& why);

    TableUpdate m_update;

    // who this table is
    Slot m_mySlot;
    bool m_loggedIn = false;
    bool m_host = false;
    std::string m_loginText;
    std::string m_seatKey;
    bool m_hostLeft = false;
    bool m_sortByNumber = true;
    bool m_sortOnDeal = false;
    // The next rack to arrive is a whole one: a deal, or a catch-up's.
    bool m_dealDue = false;
    bool m_newTurnSound = false;

    // the game
    SeatList m_seats;
    TableOptions m_options;
    TurnState m_turn;
    TableLog m_log;
    bool m_waitingForRound = false;
    bool m_startOffered = false;
    bool m_laidDown = false;
    // The game's state came in a catch-up; the turn running then was not
    // seen from its start.
    bool m_catchingUp = false;
    // The server turned this table away; it hears nothing more.
    bool m_turnedAway = false;
    // What to ask an online lobby for, until it has answered.
    std::optional<RoomRequest> m_roomRequest;
    std::string m_roomCode;

    // the board, the rack and the hand
    BoardMirror m_board;
    RackMirror m_rack;
    Hand m_hand;
    MoveHistory m_history;

    // requests with a memory
    chatrules::PhraseLock m_phraseLock;
    std::vector<RackSlot> m_hintSlots;
    int m_hintTurn = -1;
    std::string m_hintTold; // the hint last told this turn
    ShowMe m_showMe;
};

} // namespace brixo
