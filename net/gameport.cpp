#include "net/gameport.h"

#include "net/fieldreader.h"

#include <cstdlib>

namespace brixo {

int gamePort()
{
    const char* text = std::getenv("BRIXO_PORT");
    if (!text) return kGamePort;
    const auto port = parseInt(text);
    return port && *port >= 1 && *port <= 65535 ? *port : kGamePort;
}

} // namespace brixo
