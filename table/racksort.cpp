#include "table/racksort.h"

#include "model/tile.h"

namespace racksort {

int sortKey(int tile, bool byNumber)
{
    if (!byNumber) return tile;
    if (tile == brixo::kWildTile) return 15;
    const int n = tile % brixo::kTilesPerColour;
    return n == 0 ? 14 : n;
}

bool sortthem(RackPositions& rack, bool byNumber, const std::function<int(int slot)>& tileOf,
              const std::function<void(int a, int b)>& moved)
{
    constexpr int kPositions = RackPositions::kPositions;
    for (int pass = 0; pass < kPositions; ++pass) {
        bool exchanged = false;
        for (int i = kPositions; i >= 2; --i) {
            const int slot = rack.slotAt(i);
            const int before = rack.slotAt(i - 1);
            if (slot == RackPositions::kFree || before == RackPositions::kFree) continue;
            const int tile = tileOf(slot);
            const int beforeTile = tileOf(before);
            if (!brixo::isTile(tile) || !brixo::isTile(beforeTile)) return false;
            if (sortKey(tile, byNumber) < sortKey(beforeTile, byNumber)) {
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

} // namespace racksort
