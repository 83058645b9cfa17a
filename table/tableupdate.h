// What a server message, a press or a clock tick did at the table besides
// changing its state: the requests to send to the server, the sounds to
// play and the notices for the chat, each in order.
#pragma once

#include <string>
#include <vector>

namespace brixo {

struct TableUpdate {
    std::vector<std::string> sends;   // whole frames for the server
    std::vector<std::string> sounds;  // sound names ("placecard", "nocando", ...)
    std::vector<std::string> notices; // chat lines in the notice colour
    // This table has just arrived: its settings are read now (the host's
    // also tells the server its computer players' speed).
    bool settingsDue = false;
    // A game this seat played has ended, for the tally: "addtomine" when
    // this table's player won, else the winner's name. Empty otherwise.
    std::string tallyResult;
};

} // namespace brixo
