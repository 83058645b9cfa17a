#include "bot/bestplay.h"

#include "model/boardgrid.h"
#include "model/gameoptions.h"
#include "model/setrules.h"
#include "model/tile.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <optional>

namespace brixo {

namespace {

constexpr int kColours = 4;
constexpr int kNumbers = kTilesPerColour;
constexpr int kMaxWilds = 2;
constexpr int kCopies = 2;
// States per step of the first, narrow pass.
constexpr std::size_t kNarrowStates = 1500;
// Where a step must drop states, each tile a state still owes to a run
// too short to stand weighs like 40 points laid: a state that owes little
// is far likelier to end with every board tile placed.
constexpr long long kShortRunCharge = 40;

// A play's worth as one integer, so that the order "value, then tiles,
// then fewer wild tiles" is a plain sum over the tiles laid: a tile adds
// its value in units that no count of tiles can reach, and one tile unit
// more than any count of wild tiles.
constexpr int kValueUnit = 4096;
constexpr int kTileUnit = 8;
constexpr int realGain(int number) { return number * kValueUnit + kTileUnit; }
constexpr int kWildGain = tilevalue(kWildTile) * kValueUnit + kTileUnit - 1;

int codeOf(int colour, int number) { return colour * kNumbers + number; }

// ---- the state of the search ------------------------------------------------
//
// Per colour, the runs open after the last number looked at, by length:
// `wildStart` runs hold only a wild tile so far (the next tile must be a
// real one), then runs of length 1, 2, and 3 or more. Besides, the wild
// tiles spent, and how many colours of the current number wait for a group
// with one tile (a) and with both copies (b).

struct Open {
    int wildStart = 0;
    int one = 0;
    int two = 0;
    int three = 0;
};

using Key = std::uint64_t;
constexpr int kColourBits = 11;
constexpr int kUsedShift = kColours * kColourBits;
constexpr int kSinglesShift = kUsedShift + 2;
constexpr int kPairsShift = kSinglesShift + 3;

Open openRuns(Key key, int colour)
{
    const Key v = key >> (colour * kColourBits);
    return {int(v & 3), int((v >> 2) & 7), int((v >> 5) & 7), int((v >> 8) & 7)};
}

Key withOpen(Key key, int colour, const Open& o)
{
    const int shift = colour * kColourBits;
    key &= ~(Key((1u << kColourBits) - 1) << shift);
    const Key v = Key(o.wildStart) | Key(o.one) << 2 | Key(o.two) << 5 | Key(o.three) << 8;
    return key | v << shift;
}

int wildsUsed(Key key) { return int((key >> kUsedShift) & 3); }
int singles(Key key) { return int((key >> kSinglesShift) & 7); }
int pairs(Key key) { return int((key >> kPairsShift) & 7); }

Key withUsed(Key key, int used) { return (key & ~(Key(3) << kUsedShift)) | Key(used) << kUsedShift; }
Key withGroups(Key key, int a, int b)
{
    key &= ~(Key(63) << kSinglesShift);
    return key | Key(a) << kSinglesShift | Key(b) << kPairsShift;
}

// ---- one step's choice, packed ------------------------------------------------
//
// A colour step: of the open runs of length 1, 2 and 3+, how many take this
// number's real tile (the rest of lengths 1 and 2 take a wild tile), how
// many of length 3+ take a wild tile (the others end), how many runs start
// with a real tile and with a wild tile, how many real tiles go to the
// number's groups, and at the King which run goes on past it with wild
// tiles. The last colour of a number also settles the number's groups and
// the wild tiles they take.

enum Beyond : int {
    kNoBeyond = 0,
    kOneReal = 1,   // a run of length 1 takes the King and two wild tiles after it
    kOneWild = 2,   // a run of length 1 takes a wild tile as King and one after it
    kTwoReal = 3,
    kTwoWild = 4,
    kThreeReal = 5,
    kThreeWild = 6,
    kNewKing = 7,   // a run starts at the King and takes two wild tiles after it
};
// Odd values follow a real King with two wild tiles, even ones a wild King with one.
constexpr int beyondWilds(int beyond) { return beyond == kNoBeyond ? 0 : (beyond % 2 == 1 ? 2 : 1); }

struct ColourChoice {
    int r1 = 0, r2 = 0, r3 = 0, w3 = 0, nr = 0, nw = 0, g = 0, beyond = 0;
    int groupWilds = 0; // the last colour of a number: wild tiles added to its groups

    std::uint32_t pack() const
    {
        return std::uint32_t(r1 | r2 << 3 | r3 << 6 | w3 << 9 | nr << 12 | nw << 14 | g << 16 | beyond << 18 |
                             groupWilds << 21);
    }
    static ColourChoice unpack(std::uint32_t v)
    {
        ColourChoice c;
        c.r1 = int(v & 7);
        c.r2 = int(v >> 3 & 7);
        c.r3 = int(v >> 6 & 7);
        c.w3 = int(v >> 9 & 7);
        c.nr = int(v >> 12 & 3);
        c.nw = int(v >> 14 & 3);
        c.g = int(v >> 16 & 3);
        c.beyond = int(v >> 18 & 7);
        c.groupWilds = int(v >> 21 & 3);
        return c;
    }
};

// ---- groups of one number --------------------------------------------------------

bool fillGroups(const std::vector<int>& reals, std::size_t next, std::vector<std::vector<int>>& groups,
                int groupCount, int wilds)
{
    if (next == reals.size()) {
        int missing = 0;
        for (const auto& g : groups) {
            if (g.empty()) return false;
            missing += std::max(0, 3 - int(g.size()));
        }
        if (missing > wilds) return false;
        int spare = wilds - missing;
        for (auto& g : groups) {
            while (g.size() < 3) g.push_back(kWildTile);
            for (; spare > 0; --spare) g.push_back(kWildTile);
        }
        return true;
    }
    const int colour = getsuit(reals[next]);
    int used = 0;
    for (const auto& g : groups) used += !g.empty();
    for (int j = 0; j < groupCount && j <= used; ++j) {
        auto& g = groups[std::size_t(j)];
        if (std::any_of(g.begin(), g.end(), [&](int t) { return getsuit(t) == colour; })) continue;
        g.push_back(reals[next]);
        if (fillGroups(reals, next + 1, groups, groupCount, wilds)) return true;
        g.pop_back();
    }
    return false;
}

// Real tiles of one number and some wild tiles, split into groups of three
// or more with no colour twice; fewest groups first. Nothing at all is an
// empty split.
std::optional<std::vector<std::vector<int>>> splitgroups(const std::vector<int>& reals, int wilds)
{
    if (reals.empty()) {
        if (wilds == 0) return std::vector<std::vector<int>>{};
        return std::nullopt;
    }
    for (int count = 1; count <= 3; ++count) {
        std::vector<std::vector<int>> groups(static_cast<std::size_t>(count));
        if (fillGroups(reals, 0, groups, count, wilds)) return groups;
    }
    return std::nullopt;
}

// feasible[a][b][k]: a colours with one tile, b with both copies and k
// wild tiles split into groups.
struct GroupTable {
    std::array<std::array<std::array<bool, kMaxWilds + 1>, kColours + 1>, kColours + 1> feasible{};

    GroupTable()
    {
        for (int a = 0; a <= kColours; ++a) {
            for (int b = 0; a + b <= kColours; ++b) {
                std::vector<int> reals;
                for (int c = 0; c < a + b; ++c)
                    for (int copy = 0; copy < (c < a ? 1 : 2); ++copy) reals.push_back(codeOf(c, 1));
                for (int k = 0; k <= kMaxWilds; ++k) feasible[a][b][k] = splitgroups(reals, k).has_value();
            }
        }
    }
};

const GroupTable& groupTable()
{
    static const GroupTable table;
    return table;
}

// ---- the search -------------------------------------------------------------------------

// A hash index from a state to its place in the step being built: open
// addressing on the top bits of a multiplicative hash, keys kept in the
// table so that a probe touches one cache line.
class StateIndex {
public:
    void reset(std::size_t expected)
    {
        int bits = 10;
        while ((std::size_t(1) << bits) < expected * 2) ++bits;
        if (bits != m_bits) {
            m_bits = bits;
            m_slots.assign(std::size_t(1) << bits, Slot{});
        } else {
            std::fill(m_slots.begin(), m_slots.end(), Slot{});
        }
        m_count = 0;
    }
    // The place of `key`, or -1 after recording `index` as its place.
    int findOrInsert(Key key, int index)
    {
        if ((m_count + 1) * 2 > m_slots.size()) grow();
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t h = slotOf(key);; h = (h + 1) & mask) {
            Slot& slot = m_slots[h];
            if (slot.index < 0) {
                slot = {key, index};
                ++m_count;
                return -1;
            }
            if (slot.key == key) return slot.index;
        }
    }

private:
    struct Slot {
        Key key = 0;
        int index = -1;
    };

    std::size_t slotOf(Key key) const { return std::size_t((key * 0x9E3779B97F4A7C15ULL) >> (64 - m_bits)); }

    void grow()
    {
        std::vector<Slot> old;
        old.swap(m_slots);
        ++m_bits;
        m_slots.assign(std::size_t(1) << m_bits, Slot{});
        const std::size_t mask = m_slots.size() - 1;
        for (const Slot& s : old) {
            if (s.index < 0) continue;
            std::size_t h = slotOf(s.key);
            while (m_slots[h].index >= 0) h = (h + 1) & mask;
            m_slots[h] = s;
        }
    }

    std::vector<Slot> m_slots;
    int m_bits = 0;
    std::size_t m_count = 0;
};

struct Step {
    std::vector<int> parents;
    std::vector<std::uint32_t> choices;
};

class Search {
public:
    Search(const std::vector<int>& board, const std::vector<int>& rack, const PlayLimits& limits)
        : m_limits(limits)
    {
        for (const int code : board) {
            if (isTile(code)) m_boardTiles.push_back(code);
            if (code == kWildTile) ++m_boardWilds;
            else if (isTile(code)) ++m_board[std::size_t(getsuit(code) - 1)][std::size_t(ordernumber(code))];
        }
        for (const int code : rack) {
            if (code == kWildTile) ++m_rackWilds;
            else if (isTile(code)) ++m_rack[std::size_t(getsuit(code) - 1)][std::size_t(ordernumber(code))];
        }
        m_valid = m_boardWilds <= kMaxWilds;
        m_rackWilds = std::clamp(m_rackWilds, 0, kMaxWilds - std::min(m_boardWilds, kMaxWilds));
        for (int c = 0; c < kColours; ++c) {
            for (int n = 1; n <= kNumbers; ++n) {
                int& b = m_board[std::size_t(c)][std::size_t(n)];
                int& r = m_rack[std::size_t(c)][std::size_t(n)];
                if (b > kCopies) m_valid = false;
                r = std::clamp(r, 0, std::max(0, kCopies - b));
            }
        }
        m_wilds = m_boardWilds + m_rackWilds;
        dropUnusable();
        int after = 0;
        for (int n = kNumbers; n >= 1; --n) {
            m_rackAfter[std::size_t(n)][kColours] = after;
            for (int c = kColours - 1; c >= 0; --c) {
                m_rackAfter[std::size_t(n)][std::size_t(c)] = after;
                after += m_rack[std::size_t(c)][std::size_t(n)] * realGain(n);
            }
        }
    }

    Play run(bool laidDown);

private:
    // Rack tiles that no set could hold, whatever else is laid: no three
    // colours of its number and no three numbers around it in its colour,
    // even with every wild tile. They are never laid, so the bound need not
    // count them.
    void dropUnusable()
    {
        for (int c = 0; c < kColours; ++c) {
            for (int n = 1; n <= kNumbers; ++n) {
                if (m_rack[std::size_t(c)][std::size_t(n)] == 0) continue;
                int colours = 0;
                for (int other = 0; other < kColours; ++other) colours += availAt(other, n) > 0;
                bool fits = colours + m_wilds >= 3;
                for (int start = n - 2; start <= n && !fits; ++start) {
                    int missing = 0;
                    for (int m = start; m < start + 3; ++m) missing += availAt(c, m) == 0;
                    fits = start >= 1 && missing <= m_wilds;
                }
                // Past the King only two wild tiles go on.
                fits = fits || (n == kNumbers && m_wilds == 2) || (n == kNumbers - 1 && m_wilds == 2);
                if (!fits) m_rack[std::size_t(c)][std::size_t(n)] = 0;
            }
        }
    }

    int boardAt(int c, int n) const { return n >= 1 && n <= kNumbers ? m_board[std::size_t(c)][std::size_t(n)] : 0; }
    int availAt(int c, int n) const
    {
        return n >= 1 && n <= kNumbers ? m_board[std::size_t(c)][std::size_t(n)] + m_rack[std::size_t(c)][std::size_t(n)]
                                       : 0;
    }
    // Worth of wild tiles number used..used+k-1: the board's own come first
    // and are worth nothing.
    int wildGain(int used, int k) const
    {
        int gain = 0;
        for (int j = used; j < used + k; ++j)
            if (j >= m_boardWilds) gain += kWildGain;
        return gain;
    }

    void beginStep()
    {
        m_nextKeys.clear();
        m_nextScores.clear();
        m_steps.emplace_back();
        m_index.reset(m_keys.size());
    }
    void offer(Key key, int score, int parent, std::uint32_t choice)
    {
        Step& step = m_steps.back();
        const int index = int(m_nextKeys.size());
        const int found = m_index.findOrInsert(key, index);
        if (found >= 0) {
            if (score > m_nextScores[std::size_t(found)]) {
                m_nextScores[std::size_t(found)] = score;
                step.parents[std::size_t(found)] = parent;
                step.choices[std::size_t(found)] = choice;
            }
            return;
        }
        m_nextKeys.push_back(key);
        m_nextScores.push_back(score);
        step.parents.push_back(parent);
        step.choices.push_back(choice);
    }
    void endStep();
    // What a state owes: each run that still needs two more tiles counts
    // twice, one that needs one more once.
    static long long shortCharge(Key key)
    {
        long long owed = 0;
        for (int c = 0; c < kColours; ++c) {
            const Open o = openRuns(key, c);
            owed += 2 * (o.wildStart + o.one) + o.two;
        }
        return owed * kShortRunCharge * kValueUnit;
    }
    // Whether a state after (n, c) with `used` wild tiles spent and `score`
    // could still reach the floor.
    bool hopeful(int n, int c, int used, int score) const
    {
        if (m_floor == INT_MIN) return true;
        return score + m_rackAfter[std::size_t(n)][std::size_t(c)] + wildGain(used, m_wilds - used) >= m_floor;
    }

    int sweep(std::size_t cap, int floor);
    void colourStep(int n, int c);
    Play rebuild(int finalIndex, bool laidDown) const;
    bool accounted(const Play& play) const;

    PlayLimits m_limits;
    std::vector<int> m_boardTiles;
    std::array<std::array<int, kNumbers + 2>, kColours> m_board{};
    std::array<std::array<int, kNumbers + 2>, kColours> m_rack{};
    int m_boardWilds = 0;
    int m_rackWilds = 0;
    int m_wilds = 0;
    bool m_valid = true;
    bool m_limited = false;
    std::size_t m_cap = 0;
    int m_floor = INT_MIN;
    // Worth of the rack tiles after (number, colour), in the order the
    // search takes them; [n][4] is everything after number n.
    std::array<std::array<int, kColours + 1>, kNumbers + 1> m_rackAfter{};

    std::vector<Key> m_keys{0};
    std::vector<int> m_scores{0};
    std::vector<Key> m_nextKeys;
    std::vector<int> m_nextScores;
    std::vector<Step> m_steps;
    StateIndex m_index;
};

void Search::endStep()
{
    const std::size_t cap = m_cap;
    if (m_nextKeys.size() > cap) {
        // Over the limit: the best states go on, by points laid less a
        // charge for every run still too short to stand, since those are
        // the states that die when later board tiles find no place.
        m_limited = true;
        std::vector<long long> merit(m_nextKeys.size());
        for (std::size_t i = 0; i < merit.size(); ++i) merit[i] = m_nextScores[i] - shortCharge(m_nextKeys[i]);
        std::vector<long long> sorted = merit;
        std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(cap - 1), sorted.end(), std::greater<long long>());
        const long long threshold = sorted[cap - 1];
        std::size_t above = 0;
        for (const long long m : merit) above += m > threshold;
        std::size_t tiesLeft = cap - above;
        Step& step = m_steps.back();
        std::size_t kept = 0;
        for (std::size_t i = 0; i < m_nextKeys.size(); ++i) {
            const long long m = merit[i];
            if (m < threshold || (m == threshold && tiesLeft == 0)) continue;
            if (m == threshold) --tiesLeft;
            m_nextKeys[kept] = m_nextKeys[i];
            m_nextScores[kept] = m_nextScores[i];
            step.parents[kept] = step.parents[i];
            step.choices[kept] = step.choices[i];
            ++kept;
        }
        m_nextKeys.resize(kept);
        m_nextScores.resize(kept);
        step.parents.resize(kept);
        step.choices.resize(kept);
    }
    m_keys.swap(m_nextKeys);
    m_scores.swap(m_nextScores);
}

void Search::colourStep(int n, int c)
{
    beginStep();
    const GroupTable& groups = groupTable();
    // Offers the state a choice leads to; after the last colour, once for
    // every number of wild tiles that lets the number's groups stand.
    auto offerChoice = [&](Key key, std::size_t parent, int score, int used, int k, int a, int b, ColourChoice choice) {
        if (c + 1 < kColours) {
            score += wildGain(used, k);
            if (hopeful(n, c, used + k, score)) offer(withGroups(withUsed(key, used + k), a, b), score, int(parent), choice.pack());
            return;
        }
        for (int kg = 0; used + k + kg <= m_wilds; ++kg) {
            if (!groups.feasible[std::size_t(a)][std::size_t(b)][std::size_t(kg)]) continue;
            const int total = score + wildGain(used, k + kg);
            if (!hopeful(n, c, used + k + kg, total)) continue;
            choice.groupWilds = kg;
            offer(withGroups(withUsed(key, used + k + kg), 0, 0), total, int(parent), choice.pack());
        }
    };
    const int must = boardAt(c, n);
    const int avail = availAt(c, n);
    const bool last = n == kNumbers;
    const int nextAvail = availAt(c, n + 1);
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        const Key key = m_keys[i];
        const int score = m_scores[i];
        const Open o = openRuns(key, c);
        const int used = wildsUsed(key);
        const int spare = m_wilds - used;
        // A run opened by a wild tile needs a real tile now, and one opened
        // by a wild tile at 12 would need three wild tiles to end.
        if (o.wildStart > avail || (last && o.wildStart > 0)) continue;
        for (int r1 = 0; r1 <= o.one; ++r1) {
            const int w1 = o.one - r1;
            for (int r2 = 0; r2 <= o.two; ++r2) {
                const int w2 = o.two - r2;
                for (int r3 = 0; r3 <= o.three; ++r3) {
                    for (int w3 = 0; r3 + w3 <= o.three; ++w3) {
                        const int runReals = o.wildStart + r1 + r2 + r3;
                        const int runWilds = w1 + w2 + w3;
                        if (runReals > avail || runWilds > spare) continue;
                        const int ended = o.three - r3 - w3;
                        // A run of three or more that ends here while a new run of its
                        // colour starts here could as well have taken the new run's
                        // tiles itself; such choices are left out.
                        const int maxNew = ended > 0 ? 0 : avail - runReals;
                        for (int nr = 0; nr <= maxNew; ++nr) {
                            for (int g = 0; runReals + nr + g <= avail; ++g) {
                                const int u = runReals + nr + g;
                                if (u < must) continue;
                                const int realScore = (u - must) * realGain(n);
                                const int a = singles(key) + (g == 1);
                                const int b = pairs(key) + (g == 2);
                                ColourChoice choice{r1, r2, r3, w3, nr, 0, g, kNoBeyond};
                                if (!last) {
                                    const int maxNw = n <= kNumbers - 2 && ended == 0 ? spare - runWilds : 0;
                                    for (int nw = 0; nw <= maxNw; ++nw) {
                                        const int k = runWilds + nw;
                                        const Open next{nw, nr, o.wildStart + o.one, o.two + o.three - ended};
                                        // Every run shorter than three must go on at the next number.
                                        const int shortRuns = next.wildStart + next.one + next.two;
                                        if (next.wildStart > nextAvail || shortRuns > nextAvail + spare - k) continue;
                                        choice.nw = nw;
                                        offerChoice(withOpen(key, c, next), i, score + realScore, used, k, a, b, choice);
                                    }
                                    continue;
                                }
                                // At the King every run ends. A run of length 1 and a run
                                // started at the King stand only with wild tiles after it.
                                const int needBeyond = o.one + nr;
                                if (needBeyond > 1) continue;
                                std::array<int, 5> options{};
                                int count = 0;
                                if (needBeyond == 1) {
                                    options[count++] = r1 == 1 ? kOneReal : (w1 == 1 ? kOneWild : kNewKing);
                                } else {
                                    options[count++] = kNoBeyond;
                                    if (r2 > 0) options[count++] = kTwoReal;
                                    if (w2 > 0) options[count++] = kTwoWild;
                                    if (r3 > 0) options[count++] = kThreeReal;
                                    if (w3 > 0) options[count++] = kThreeWild;
                                }
                                for (int j = 0; j < count; ++j) {
                                    const int k = runWilds + beyondWilds(options[std::size_t(j)]);
                                    if (k > spare) continue;
                                    choice.beyond = options[std::size_t(j)];
                                    offerChoice(withOpen(key, c, Open{}), i, score + realScore, used, k, a, b, choice);
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    endStep();
}

// One pass of the search over all 52 steps. States that cannot reach
// `floor` even by laying every rack tile still to come are dropped; beyond
// `cap` states a step keeps only its best. Answers the final state with the
// best score, or -1.
int Search::sweep(std::size_t cap, int floor)
{
    m_cap = cap;
    m_floor = floor;
    m_limited = false;
    m_keys.assign(1, 0);
    m_scores.assign(1, 0);
    m_steps.clear();
    for (int n = 1; n <= kNumbers; ++n) {
        for (int c = 0; c < kColours; ++c) colourStep(n, c);
    }
    int best = -1;
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        if (wildsUsed(m_keys[i]) < m_boardWilds) continue;
        if (best < 0 || m_scores[i] > m_scores[std::size_t(best)]) best = int(i);
    }
    return best;
}

// A narrow pass first finds a good play fast. If no step had to drop
// states, it is the best. Otherwise the full pass looks only for a better
// one, keeping just the states that could still beat it; when it finds
// none without overflowing, the first play is proven best. A full pass
// that still had to drop states is followed by a wider one, on the same
// terms, so that a play the full pass lost to its limit is rarely missed.
Play Search::run(bool laidDown)
{
    if (!m_valid) return {};
    const std::size_t full = std::size_t(std::max(1, m_limits.statesPerStep));
    const std::size_t narrow = std::min<std::size_t>(kNarrowStates, full);
    int best = sweep(narrow, INT_MIN);
    if (!m_limited || narrow == full) {
        Play play = best < 0 ? Play{} : rebuild(best, laidDown);
        play.limited = m_limited;
        play.stillLimited = m_limited;
        return play;
    }

    Play found;
    int floor = INT_MIN;
    // A later pass answers only what beats the floor; a play it cannot
    // rebuild never replaces one that stands.
    const auto keep = [&](int index) {
        if (index < 0) return;
        Play play = rebuild(index, laidDown);
        floor = m_scores[std::size_t(index)] + 1;
        if (play.found || !found.found) found = std::move(play);
    };
    keep(best);
    keep(sweep(full, floor));
    const bool cut = m_limited;
    const std::size_t wider = std::size_t(std::max(0, m_limits.widerStatesPerStep));
    if (cut && wider > full) keep(sweep(wider, floor));
    found.limited = cut;
    found.widened = cut && wider > full;
    found.stillLimited = cut && (wider <= full || m_limited);
    return found;
}

// Walks the chosen path again with real runs, so the sets come out with
// their tiles in order. Runs of one length class are alike to the search,
// so any of them may take what the counts say.
Play Search::rebuild(int finalIndex, bool laidDown) const
{
    std::vector<std::uint32_t> path(m_steps.size());
    int index = finalIndex;
    for (std::size_t s = m_steps.size(); s-- > 0;) {
        path[s] = m_steps[s].choices[std::size_t(index)];
        index = m_steps[s].parents[std::size_t(index)];
    }

    struct Run {
        std::vector<int> tiles;
        int length = 0; // 0: opened by a wild tile only; 3 stands for 3 or more
    };
    std::array<std::vector<Run>, kColours> open;
    Play play;
    std::vector<int> groupReals;
    int wilds = 0;
    int groupWilds = 0;

    std::size_t s = 0;
    for (int n = 1; n <= kNumbers; ++n) {
        for (int c = 0; c < kColours; ++c) {
            const ColourChoice ch = ColourChoice::unpack(path[s++]);
            const int code = codeOf(c, n);
            const bool last = n == kNumbers;
            int reals = 0;
            int r1 = ch.r1, r2 = ch.r2, r3 = ch.r3, w3 = ch.w3;
            std::vector<Run> next;
            int beyondRun = -1;
            for (Run& run : open[std::size_t(c)]) {
                bool real = true;
                if (run.length == 1) real = r1 > 0 && r1--;
                else if (run.length == 2) real = r2 > 0 && r2--;
                else if (run.length == 3) {
                    if (r3 > 0) --r3;
                    else if (w3 > 0) --w3, real = false;
                    else {
                        play.sets.push_back(std::move(run.tiles));
                        continue;
                    }
                }
                if (last && beyondRun < 0 && ch.beyond != kNoBeyond && ch.beyond != kNewKing &&
                    (ch.beyond + 1) / 2 == run.length && (ch.beyond % 2 == 1) == real)
                    beyondRun = int(next.size());
                run.tiles.push_back(real ? code : kWildTile);
                reals += real;
                wilds += !real;
                run.length = run.length <= 1 ? 2 : 3;
                next.push_back(std::move(run));
            }
            for (int j = 0; j < ch.nr; ++j) {
                if (last && ch.beyond == kNewKing && beyondRun < 0) beyondRun = int(next.size());
                next.push_back({{code}, 1});
            }
            for (int j = 0; j < ch.nw; ++j) next.push_back({{kWildTile}, 0});
            reals += ch.nr;
            wilds += ch.nw;
            for (int j = 0; j < ch.g; ++j) groupReals.push_back(code);
            reals += ch.g;
            for (int j = reals - boardAt(c, n); j > 0; --j) play.laid.push_back(code);
            if (last) {
                if (beyondRun >= 0) {
                    const int extra = beyondWilds(ch.beyond);
                    for (int j = 0; j < extra; ++j) next[std::size_t(beyondRun)].tiles.push_back(kWildTile);
                    wilds += extra;
                }
                for (Run& run : next) play.sets.push_back(std::move(run.tiles));
                next.clear();
            }
            open[std::size_t(c)] = std::move(next);
            groupWilds = ch.groupWilds;
        }
        // The groups of this number.
        const int k = groupWilds;
        wilds += k;
        auto groups = splitgroups(groupReals, k);
        if (!groups) return {};
        for (auto& g : *groups) play.sets.push_back(std::move(g));
        groupReals.clear();
    }
    for (int j = wilds - m_boardWilds; j > 0; --j) play.laid.push_back(kWildTile);
    for (const int t : play.laid) play.value += tilevalue(t);
    if (!accounted(play)) return {};
    play.limited = m_limited;
    play.found = play.value > 0 && (laidDown || play.value >= kFirstLayDown);
    if (!play.found) {
        play.sets.clear();
        play.laid.clear();
        play.value = 0;
    }
    return play;
}

// The sets hold exactly the board and the laid tiles, and every set passes
// the set check. A play that fails this is never made.
bool Search::accounted(const Play& play) const
{
    std::array<int, kHighestTile + 1> count{};
    for (const auto& set : play.sets) {
        if (!validset(set)) return false;
        for (const int t : set) ++count[std::size_t(t)];
    }
    for (const int t : play.laid) --count[std::size_t(t)];
    for (const int t : m_boardTiles) --count[std::size_t(t)];
    return std::all_of(count.begin(), count.end(), [](int n) { return n == 0; });
}

} // namespace

bool validset(const std::vector<int>& tiles)
{
    if (tiles.size() < 3 || tiles.size() >= std::size_t(BoardGrid::kColumns)) return false;
    BoardGrid grid;
    int col = 0;
    for (const int t : tiles)
        if (!isTile(t) || !grid.set(col++, 0, t)) return false;
    return checkrow(grid, 0);
}

Play bestplay(const std::vector<int>& board, const std::vector<int>& rack, bool laidDown, const PlayLimits& limits)
{
    Search search(board, rack, limits);
    return search.run(laidDown);
}

} // namespace brixo
