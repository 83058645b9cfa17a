#include "server/qt/headlessserver.h"

#include "net/gameport.h"
#include "server/qt/qtserverhost.h"
#include "server/qt/quitonsignals.h"
#include "store/journalfile.h"
#include "store/qt/gamefolders.h"

#include <QCoreApplication>
#include <QHostAddress>

#include <cstdio>
#include <memory>
#include <string>

namespace brixo {

namespace {

// One journal per port, so that servers on different ports keep theirs
// apart.
std::string journalFile(int port)
{
    return gamefolders::serviceFile(QString("brixoserver-%1-journal.txt").arg(port)).toStdString();
}

} // namespace

int runHeadlessServer(const ServerOptions& options, int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QuitOnSignals quitOnSignals;
    if (!quitOnSignals.installed()) return 1;

    int exitCode = 0;
    {
        // The journal is read before anything else happens: a damaged one
        // is set aside and the server starts clean.
        const std::string journal = journalFile(options.port);
        LoadedJournal loaded = loadJournalFile(journal);
        if (!loaded.message.empty()) std::fprintf(stderr, "brixo: %s\n", loaded.message.c_str());
        const auto host = options.seed ? std::make_unique<QtServerHost>(*options.seed, nullptr)
                                        : std::make_unique<QtServerHost>();
        const int botspeed = options.botspeed;
        host->setBotSpeedSource([botspeed] { return botspeed; });
        const BotLevel level = options.level;
        host->setBotLevelSource([level] { return level; });
        // Seat 1 is only the first table to connect here: when it leaves
        // during its turn, the computer plays the turn as for any seat.
        host->server().setComputerTakesSeatOne(true);
        if (options.roundPause) host->setRoundPauseSeconds(*options.roundPause);
        host->keepJournal(journal);
        // Said after the line that tells it listens, which comes first.
        std::string journalNote;
        if (loaded.journal && options.resume && host->server().resume(*loaded.journal))
            journalNote = "Brixo server goes on with the game in " + journal + "\n";
        else if (loaded.journal)
            journalNote = "Brixo server found the game journal " + journal +
                          "; --resume goes on with its game, a new game replaces it\n";
        const QHostAddress address = listenAddressOf(options.listen);
        QString error;
        if (!host->listen(static_cast<quint16>(options.port), address, &error)) {
            const std::string where = options.listen.empty() ? std::string() : options.listen + " ";
            std::fprintf(stderr, "brixo: cannot listen on %sport %d: %s\n", where.c_str(), options.port,
                         qPrintable(error));
            exitCode = 1;
        } else {
            std::printf("Brixo server listening on port %u\n%s", unsigned(host->port()), journalNote.c_str());
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
