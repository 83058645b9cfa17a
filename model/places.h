// The numbers a game is played with, each a type of its own: a seat, a
// connection slot, a rack slot, a tile and a board cell. They are made from
// plain ints only on purpose and never turn into one another, so a seat is
// never passed where a rack slot is meant, nor a column where a row is.
// Many arrive from the network: each says whether it lies in its range,
// and reading one outside it is the reader's check to make.
#pragma once

#include <array>
#include <cstddef>
#include <iosfwd>

namespace brixo {

inline constexpr int kBoardColumns = 23; // 0..22 hold tiles
inline constexpr int kBoardRows = 13;    // 0..12

// A number in a known range with a meaning of its own. Made from an int
// only explicitly; 0 (the default) lies outside every range here and
// stands for "none".
template <class Kind, int First, int Last>
class Numbered {
public:
    static constexpr int kFirst = First;
    static constexpr int kLast = Last;
    static constexpr int kCount = Last - First + 1;

    constexpr Numbered() = default;
    explicit constexpr Numbered(int number) : m_number(number) {}

    constexpr int number() const { return m_number; }
    constexpr bool valid() const { return m_number >= First && m_number <= Last; }
    // The place of a valid number in an array that holds the whole range.
    constexpr std::size_t index() const { return static_cast<std::size_t>(m_number - First); }

    friend constexpr bool operator==(Numbered, Numbered) = default;
    // Ordered with < alone, not <=>: <compare> brings in <concepts>, which
    // Qt 6.4's moc cannot read, and every window header includes this one.
    friend constexpr bool operator<(Numbered a, Numbered b) { return a.m_number < b.m_number; }

    // Every number of the range in order, for loops over all of them.
    static constexpr std::array<Numbered, kCount> all()
    {
        std::array<Numbered, kCount> every{};
        for (int n = First; n <= Last; ++n) every[static_cast<std::size_t>(n - First)] = Numbered(n);
        return every;
    }

private:
    int m_number = 0;
};

// A seat at the table: 1..4 play.
using Seat = Numbered<struct SeatKind, 1, 4>;
// A connection's slot at the server: 1..4 are the seats, 5..9 spectators.
using Slot = Numbered<struct SlotKind, 1, 9>;
// A slot of a rack, 1..60, as the server numbers a rack's tiles.
using RackSlot = Numbered<struct RackSlotKind, 1, 60>;

// The seat a slot sits in; no seat (0) for a spectator's slot.
constexpr Seat seatOf(Slot slot)
{
    return slot.number() >= Seat::kFirst && slot.number() <= Seat::kLast ? Seat(slot.number()) : Seat();
}
// The slot of a seat's connection.
constexpr Slot slotOf(Seat seat)
{
    return Slot(seat.number());
}

// A tile code: 0 no tile, 1..13 Green 1..King, 14..26 Orange, 27..39 Red,
// 40..52 Black, 53 the wild tile (model/tile.h reads them).
class Tile {
public:
    static constexpr int kHighest = 53;

    constexpr Tile() = default;
    explicit constexpr Tile(int code) : m_code(code) {}

    constexpr int code() const { return m_code; }
    // No tile: an empty cell or rack slot.
    constexpr bool none() const { return m_code == 0; }
    // A real tile, 1..53.
    constexpr bool real() const { return m_code >= 1 && m_code <= kHighest; }
    // A code the game knows, no tile included.
    constexpr bool known() const { return m_code >= 0 && m_code <= kHighest; }

    friend constexpr bool operator==(Tile, Tile) = default;
    friend constexpr bool operator<(Tile a, Tile b) { return a.m_code < b.m_code; }

private:
    int m_code = 0;
};

// A cell of the board: sets lie along rows. Any column and row may be
// named (a press beyond the board's edge names column 23); only cells
// inside the board hold tiles.
struct BoardCell {
    int col = 0;
    int row = 0;

    constexpr bool inside() const { return col >= 0 && col < kBoardColumns && row >= 0 && row < kBoardRows; }
    // The cell's place in an array of the board's cells, column after
    // column; only for cells inside the board.
    constexpr std::size_t index() const { return static_cast<std::size_t>(col * kBoardRows + row); }
    // The cell `steps` columns to the right (left for a negative number).
    constexpr BoardCell right(int steps = 1) const { return {col + steps, row}; }

    friend constexpr bool operator==(BoardCell, BoardCell) = default;
};

// Each writes its number (a cell as "(col, row)"), so that test failures
// and logs read plainly.
template <class Kind, int First, int Last>
std::ostream& operator<<(std::ostream& out, Numbered<Kind, First, Last> number);
std::ostream& operator<<(std::ostream& out, Tile tile);
std::ostream& operator<<(std::ostream& out, BoardCell cell);

// One flag per cell of the board.
using BoardCellFlags = std::array<bool, static_cast<std::size_t>(kBoardColumns * kBoardRows)>;

} // namespace brixo
