// What a server message, a request or a clock tick did at the table besides
// changing its state: the frames to send to the server, the sounds to play
// and the lines for the chat, each in order.
#pragma once

#include "table/chatrules.h"

#include <optional>
#include <string>
#include <vector>

namespace brixo {

struct TableUpdate {
    std::vector<std::string> sends;   // whole frames for the server
    std::vector<std::string> sounds;  // sound names ("placecard", "nocando", ...)
    std::vector<std::string> notices; // chat lines in the notice colour
    std::vector<chatrules::ChatLine> chat; // what people said, each in its colour
    // This table has just arrived: its settings are read now (the host's
    // also tells the server its computer players' speed).
    bool settingsDue = false;
    // A game this seat played has ended, for the tally: "addtomine" when
    // this table's player won, else the winner's name. Empty otherwise.
    std::string tallyResult;
    // The server turned this table away: the game has no room.
    bool gameFull = false;
    // The host removed this table from the game.
    bool removed = false;
    // An online lobby knows no room of the code asked for (the code, as asked).
    std::optional<std::string> noRoom;
};

} // namespace brixo
