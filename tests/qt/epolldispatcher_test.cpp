// The lobby's event dispatcher, run by a thread of its own: posted calls,
// timers in the order they are due, a repeating timer stopped from its own
// handler, deferred deletion, and a line sent and answered over a loopback
// socket.
#include "net/qt/epolldispatcher.h"
#include "net/qt/tsock.h"
#include "net/qt/tsocklistener.h"
#include "tests/qt/waitfor.h"

#include <QHostAddress>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

TEST(EpollDispatcher, RunsPostedCallsTimersDeletionsAndSocketsOfItsThread)
{
    QThread thread;
    thread.setEventDispatcher(new EpollDispatcher);
    thread.start();
    QObject context;
    context.moveToThread(&thread);

    std::mutex lock;
    std::vector<std::string> seen; // in the order things happened
    const auto note = [&](std::string what) {
        std::lock_guard guard(lock);
        seen.push_back(std::move(what));
    };
    std::atomic<int> ticks{0};
    std::atomic<bool> answered{false}, deleted{false};

    QMetaObject::invokeMethod(&context, [&] {
        QTimer::singleShot(60, &context, [&] { note("60 ms"); });
        QTimer::singleShot(20, &context, [&] { note("20 ms"); });
        auto* repeating = new QTimer(&context);
        QObject::connect(repeating, &QTimer::timeout, repeating, [&, repeating] {
            if (++ticks == 3) repeating->stop();
        });
        repeating->start(5);
        auto* doomed = new QObject(&context);
        QObject::connect(doomed, &QObject::destroyed, [&] { deleted = true; });
        doomed->deleteLater();

        auto* listener = new TSockListener(&context);
        ASSERT_TRUE(listener->listen(0, QHostAddress(QHostAddress::LocalHost)));
        QObject::connect(listener, &TSockListener::accepted, &context, [&](TSock* server) {
            server->setParent(&context);
            QObject::connect(server, &TSock::received, server,
                             [server](const std::string& line) { server->send(line + " back\xFF"); });
        });
        auto* client = new TSock(&context);
        QObject::connect(client, &TSock::connected, client, [client] { client->send("CMD_hello+\xFF"); });
        QObject::connect(client, &TSock::received, client, [&](const std::string& line) {
            note(line);
            answered = true;
        });
        client->open(QStringLiteral("127.0.0.1"), listener->port());
    });

    EXPECT_TRUE(waitFor([&] {
        std::lock_guard guard(lock);
        return seen.size() == 3 && answered && deleted;
    }));
    const int stoppedAt = ticks;
    // Objects of the thread go in the thread.
    QMetaObject::invokeMethod(&context, [&] { qDeleteAll(context.children()); }, Qt::BlockingQueuedConnection);
    thread.quit();
    ASSERT_TRUE(thread.wait(5000));

    EXPECT_EQ(stoppedAt, 3);
    EXPECT_EQ(ticks, 3);
    std::lock_guard guard(lock);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_NE(std::find(seen.begin(), seen.end(), "CMD_hello+ back"), seen.end());
    EXPECT_LT(std::find(seen.begin(), seen.end(), "20 ms"), std::find(seen.begin(), seen.end(), "60 ms"));
}
