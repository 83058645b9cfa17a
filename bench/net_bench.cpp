// Network throughput and latency over loopback: messages framed by the
// sender, cut and queued by the receiving TSock, and dispatched from the
// receive queue as soon as the event loop is free.
//
//   net_bench [messages]     (default 200000)
#include "net/catalogue.h"
#include "net/qt/tsock.h"
#include "net/qt/tsocklistener.h"
#include "net/qt/messagepump.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Counts dispatches and remembers when the last one ran.
struct Receiver {
    long long dispatched = 0;
    qint64 lastDispatchNs = 0;
};

void spinUntil(const std::function<bool()>& done)
{
    while (!done()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const long long count = argc > 1 ? std::atoll(argv[1]) : 200000;

    QElapsedTimer clock;
    clock.start();
    Receiver receiver;
    MessagePump pump([&](brixo::ConnectionId, std::string_view, std::string_view) {
        ++receiver.dispatched;
        receiver.lastDispatchNs = clock.nsecsElapsed();
    });

    TSockListener listener;
    if (!listener.listen(0)) return 1;
    std::unique_ptr<TSock> serverSide;
    QObject::connect(&listener, &TSockListener::accepted, [&](TSock* s) {
        serverSide.reset(s);
        QObject::connect(s, &TSock::received, [&](const std::string& l) { pump.push(1, l); });
    });
    TSock client;
    client.open("127.0.0.1", listener.port());
    spinUntil([&] { return serverSide && client.isConnected(); });

    // Throughput: frame and send every message, then wait for the last dispatch.
    const brixo::msg::PlaceMyTile move{1, 5, 3, 4};
    const qint64 start = clock.nsecsElapsed();
    for (long long i = 0; i < count; ++i) {
        client.send(brixo::msg::placemytile(move));
        if (i % 1000 == 999) QCoreApplication::processEvents();
    }
    spinUntil([&] { return receiver.dispatched >= count; });
    const double seconds = double(receiver.lastDispatchNs - start) / 1e9;
    std::printf("throughput: %lld messages in %.3f s = %.0f messages/s (framed, sent, cut, queued, dispatched)\n",
                count, seconds, double(count) / seconds);

    // Latency: one message at a time, from the send call to its dispatch.
    std::vector<double> micros;
    for (int i = 0; i < 5000; ++i) {
        const long long before = receiver.dispatched;
        const qint64 sentAt = clock.nsecsElapsed();
        client.send(brixo::msg::finish(1));
        spinUntil([&] { return receiver.dispatched > before; });
        micros.push_back(double(receiver.lastDispatchNs - sentAt) / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    auto at = [&](double q) { return micros[std::min(micros.size() - 1, size_t(q * micros.size()))]; };
    std::printf("one-way latency over %zu messages: p50 %.1f us, p99 %.1f us, max %.1f us\n", micros.size(), at(0.50),
                at(0.99), micros.back());
    return 0;
}
