// A table with a game server of its own in this process, on a free port,
// whose computer seats play at once: a whole game's traffic through real
// sockets without a second program.
#pragma once

#include "tests/qt/tablefeed.h"
#include "tests/qt/testports.h"
#include "tests/qt/waitfor.h"

#include "dialogs/gamestartform.h"
#include "dialogs/updown.h"
#include "net/gameport.h"
#include "server/qt/qtserverhost.h"

#include <QPushButton>

#include <cstdint>



struct OwnServerTable {
    explicit OwnServerTable(std::uint64_t seed) : host(seed, nullptr)
    {
        host.setBotSpeedSource([] { return 0; });
        table.setServerSwitch(
            [this](QString* error) { return host.listen(static_cast<quint16>(brixo::gamePort()), error); });
    }

    // Starts a game of `tiles` tiles each from the Start Game dialog; true
    // once the table has its tiles and the first turn.
    bool startGame(int tiles)
    {
        table.StartGame1Click();
        table.gamestart()->UpDown3->setPosition(tiles);
        table.gamestart()->button_start->click();
        return waitFor([&] { return table.mirror().turnSeat().number() == 1 && table.mirror().rackPositions().count() >= tiles; },
                       20000);
    }

    // Set before the table is built, which reads the port.
    struct FreePort {
        FreePort() { qputenv("BRIXO_PORT", QByteArray::number(freePort())); }
    } port;
    QtServerHost host;
    TableFeed feed;
    Tchat& table = *feed.table;
};


