#include "server/qt/headlesslobby.h"

#include "net/qt/epolldispatcher.h"
#include "server/qt/qtlobbyhost.h"
#include "server/qt/quitonsignals.h"
#include "store/qt/gamefolders.h"

#include <QCoreApplication>
#include <QHostAddress>

#include <cstdio>
#include <string>

#include <sys/resource.h>

namespace brixo {

namespace {

// Every table holds a socket: a lobby of a thousand rooms needs several
// thousand descriptors, more than the usual soft limit of 1024. The hard
// limit is as far as a process may go on its own.
void raiseDescriptorLimit()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max) return;
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

} // namespace

int runHeadlessLobby(const LobbyOptions& options, int argc, char** argv)
{
    // Thousands of sockets: the event loop learns which are ready from
    // epoll instead of asking each of them on every turn.
    QCoreApplication::setEventDispatcher(new EpollDispatcher);
    QCoreApplication app(argc, argv);
    QuitOnSignals quitOnSignals;
    if (!quitOnSignals.installed()) return 1;
    raiseDescriptorLimit();

    QtLobbyHost::RoomOptions rooms;
    rooms.botspeed = options.server.botspeed;
    rooms.level = options.server.level;
    if (options.server.roundPause) rooms.roundPauseSeconds = *options.server.roundPause;
    QtLobbyHost lobby(options.limits, options.server.seed, rooms);
    // The rooms' journals are read before anything else happens: a damaged
    // one is set aside, and the rest go on with their games.
    const QString folder = gamefolders::serviceFile(QString("brixolobby-%1-rooms").arg(options.server.port));
    lobby.keepRooms(folder.toStdString());
    const QtLobbyHost::Resumed resumed = lobby.resumeRooms();
    for (const std::string& message : resumed.messages) std::fprintf(stderr, "brixo: %s\n", message.c_str());
    QString error;
    if (!lobby.listen(static_cast<quint16>(options.server.port), listenAddressOf(options.server.listen), &error)) {
        const std::string where = options.server.listen.empty() ? std::string() : options.server.listen + " ";
        std::fprintf(stderr, "brixo: cannot listen on %sport %d: %s\n", where.c_str(), options.server.port,
                     qPrintable(error));
        return 1;
    }
    std::printf("Brixo lobby listening on port %u, at most %d rooms\n", unsigned(lobby.port()),
                options.limits.maxRooms);
    if (resumed.rooms > 0)
        std::printf("Brixo lobby goes on with the games of %d room%s kept in %s\n", resumed.rooms,
                    resumed.rooms == 1 ? "" : "s", qPrintable(folder));
    std::fflush(stdout);
    const int exitCode = app.exec();
    std::printf("Brixo lobby stopped\n");
    std::fflush(stdout);
    return exitCode;
}

} // namespace brixo
