#include "server/qt/headlessserver.h"

#include "net/gameport.h"
#include "server/qt/qtserverhost.h"
#include "server/qt/quitonsignals.h"

#include <QCoreApplication>
#include <QHostAddress>

#include <cstdio>
#include <memory>
#include <string>

namespace brixo {

int runHeadlessServer(const ServerOptions& options, int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QuitOnSignals quitOnSignals;
    if (!quitOnSignals.installed()) return 1;

    int exitCode = 0;
    {
        const auto host = options.seed ? std::make_unique<QtServerHost>(*options.seed, nullptr)
                                        : std::make_unique<QtServerHost>();
        const int botspeed = options.botspeed;
        host->setBotSpeedSource([botspeed] { return botspeed; });
        const BotLevel level = options.level;
        host->setBotLevelSource([level] { return level; });
        // Seat 1 is only the first table to connect here: when it leaves
        // during its turn, the computer plays the turn as for any seat.
        host->server().setComputerTakesSeatOne(true);
        const QHostAddress address = listenAddressOf(options.listen);
        QString error;
        if (!host->listen(static_cast<quint16>(options.port), address, &error)) {
            const std::string where = options.listen.empty() ? std::string() : options.listen + " ";
            std::fprintf(stderr, "brixo: cannot listen on %sport %d: %s\n", where.c_str(), options.port,
                         qPrintable(error));
            exitCode = 1;
        } else {
            std::printf("Brixo server listening on port %u\n", unsigned(host->port()));
            // Broadcast, a game on a loopback address would be listed where
            // nobody can join it.
            const bool unreachable = address.isLoopback() && announceTargets().empty();
            if (options.announce && unreachable) {
                std::printf("Brixo server announces nothing: no other machine reaches %s\n",
                            qPrintable(address.toString()));
            } else if (options.announce) {
                host->startAnnouncing();
                std::printf("Brixo server announces its game on UDP port %d\n", discoveryPort());
            }
            std::fflush(stdout);
            exitCode = app.exec();
            std::printf("Brixo server stopped\n");
            std::fflush(stdout);
        }
    }

    return exitCode;
}

} // namespace brixo
