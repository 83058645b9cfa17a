// What a screen reader should announce as the game goes on: the start of
// each turn, what the player of the turn before did (laid tiles, drew,
// took the turn back), why a press or a finish was refused, the table's
// notices, the round's result and the game's winner. It follows the
// table's mirror update by update and tells what changed, in the words of
// spokenwords; the window passes them to the platform.
#pragma once

#include "model/places.h"
#include "table/seatlist.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace brixo {

class TableMirror;
struct TableUpdate;

class TableNarrator {
public:
    // The announcements the update calls for, in the order they happened.
    // `afterPress`: the update answers a press of the player, so a refusal
    // is told again even when its words are the last ones told.
    std::vector<std::string> follow(const TableMirror& mirror, const TableUpdate& update, bool afterPress = false);

    // The person who last left a seat the computer now plays, if any.
    const std::string& leftBy(Seat seat) const;

private:
    struct SeatMemory {
        Occupant occupant = Occupant::Empty;
        std::string person;
        std::string leftBy;
    };
    // The turn that ends: what it did is told once it is over, when the
    // seat's new tile count shows how many tiles went or came.
    void tellTurnOver(const TableMirror& mirror, std::optional<int> tilesNow);
    void say(std::string words);

    std::vector<std::string> m_said;
    std::array<SeatMemory, Seat::kCount> m_seats{};
    int m_turnNumber = 0;
    Seat m_turnSeat;
    std::optional<int> m_turnStartTiles;
    // Points the running turn laid, once the server showed them.
    std::optional<int> m_laidPoints;
    // The marks of the last finished turn as last seen: new ones show a
    // turn that laid tiles.
    BoardCellFlags m_marks{};
    std::string m_refusal;
    bool m_roundShown = false;
    std::string m_winner;
    bool m_paused = false;
};

} // namespace brixo
