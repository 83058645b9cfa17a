#include "server/qt/quitonsignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// A signal writes one byte here; the event loop reads it and quits.
// Writing to a socket is all a signal handler may safely do.
int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

} // namespace

QuitOnSignals::QuitOnSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) {
        std::perror("socketpair");
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [] {
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
}

QuitOnSignals::~QuitOnSignals()
{
    if (!m_notifier) return;
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    m_notifier.reset();
    ::close(g_signalPipe[0]);
    ::close(g_signalPipe[1]);
    g_signalPipe[0] = g_signalPipe[1] = -1;
}

QHostAddress listenAddressOf(const std::string& text)
{
    if (text.empty()) return QHostAddress(QHostAddress::AnyIPv4);
    QHostAddress address(QString::fromStdString(text));
    if (address == QHostAddress(QHostAddress::AnyIPv6)) address = QHostAddress::Any;
    return address;
}
