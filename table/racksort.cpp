#include "table/racksort.h"

#include "model/tile.h"

namespace brixo::racksort {

int sortKey(Tile tile, bool byNumber)
{
    if (!byNumber) return tile.code();
    if (tile == Tile(kWildTile)) return kTilesPerColour + 1;
    return ordernumber(tile);
}

bool sortthem(RackPositions& rack, bool byNumber, const std::function<Tile(RackSlot)>& tileOf,
              const std::function<void(int a, int b)>& moved)
{
    constexpr int kPositions = RackPositions::kPositions;
    for (int pass = 0; pass < kPositions; ++pass) {
        bool exchanged = false;
        for (int i = kPositions; i >= 2; --i) {
            if (rack.isFree(i) || rack.isFree(i - 1)) continue;
            const Tile tile = tileOf(rack.slotAt(i));
            const Tile before = tileOf(rack.slotAt(i - 1));
            if (!tile.real() || !before.real()) return false;
            if (sortKey(tile, byNumber) < sortKey(before, byNumber)) {
                rack.exchange(i, i - 1);
                if (moved) moved(i, i - 1);
                exchanged = true;
            }
        }
        // A pass without an exchange leaves nothing for the later ones.
        if (!exchanged) break;
    }
    return true;
}

} // namespace brixo::racksort
