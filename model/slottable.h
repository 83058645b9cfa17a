// The server's slot table: records for slots 1..9 (1..4 seats, 5..9
// spectators), with room for two more that no connection ever holds (a
// refused connection is answered without one), and playercount, the
// highest slot handed out so far.
#pragma once

#include "model/playerrecord.h"

#include <array>

namespace brixo {

inline constexpr int kSeats = 4;
inline constexpr int kMaxSlots = 9;
inline constexpr int kRecords = 11;

constexpr bool isSeat(int n) { return n >= 1 && n <= kSeats; }
constexpr bool isSlot(int n) { return n >= 1 && n <= kMaxSlots; }

// Seat 1 partners 3, seat 2 partners 4.
constexpr int partnerOf(int seat) { return isSeat(seat) ? (seat + 1) % kSeats + 1 : 0; }
constexpr Seat partnerOf(Seat seat) { return Seat(partnerOf(seat.number())); }

// The seat after this one round the table, 4 followed by 1; seat 1 after
// none.
constexpr Seat seatAfter(Seat seat) { return Seat(seat.valid() ? seat.number() % kSeats + 1 : 1); }

// Name shown for a slot that no person holds: 2 "Klot", 3 "Klock",
// 4 "Kling", 5 "Klick", 6 "Krazy"; none for the others.
const char* defaultComputerName(int slot);

class SlotTable {
public:
    SlotTable();

    // The record of a slot 1..9; nullptr for any other number, so a number
    // from the wire can never index past the table.
    TPlayerRecord* record(Slot slot) { return slot.valid() ? &m_records[slot.index()] : nullptr; }
    const TPlayerRecord* record(Slot slot) const { return slot.valid() ? &m_records[slot.index()] : nullptr; }

    // Seat 1..4 only; nullptr otherwise.
    TPlayerRecord* seat(Seat n) { return n.valid() ? &m_records[n.index()] : nullptr; }
    const TPlayerRecord* seat(Seat n) const { return n.valid() ? &m_records[n.index()] : nullptr; }

    // For loops over Seat::all() or Slot::all() and numbers already
    // checked; one outside the table throws.
    TPlayerRecord& operator[](Seat seat) { return m_records.at(std::size_t(seat.number()) - 1); }
    const TPlayerRecord& operator[](Seat seat) const { return m_records.at(std::size_t(seat.number()) - 1); }
    TPlayerRecord& operator[](Slot slot) { return m_records.at(std::size_t(slot.number()) - 1); }
    const TPlayerRecord& operator[](Slot slot) const { return m_records.at(std::size_t(slot.number()) - 1); }
    // The same by plain number, for readers outside the server.
    const TPlayerRecord& operator[](int n) const { return m_records.at(std::size_t(n) - 1); }

    int playercount = 0;

private:
    std::array<TPlayerRecord, kRecords> m_records;
};

} // namespace brixo
