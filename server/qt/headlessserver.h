// `brixo --server [--port N] [--botspeed MS] [--level normal|expert]
// [--seed S]`: the game server
// alone, without a window, for LAN games and tests. It prints one line once
// it listens and runs until Ctrl+C or SIGTERM.
#pragma once

namespace brixo {

// argv[1] is "--server". Returns the process exit code: 0 after a clean
// stop, 1 when the port cannot be listened on, 2 for a bad command line.
int runHeadlessServer(int argc, char** argv);

} // namespace brixo
