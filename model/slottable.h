// The server's slot table: records 1..11 (1..4 seats, 5..9 spectators, 10
// the refused-connection landing place) and playercount, the highest slot
// handed out so far.
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

// Name shown for a slot that no person holds: 2 "Klot", 3 "Klock",
// 4 "Kling", 5 "Klick", 6 "Krazy"; none for the others.
const char* defaultComputerName(int slot);

class SlotTable {
public:
    SlotTable();

    // Record n (1..11); nullptr outside, so a number from the wire can never
    // index past the table.
    TPlayerRecord* record(int n) { return n >= 1 && n <= kRecords ? &m_records[n - 1] : nullptr; }
    const TPlayerRecord* record(int n) const { return n >= 1 && n <= kRecords ? &m_records[n - 1] : nullptr; }

    // Seat 1..4 only; nullptr otherwise.
    TPlayerRecord* seat(int n) { return isSeat(n) ? &m_records[n - 1] : nullptr; }
    const TPlayerRecord* seat(int n) const { return isSeat(n) ? &m_records[n - 1] : nullptr; }

    // Unchecked access for loops over known-good ranges.
    TPlayerRecord& operator[](int n) { return m_records.at(n - 1); }
    const TPlayerRecord& operator[](int n) const { return m_records.at(n - 1); }

    int playercount = 0;

private:
    std::array<TPlayerRecord, kRecords> m_records;
};

} // namespace brixo
