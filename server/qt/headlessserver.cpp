#include "server/qt/headlessserver.h"

#include "bot/botlevel.h"
#include "net/fieldreader.h"
#include "net/gameport.h"
#include "server/qt/qtserverhost.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <charconv>
#include <csignal>
#include <memory>
#include <cstdio>
#include <optional>
#include <string_view>

#include <sys/socket.h>
#include <unistd.h>

namespace brixo {

namespace {

struct Options {
    int port = gamePort();
    int botspeed = 1000;
    BotLevel level = BotLevel::Normal;
    std::optional<std::uint64_t> seed;
};

std::optional<std::uint64_t> parseSeed(std::string_view text)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<Options> parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 2; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (i + 1 >= argc) return std::nullopt;
        const std::string_view value = argv[++i];
        if (name == "--port") {
            const auto port = parseInt(value);
            if (!port || *port < 0 || *port > 65535) return std::nullopt;
            options.port = *port;
        } else if (name == "--botspeed") {
            const auto ms = parseInt(value);
            if (!ms || *ms < 0) return std::nullopt;
            options.botspeed = *ms;
        } else if (name == "--level") {
            const auto level = parsebotlevel(value);
            if (!level) return std::nullopt;
            options.level = *level;
        } else if (name == "--seed") {
            options.seed = parseSeed(value);
            if (!options.seed) return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

// Ctrl+C and SIGTERM write one byte here; the event loop reads it and quits.
// Writing to a socket is all a signal handler may safely do.
int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

} // namespace

int runHeadlessServer(int argc, char** argv)
{
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: %s --server [--port N] [--botspeed MS] [--level normal|expert] [--seed S]\n", argv[0]);
        return 2;
    }
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
        const auto host = options->seed ? std::make_unique<QtServerHost>(*options->seed, nullptr)
                                        : std::make_unique<QtServerHost>();
        const int botspeed = options->botspeed;
        host->setBotSpeedSource([botspeed] { return botspeed; });
        const BotLevel level = options->level;
        host->setBotLevelSource([level] { return level; });
        // Seat 1 is only the first table to connect here: when it leaves
        // during its turn, the computer plays the turn as for any seat.
        host->server().setComputerTakesSeatOne(true);
        QString error;
        if (!host->listen(static_cast<quint16>(options->port), &error)) {
            std::fprintf(stderr, "brixo: cannot listen on port %d: %s\n", options->port, qPrintable(error));
            exitCode = 1;
        } else {
            std::printf("Brixo server listening on port %u\n", unsigned(host->port()));
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
