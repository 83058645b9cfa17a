#include "tests/qt/tablefeed.h"

#include "net/catalogue.h"

void TableFeed::login(int slot, const std::string& name)
{
    feed(brixo::msg::sendlogininfo(slot));
    feed(brixo::msg::newplayerinfo(slot, name));
    sounds.clear();
}
