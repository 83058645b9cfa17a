#include "model/pool.h"

#include "model/tile.h"

namespace brixo {

// Fills a work array with 1..53, 1..53 and then, for each place in turn,
// draws work indices until one still holds a tile and takes it. This is the
// game's own shuffle; with a fixed seed it gives the same deal every time.
void Pool::shuffletiles(RandomSource& random)
{
    std::array<int, kSize> work{};
    for (int i = 0; i < kSize; ++i) work[i] = i % kHighestTile + 1;
    for (int place = 0; place < kSize; ++place) {
        for (;;) {
            const int index = random.below(kSize);
            if (work[index] != 0) {
                m_tiles[place] = work[index];
                work[index] = 0;
                break;
            }
        }
    }
    poolpos = 0;
}

int Pool::take()
{
    if (exhausted()) return 0;
    ++poolpos;
    return m_tiles[poolpos - 1];
}

} // namespace brixo
