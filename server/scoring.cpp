// Settling a round from the tiles left in the racks, and deciding the game.
#include "server/serverform.h"

#include "net/catalogue.h"

namespace brixo {

namespace {
constexpr int kRoundPauseSeconds = 20;
} // namespace

// `seat` went out, or is 0 when the round ended with the pool spent. Each
// seat's points end up holding what the settlement added to or took from
// its score.
void TServer::endround(int seat)
{
    stopClock();
    stopComputerTimer();
    endPause();
    for (int s = 1; s <= kSeats; ++s) m_slots[s].points = s == seat ? 0 : m_slots[s].rack.value();

    if (m_state.teamgame) {
        // Green is seats 1 and 3, Brown 2 and 4; the settlement is worked on
        // seats 1 and 2 and copied to their partners.
        const int green = m_slots[1].points + m_slots[3].points;
        const int brown = m_slots[2].points + m_slots[4].points;
        TPlayerRecord& first = m_slots[1];
        TPlayerRecord& second = m_slots[2];
        if (seat == 1 || seat == 3) {
            first.score += brown;
            second.score -= brown;
            first.points = brown;
            second.points = -brown;
        } else if (seat == 2 || seat == 4) {
            second.score += green;
            first.score -= green;
            second.points = green;
            first.points = -green;
        } else {
            first.score -= green;
            second.score -= brown;
            first.points = -green;
            second.points = -brown;
        }
        m_slots[3].score = first.score;
        m_slots[3].points = first.points;
        m_slots[4].score = second.score;
        m_slots[4].points = second.points;
    } else {
        int gain = 0;
        for (int s = 1; s <= kSeats; ++s) {
            if (s == seat) continue;
            m_slots[s].score -= m_slots[s].points;
            gain += m_slots[s].points;
            m_slots[s].points = -m_slots[s].points;
        }
        if (isSeat(seat)) {
            m_slots[seat].score += gain;
            m_slots[seat].points = gain;
        }
    }

    msg::EndRound result;
    result.winner = seat;
    for (int s = 1; s <= kSeats; ++s)
        result.seats.push_back({s, m_slots[s].score, m_slots[s].points, m_slots[s].tilecount()});
    broadcast(msg::endround(result));

    if (!checkforwin()) startClock(ClockPhase::BetweenRounds, kRoundPauseSeconds);
}

// Once the score of a seat that plays reaches the play-to score, the highest
// score among the seats that play wins; a shared highest score means another
// round. A seat that sits out keeps its score, 0 in a game it never played,
// and must not win with it.
bool TServer::checkforwin()
{
    int best = 0;
    bool reached = false;
    for (int s = 1; s <= kSeats; ++s) {
        if (!m_slots[s].plays) continue;
        if (m_slots[s].score >= m_state.playto) reached = true;
        if (best == 0 || m_slots[s].score > m_slots[best].score) best = s;
    }
    if (!reached) return false;
    if (m_state.teamgame) {
        if (m_slots[1].score == m_slots[2].score) return false;
    } else {
        for (int s = 1; s <= kSeats; ++s)
            if (s != best && m_slots[s].plays && m_slots[s].score == m_slots[best].score) return false;
    }

    broadcast(msg::winner(winnerName(best)));
    m_state.gamerunning = false;
    forgetKeptSeats();
    return true;
}

// A seat no person holds goes by its computer name; seat 1 has none and goes
// by the name of the person who last held it, or else by its number.
std::string TServer::winnerName(int seat) const
{
    if (m_state.teamgame) return seat == 1 || seat == 3 ? "The Green Team" : "The Brown Team";
    const TPlayerRecord& record = m_slots[seat];
    for (const std::string* name : {&record.name, &record.computername, &record.lastname})
        if (!name->empty()) return *name;
    return "Seat " + std::to_string(seat);
}

} // namespace brixo
