#include "net/qt/findgames.h"

#include "net/qt/gamelistener.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

namespace brixo {

int runFindGames(int seconds, int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    GameListener listener;
    QString error;
    if (!listener.start(&error)) {
        std::fprintf(stderr, "brixo: cannot listen for games: %s\n", qPrintable(error));
        return 1;
    }
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    listener.stop();
    for (const FoundGame& found : listener.finder().games())
        std::printf("%s\t%s\n", found.endpoint().c_str(), found.game.name.c_str());
    std::fflush(stdout);
    return 0;
}

} // namespace brixo
