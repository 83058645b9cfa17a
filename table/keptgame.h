// A game a hosting table's program kept on disk when it ended without the
// game ending (a crash, a restart): found at start, the host may resume it
// or throw it away. The keeping itself is the server's; the table only
// reads what the game was and passes the host's answer on, through
// KeptGames, so that the table does not depend on how games are kept.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brixo {

struct KeptGame {
    std::string date;               // when it was played, as the player reads it
    std::vector<std::string> names; // who played it, in seat order
};

class KeptGames {
public:
    virtual ~KeptGames() = default;
    // The game kept from before, if any (one that cannot be read is none).
    virtual std::optional<KeptGame> find() = 0;
    // The host resumes it: the next game server this program starts
    // continues it.
    virtual void resume() = 0;
    // The host throws it away for good.
    virtual void discard() = 0;
};

// "Resume the game of <date> with Ann, Bo and Cy?"
std::string resumeQuestion(const KeptGame& game);
// The confirmation a discard needs.
std::string discardQuestion(const KeptGame& game);

} // namespace brixo
