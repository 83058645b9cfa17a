#include "model/boardgrid.h"

#include <algorithm>

namespace brixo {

bool BoardGrid::hasAnyTile() const
{
    return std::any_of(m_cells.begin(), m_cells.end(), [](int c) { return c != kNoTile; });
}

int BoardGrid::tileCount() const
{
    return static_cast<int>(std::count_if(m_cells.begin(), m_cells.end(), [](int c) { return c != kNoTile; }));
}

} // namespace brixo
