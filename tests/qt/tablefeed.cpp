#include "tests/qt/tablefeed.h"

#include "net/catalogue.h"
#include "tests/qt/waitfor.h"

#include <QLineEdit>

void TableFeed::login(int slot, const std::string& name)
{
    feed(brixo::msg::sendlogininfo(slot));
    feed(brixo::msg::newplayerinfo(slot, name));
    sounds.clear();
}

bool chatRoundTrip(Tchat& table, const QString& words)
{
    part<QLineEdit>(table, "mychat")->setText(words);
    table.sendit();
    return waitFor([&] { return table.chatText().contains(words); });
}
