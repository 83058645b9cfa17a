// Arbitrary server messages into a table's state, with presses mixed in:
// a message "P" followed by four bytes presses the board (button, column,
// row, and the side of a tile nearer the press) or the rack (slot), so that
// moves and their echoes meet.
#include "net/catalogue.h"
#include "net/framecutter.h"
#include "table/tablemirror.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    brixo::TableMirror table;
    table.beginHosting("You");
    table.receive(std::string_view("CMD_sendlogininfo+1"));
    table.receive(std::string_view("CMD_newplayerinfo+1+You"));

    brixo::FrameCutter cutter;
    std::vector<std::string> lines;
    cutter.feed(std::string_view(reinterpret_cast<const char*>(data), size), lines);
    for (const std::string& line : lines) {
        if (line.size() == 5 && line[0] == 'P') {
            const auto b = [&](int i) { return static_cast<unsigned char>(line[i]); };
            const brixo::Press press = b(1) % 3 == 0 ? brixo::Press::Left : b(1) % 3 == 1 ? brixo::Press::Right
                                                                                         : brixo::Press::Other;
            if (b(4) & 1) table.pressRackTile(brixo::RackSlot(b(2) % 64), press, brixo::placerules::Completion(b(3) % 3));
            else
                table.pressBoard(press, {b(2) % 25 - 1, b(3) % 15 - 1},
                                 b(4) & 2 ? brixo::setinsertion::Side::After : brixo::setinsertion::Side::Before);
            table.clockTick();
        } else {
            table.receive(line);
        }
        (void)table.board();
        (void)table.shownBoardValid();
    }
    return 0;
}
