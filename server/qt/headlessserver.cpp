#include "server/qt/headlessserver.h"

#include "net/gameport.h"
#include "server/qt/qtserverhost.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <memory>
#include <string>

#include <sys/socket.h>
#include <unistd.h>

namespace brixo {

namespace {

// Ctrl+C and SIGTERM write one byte here; the event loop reads it and quits.
// Writing to a socket is all a signal handler may safely do.
int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

} // namespace

int runHeadlessServer(const ServerOptions& options, int argc, char** argv)
{
    QCoreApplication app(argc, argv);

    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) {
        std::perror("socketpair");
        return 1;
    }
    QSocketNotifier notifier(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, [] {
        char byte;
        [[maybe_unused]] const ssize_t got = ::read(g_signalPipe[0], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

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
        // "::" asks for every interface, IPv4 ones included, as it does
        // for most servers on Linux; any other address is that one alone.
        QHostAddress address(QString::fromStdString(options.listen));
        if (options.listen.empty()) address = QHostAddress::AnyIPv4;
        else if (address == QHostAddress(QHostAddress::AnyIPv6)) address = QHostAddress::Any;
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

    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    ::close(g_signalPipe[0]);
    ::close(g_signalPipe[1]);
    return exitCode;
}

} // namespace brixo
