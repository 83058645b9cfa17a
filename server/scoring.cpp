// Settling a round from the tiles left in the racks, and deciding the game.
#include "server/serverform.h"

#include "net/catalogue.h"

namespace brixo {

// Each seat's points end up holding what the settlement added to or took
// from its score.
void TServer::endround(Seat seat)
{
    stopClock();
    stopComputerTimer();
    endPause();
    for (const Seat s : Seat::all()) m_slots[s].points = s == seat ? 0 : m_slots[s].rack.value();

    if (m_state.teamgame) {
        // Green is seats 1 and 3, Brown 2 and 4; the settlement is worked on
        // seats 1 and 2 and copied to their partners.
        TPlayerRecord& first = m_slots[Seat(1)];
        TPlayerRecord& second = m_slots[Seat(2)];
        TPlayerRecord& third = m_slots[Seat(3)];
        TPlayerRecord& fourth = m_slots[Seat(4)];
        const int green = first.points + third.points;
        const int brown = second.points + fourth.points;
        if (seat == Seat(1) || seat == Seat(3)) {
            first.score += brown;
            second.score -= brown;
            first.points = brown;
            second.points = -brown;
        } else if (seat == Seat(2) || seat == Seat(4)) {
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
        third.score = first.score;
        third.points = first.points;
        fourth.score = second.score;
        fourth.points = second.points;
    } else {
        int gain = 0;
        for (const Seat s : Seat::all()) {
            if (s == seat) continue;
            m_slots[s].score -= m_slots[s].points;
            gain += m_slots[s].points;
            m_slots[s].points = -m_slots[s].points;
        }
        if (seat.valid()) {
            m_slots[seat].score += gain;
            m_slots[seat].points = gain;
        }
    }

    msg::EndRound result;
    result.winner = seat.number();
    for (const Seat s : Seat::all())
        result.seats.push_back({s.number(), m_slots[s].score, m_slots[s].points, m_slots[s].tilecount()});
    broadcast(msg::endround(result));
    // Now the racks are no secret: every table is shown what each seat held.
    for (const Seat s : Seat::all()) {
        if (!m_slots[s].plays) continue;
        msg::RoundRack rack{s.number(), {}};
        for (const RackItem& item : m_slots[s].rack.items()) rack.tiles.push_back(item.tile);
        broadcast(msg::roundrack(rack));
    }

    if (!checkforwin()) {
        startClock(ClockPhase::BetweenRounds, m_roundPauseSeconds);
        writeJournal();
    } else if (m_journalSink) {
        m_journalSink->gameOver();
    }
}

// Once the score of a seat that plays reaches the play-to score, the highest
// score among the seats that play wins; a shared highest score means another
// round. A seat that sits out keeps its score, 0 in a game it never played,
// and must not win with it.
bool TServer::checkforwin()
{
    Seat best;
    bool reached = false;
    for (const Seat s : Seat::all()) {
        if (!m_slots[s].plays) continue;
        if (m_slots[s].score >= m_state.playto) reached = true;
        if (!best.valid() || m_slots[s].score > m_slots[best].score) best = s;
    }
    if (!reached) return false;
    if (m_state.teamgame) {
        if (m_slots[Seat(1)].score == m_slots[Seat(2)].score) return false;
    } else {
        for (const Seat s : Seat::all())
            if (s != best && m_slots[s].plays && m_slots[s].score == m_slots[best].score) return false;
    }

    broadcast(msg::winner(winnerName(best)));
    m_state.gamerunning = false;
    forgetKeptSeats();
    // Whom the host removed may play the next game.
    m_removed.clear();
    return true;
}

// A seat no person holds goes by its computer name; seat 1 has none and goes
// by the name of the person who last held it, or else by its number.
std::string TServer::winnerName(Seat seat) const
{
    if (m_state.teamgame) return seat == Seat(1) || seat == Seat(3) ? "The Green Team" : "The Brown Team";
    const TPlayerRecord& record = m_slots[seat];
    for (const std::string* name : {&record.name, &record.computername, &record.lastname})
        if (!name->empty()) return *name;
    return "Seat " + std::to_string(seat.number());
}

} // namespace brixo
