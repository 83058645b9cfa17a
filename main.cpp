// Placeholder entry until the table window exists: deals a solo round from
// the model and shows whether a sample board is valid.
#include "model/pool.h"
#include "model/rack.h"
#include "model/setrules.h"
#include "server/qt/headlessserver.h"

#include <iostream>
#include <string_view>

int main(int argc, char** argv)
{
    using namespace brixo;
    if (argc > 1 && std::string_view(argv[1]) == "--server") return runHeadlessServer(argc, argv);
    SeededRandom random = SeededRandom::fromClock();
    Pool pool;
    pool.shuffletiles(random);
    Rack you, klot;
    for (int slot = 1; slot <= 14; ++slot) {
        you.set(slot, pool.take());
        klot.set(slot, pool.take());
    }
    std::cout << "Brixo solo deal\nYour rack:";
    for (int slot = 1; slot <= 14; ++slot) std::cout << "  " << gettilename(you.at(slot));
    std::cout << "\nTiles left in the pool: " << pool.tilesLeft() << "\n";
    return 0;
}
