// "brixo --compress IN OUT" and "brixo --decompress IN OUT": the tally's
// compressor on whole files, without a window, so a player can look inside
// a tally file and the format can be checked against other programs.
#pragma once

#include <ostream>

namespace brixo {

// True when the command line asks for one of these modes.
bool isLzrw1Command(int argc, char** argv);
// Runs it: 0 on success; on failure the message goes to err and the
// status is 1 (2 for a command line that names no files).
int runLzrw1Command(int argc, char** argv, std::ostream& err);

} // namespace brixo
