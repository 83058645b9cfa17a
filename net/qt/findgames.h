// `brixo --find [SECONDS]`: lists the games announced on the local network,
// without a window. It listens for that long, then prints one line per game
// ("address:port", a tab, the host's name) and exits.
#pragma once

namespace brixo {

// Returns the process exit code: 0 after listening (also when no game was
// heard), 1 when the discovery port cannot be listened on.
int runFindGames(int seconds, int argc, char** argv);

} // namespace brixo
