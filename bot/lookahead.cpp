#include "bot/lookahead.h"

#include "model/tile.h"

#include <algorithm>
#include <array>
#include <climits>

namespace brixo {

namespace {

// SplitMix64: a small generator of the look-ahead's own, so that sampling
// never draws from the server's generator, which decides the deals.
class SampleRandom {
public:
    explicit SampleRandom(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    std::size_t below(std::size_t n) { return std::size_t(next() % n); }

private:
    std::uint64_t m_state;
};

int rackValue(const std::vector<int>& rack)
{
    int value = 0;
    for (const int t : rack) value += tilevalue(t);
    return value;
}

} // namespace

void LookaheadGame::lay(std::size_t seat, const std::vector<int>& laid, int value)
{
    LookaheadSeat& s = seats[seat];
    for (const int t : laid) {
        const auto at = std::find(s.rack.begin(), s.rack.end(), t);
        if (at == s.rack.end()) continue;
        s.rack.erase(at);
        board.push_back(t);
    }
    s.gained += value;
    if (!laid.empty()) s.laidDown = true;
    if (s.rack.empty() && (!team || seats[(seat + 2) % seats.size()].rack.empty())) {
        wentOut = int(seat);
        over = true;
    }
}

void LookaheadGame::draw(std::size_t seat)
{
    LookaheadSeat& s = seats[seat];
    if (poolNext < pool.size()) {
        s.rack.push_back(pool[poolNext++]);
        return;
    }
    s.poolEmpty = true;
    over = std::all_of(seats.begin(), seats.end(), [](const LookaheadSeat& o) { return o.poolEmpty; });
}

void LookaheadGame::playturn(std::size_t seat, const PlayLimits& limits)
{
    if (over) return;
    LookaheadSeat& s = seats[seat];
    const Play play = bestplay(board, s.rack, s.laidDown, limits);
    if (play.found) lay(seat, play.laid, play.value);
    else draw(seat);
}

int LookaheadGame::standing(bool againstBest) const
{
    std::vector<int> result(seats.size());
    int others = 0;
    for (std::size_t i = 0; i < seats.size(); ++i) {
        const int left = rackValue(seats[i].rack);
        result[i] = seats[i].gained - left;
        others += left;
    }
    if (wentOut >= 0) result[std::size_t(wentOut)] += others;
    if (team && seats.size() == 4) {
        // The partners' gains and racks are one score (a team goes out
        // with both racks empty, so the racks it takes are the other's).
        return result[0] + result[2] - result[1] - result[3];
    }
    if (seats.size() < 2) return result[0];
    int best = INT_MIN;
    int sum = 0;
    for (std::size_t i = 1; i < seats.size(); ++i) {
        best = std::max(best, result[i]);
        sum += result[i];
    }
    return result[0] - (againstBest ? best : sum / int(seats.size() - 1));
}

std::vector<LookaheadGame> sampledeals(const std::vector<int>& board, const std::vector<int>& rack, bool laidDown,
                                       const std::vector<SeatCount>& others, int count, std::uint64_t seed)
{
    // Two of every code; what the board and the rack show is seen.
    std::array<int, kHighestTile + 1> left{};
    for (int code = 1; code <= kHighestTile; ++code) left[std::size_t(code)] = 2;
    for (const int t : board)
        if (isTile(t) && left[std::size_t(t)] > 0) --left[std::size_t(t)];
    for (const int t : rack)
        if (isTile(t) && left[std::size_t(t)] > 0) --left[std::size_t(t)];
    std::vector<int> unseen;
    for (int code = 1; code <= kHighestTile; ++code)
        for (int j = 0; j < left[std::size_t(code)]; ++j) unseen.push_back(code);

    SampleRandom random(seed);
    std::vector<LookaheadGame> games;
    for (int k = 0; k < count; ++k) {
        std::vector<int> tiles = unseen;
        for (std::size_t i = tiles.size(); i > 1; --i) std::swap(tiles[i - 1], tiles[random.below(i)]);
        LookaheadGame game;
        game.board = board;
        game.seats.push_back({rack, laidDown});
        std::size_t next = 0;
        for (const SeatCount& other : others) {
            const std::size_t take = std::min(tiles.size() - next, std::size_t(std::max(0, other.tiles)));
            LookaheadSeat seat;
            seat.rack.assign(tiles.begin() + std::ptrdiff_t(next), tiles.begin() + std::ptrdiff_t(next + take));
            seat.laidDown = other.laidDown;
            next += take;
            game.seats.push_back(std::move(seat));
        }
        game.pool.assign(tiles.begin() + std::ptrdiff_t(next), tiles.end());
        games.push_back(std::move(game));
    }
    return games;
}

} // namespace brixo
