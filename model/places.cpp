#include "model/places.h"

#include <ostream>

namespace brixo {

template <class Kind, int First, int Last>
std::ostream& operator<<(std::ostream& out, Numbered<Kind, First, Last> number)
{
    return out << number.number();
}

template std::ostream& operator<<(std::ostream&, Seat);
template std::ostream& operator<<(std::ostream&, Slot);
template std::ostream& operator<<(std::ostream&, RackSlot);

std::ostream& operator<<(std::ostream& out, Tile tile)
{
    return out << tile.code();
}

std::ostream& operator<<(std::ostream& out, BoardCell cell)
{
    return out << '(' << cell.col << ", " << cell.row << ')';
}

} // namespace brixo
