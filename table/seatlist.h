// The four seats as a table knows them, who plays each, the scores and the
// counts beside them, and the spectators watching the game.
#pragma once

#include "model/places.h"

#include <array>
#include <string>
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

struct Spectator {
    Slot slot;
    std::string name;
    bool operator==(const Spectator&) const = default;
};

class SeatList {
public:
    // A seat that is none reads as an empty seat.
    const SeatState& at(Seat seat) const;
    // The seat's state to change; nullptr for a seat that is none.
    SeatState* find(Seat seat) { return seat.valid() ? &m_seats[seat.index()] : nullptr; }

    // The seat's name as shown: the person's, the computer's or "<Waiting>".
    std::string name(Seat seat) const;
    std::string scoreText(Seat seat) const;
    std::string lastPointsText(Seat seat) const;
    std::string tilesText(Seat seat) const;

    // A person logged in at a seat, or a spectator at a slot beyond them.
    void arrive(Slot slot, const std::string& name);
    // The person at a slot left. A seat goes to the computer when it plays
    // it in the game (seat 2 always, seats 3 and 4 in a team game), else it
    // waits. Answers false for a spectator the table did not know.
    bool leave(Slot slot, const std::string& name, bool team);
    const std::vector<Spectator>& spectators() const { return m_spectators; }

    // Seat 2 always has a computer player when nobody sits there, seats 3
    // and 4 only in a team game; a person keeps the seat whatever the name.
    void seatComputers(bool team);
    // A score the server announced; `fromTurn`: a finished turn's.
    void setScore(Seat seat, int score, bool fromTurn = false);
    void setTiles(Seat seat, int tiles);
    // A new game: no scores, no counts, everybody playing.
    void newGame();

private:
    std::array<SeatState, Seat::kCount> m_seats{};
    std::vector<Spectator> m_spectators;
};

} // namespace brixo
