// What the headless processes (`--server`, `--lobby`) share: Ctrl+C and
// SIGTERM end the event loop cleanly, and the listen address is read the
// same way.
#pragma once

#include <QHostAddress>
#include <QObject>

#include <memory>
#include <string>

class QSocketNotifier;

// While it lives, SIGINT and SIGTERM quit the application's event loop
// instead of killing the process.
class QuitOnSignals {
public:
    QuitOnSignals();
    ~QuitOnSignals();
    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;
    // False when the signals could not be caught (the reason is printed).
    bool installed() const { return m_notifier != nullptr; }

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};

// "::" asks for every interface, IPv4 ones included, as it does for most
// servers on Linux; empty for every IPv4 interface; any other address is
// that one alone.
QHostAddress listenAddressOf(const std::string& text);
