#include "net/catalogue.h"
#include "net/qt/messagepump.h"
#include "net/qt/tsock.h"
#include "net/qt/tsocklistener.h"
#include "tests/qt/waitfor.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A listener with one accepted connection and one client connected to it.
struct LoopbackPair {
    TSockListener listener;
    std::unique_ptr<TSock> server;
    TSock client;
    std::vector<std::string> atServer, atClient;
    int serverClosed = 0, clientClosed = 0;

    bool connect()
    {
        if (!listener.listen(0)) return false;
        QObject::connect(&listener, &TSockListener::accepted, [this](TSock* s) {
            server.reset(s);
            QObject::connect(s, &TSock::received, [this](const std::string& l) { atServer.push_back(l); });
            QObject::connect(s, &TSock::closed, [this] { ++serverClosed; });
        });
        QObject::connect(&client, &TSock::received, [this](const std::string& l) { atClient.push_back(l); });
        QObject::connect(&client, &TSock::closed, [this] { ++clientClosed; });
        client.open("127.0.0.1", listener.port());
        return waitFor([this] { return server && client.isConnected(); });
    }
};

} // namespace

TEST(Transport, TenThousandMessagesArriveCompleteAndInOrder)
{
    LoopbackPair pair;
    ASSERT_TRUE(pair.connect());
    constexpr int kCount = 10000;
    for (int i = 0; i < kCount; ++i) pair.client.send(brixo::msg::chat(1, "line " + std::to_string(i) + "|clBlack"));
    ASSERT_TRUE(waitFor([&] { return pair.atServer.size() >= kCount; }, 20000));
    ASSERT_EQ(pair.atServer.size(), static_cast<size_t>(kCount));
    for (int i = 0; i < kCount; ++i)
        ASSERT_EQ(pair.atServer[i], "CMD_chat+1+line " + std::to_string(i) + "|clBlack") << i;
}

TEST(Transport, BothDirectionsAndCloseIsReportedOnce)
{
    LoopbackPair pair;
    ASSERT_TRUE(pair.connect());
    pair.server->send(brixo::msg::sendlogininfo(1));
    ASSERT_TRUE(waitFor([&] { return !pair.atClient.empty(); }));
    EXPECT_EQ(pair.atClient[0], "CMD_sendlogininfo+1");

    // A frame written and then closed still arrives before the close.
    pair.server->send(brixo::msg::full());
    pair.server->close();
    pair.server->close();
    ASSERT_TRUE(waitFor([&] { return pair.clientClosed > 0 && pair.serverClosed > 0; }));
    // A second report would come from what the closes left queued.
    ASSERT_TRUE(waitForQueued());
    EXPECT_EQ(pair.atClient.back(), "CMD_full+");
    EXPECT_EQ(pair.clientClosed, 1);
    EXPECT_EQ(pair.serverClosed, 1);
    EXPECT_FALSE(pair.client.isConnected());
    pair.client.send(brixo::msg::finish(1)); // sending after close does nothing
}

TEST(Transport, AnUnterminatedFloodClosesTheConnection)
{
    LoopbackPair pair;
    ASSERT_TRUE(pair.connect());
    // What came complete before the flood is still delivered, then the close.
    pair.client.send(brixo::msg::finish(2) + std::string(80 * 1024, 'x'));
    ASSERT_TRUE(waitFor([&] { return pair.serverClosed == 1 && pair.clientClosed == 1; }));
    EXPECT_EQ(pair.atServer, std::vector<std::string>{"CMD_finish+2+"});
}

TEST(Transport, AFailedConnectReportsAnErrorButNoClose)
{
    TSockListener probe;
    ASSERT_TRUE(probe.listen(0));
    const quint16 freePort = probe.port();
    probe.stop();

    TSock client;
    QString error;
    int closes = 0;
    QObject::connect(&client, &TSock::errorReported, [&](const QString& e) { error = e; });
    QObject::connect(&client, &TSock::closed, [&] { ++closes; });
    client.open("127.0.0.1", freePort);
    ASSERT_TRUE(waitFor([&] { return !error.isEmpty(); }));
    EXPECT_TRUE(error.startsWith("Error #"));
    EXPECT_EQ(closes, 0);
    EXPECT_FALSE(client.isConnected());
}

TEST(Transport, ListeningOnATakenPortNamesTheProblem)
{
    TSockListener first, second;
    ASSERT_TRUE(first.listen(0));
    QString error;
    EXPECT_FALSE(second.listen(first.port(), &error));
    EXPECT_EQ(error, "Listen - Socket Already In Use");
}

TEST(MessagePump, DispatchesInOrderAndNotInsideANestedEventLoop)
{
    std::vector<std::string> order;
    int depth = 0, maxDepth = 0;
    MessagePump* pumpPtr = nullptr;
    MessagePump pump([&](brixo::ConnectionId from, std::string_view command, std::string_view args) {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        order.push_back(std::to_string(from) + std::string(command) + "|" + std::string(args));
        if (command == "CMD_box") {
            pumpPtr->push(3, "CMD_late+");
            // A message box would spin its own loop here.
            QCoreApplication::processEvents();
        }
        --depth;
    });
    pumpPtr = &pump;
    pump.push(1, "CMD_box+x");
    pump.push(2, "no command");
    pump.push(2, "CMD_next+y");
    ASSERT_TRUE(waitFor([&] { return order.size() == 3; }));
    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(order, (std::vector<std::string>{"1CMD_box|x", "2CMD_next|y", "3CMD_late|"}));
    EXPECT_TRUE(pump.empty());
}
