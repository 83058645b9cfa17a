// Feeds server messages to a table window as its connection would, and
// records the sounds it asks for.
#pragma once

#include "table/chatform.h"
#include "table/soundplayer.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <string>

struct TableFeed {
    std::unique_ptr<Tchat> table = std::make_unique<Tchat>();
    QStringList sounds;

    TableFeed()
    {
        QObject::connect(table->sounds(), &SoundPlayer::played, [this](const QString& name) { sounds << name; });
    }

    // One whole frame as the catalogue builds it; the terminator is cut
    // off as the connection does.
    void feed(std::string frame)
    {
        if (!frame.empty() && frame.back() == '\xFF') frame.pop_back();
        table->receiveLine(frame);
        table->processsocktimer();
    }

    // Logged in at a slot, with the table's own arrival announced.
    void login(int slot, const std::string& name = "You");

    template <class T>
    T* find(const char* name) const
    {
        return table->findChild<T*>(QString::fromLatin1(name));
    }
};
