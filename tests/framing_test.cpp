#include "net/fieldreader.h"
#include "net/framecutter.h"
#include "net/receivequeue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace brixo;

namespace {
const std::string kFrameByte(1, '\xFF');

std::vector<std::string> cut(FrameCutter& cutter, const std::string& bytes)
{
    std::vector<std::string> out;
    cutter.feed(bytes, out);
    return out;
}
} // namespace

TEST(FrameCutter, SeveralMessagesInOneReadComeOutInOrder)
{
    FrameCutter cutter;
    const auto out = cut(cutter, "CMD_a+1" + kFrameByte + "CMD_b+2+" + kFrameByte + "CMD_full+" + kFrameByte);
    EXPECT_EQ(out, (std::vector<std::string>{"CMD_a+1", "CMD_b+2+", "CMD_full+"}));
    EXPECT_EQ(cutter.pending(), 0u);
}

TEST(FrameCutter, AMessageSplitAtAnyByteIsReassembled)
{
    const std::string stream = "CMD_placemytile+1+5+3+4+" + kFrameByte + "CMD_chat+1+hi+there|clBlack" + kFrameByte;
    for (std::size_t split = 0; split <= stream.size(); ++split) {
        FrameCutter cutter;
        std::vector<std::string> out;
        ASSERT_TRUE(cutter.feed(stream.substr(0, split), out));
        ASSERT_TRUE(cutter.feed(stream.substr(split), out));
        EXPECT_EQ(out, (std::vector<std::string>{"CMD_placemytile+1+5+3+4+", "CMD_chat+1+hi+there|clBlack"}))
            << "split at " << split;
    }
}

TEST(FrameCutter, ByteByByteDeliveryWorks)
{
    const std::string stream = "CMD_x+1" + kFrameByte + kFrameByte + "CMD_y+" + kFrameByte;
    FrameCutter cutter;
    std::vector<std::string> out;
    for (char c : stream) cutter.feed(std::string(1, c), out);
    EXPECT_EQ(out, (std::vector<std::string>{"CMD_x+1", "", "CMD_y+"}));
}

TEST(FrameCutter, TwoTerminatorsGiveAnEmptyMessage)
{
    FrameCutter cutter;
    EXPECT_EQ(cut(cutter, kFrameByte + kFrameByte), (std::vector<std::string>{"", ""}));
}

TEST(FrameCutter, AnUnterminatedFloodIsRefused)
{
    {
        // The messages cut before the flood in the same read still come out.
        FrameCutter cutter;
        std::vector<std::string> out;
        EXPECT_FALSE(cutter.feed("CMD_a+1" + kFrameByte + "CMD_b+" + kFrameByte + std::string(FrameCutter::kMaxPending + 1, 'x'), out));
        EXPECT_EQ(out, (std::vector<std::string>{"CMD_a+1", "CMD_b+"}));
    }
    FrameCutter cutter;
    std::vector<std::string> out;
    const std::string chunk(4096, 'a');
    bool accepted = true;
    std::size_t sent = 0;
    while (accepted && sent <= FrameCutter::kMaxPending + chunk.size()) {
        accepted = cutter.feed(chunk, out);
        sent += chunk.size();
    }
    EXPECT_FALSE(accepted);
    EXPECT_GT(sent, FrameCutter::kMaxPending);
    EXPECT_TRUE(cutter.refused());
    EXPECT_EQ(cutter.pending(), 0u);
    // Once refused, nothing more comes out, even a well-formed message.
    EXPECT_FALSE(cutter.feed("CMD_a+" + kFrameByte, out));
    EXPECT_TRUE(out.empty());
}

TEST(FrameCutter, LongTerminatedMessagesAreFine)
{
    FrameCutter cutter;
    std::vector<std::string> out;
    const std::string big(FrameCutter::kMaxPending - 1, 'b');
    EXPECT_TRUE(cutter.feed(big, out));
    EXPECT_TRUE(cutter.feed(kFrameByte, out));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].size(), big.size());
}

TEST(ReceiveQueue, DrainSkipsLinesWithoutCommandAndKeepsOrderAndSender)
{
    ReceiveQueue queue;
    queue.push(7, "receivedlist");
    queue.push(1, "");
    queue.push(2, "+noCommand");
    queue.push(3, "CMD_a+x+y");
    queue.push(4, "CMD_b+");
    std::vector<std::string> seen;
    queue.drain([&](ConnectionId from, std::string_view command, std::string_view args) {
        seen.push_back(std::to_string(from) + ":" + std::string(command) + "|" + std::string(args));
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"3:CMD_a|x+y", "4:CMD_b|"}));
    EXPECT_TRUE(queue.empty());
}

TEST(ReceiveQueue, HandlersNeverRunReentrantly)
{
    ReceiveQueue queue;
    queue.push(1, "CMD_first+");
    queue.push(1, "CMD_second+");
    std::vector<std::string> order;
    int depth = 0, maxDepth = 0;
    std::function<void(ConnectionId, std::string_view, std::string_view)> handler;
    handler = [&](ConnectionId, std::string_view command, std::string_view) {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        order.emplace_back(command);
        if (command == "CMD_first") {
            queue.push(2, "CMD_third+");
            queue.drain(handler); // a nested event loop trying to dispatch
        }
        --depth;
    };
    queue.drain(handler);
    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(order, (std::vector<std::string>{"CMD_first", "CMD_second", "CMD_third"}));
}

TEST(FieldReader, IntegersAreStrict)
{
    EXPECT_EQ(parseInt("0"), 0);
    EXPECT_EQ(parseInt("-1"), -1);
    EXPECT_EQ(parseInt("2147483647"), 2147483647);
    EXPECT_EQ(parseInt("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", "+1", " 1", "1 ", "1a", "0x10", "2147483648", "--1", "1.0", "١"})
        EXPECT_FALSE(parseInt(bad).has_value()) << bad;
}

TEST(FieldReader, FieldsRestAndMissingFields)
{
    FieldReader r("1+abc+rest+with+plus");
    EXPECT_EQ(r.integer(), 1);
    EXPECT_EQ(r.text(), "abc");
    EXPECT_EQ(r.rest(), "rest+with+plus");
    EXPECT_TRUE(r.ok());
    EXPECT_FALSE(r.hasMore());
    r.integer();
    EXPECT_FALSE(r.ok());

    FieldReader trailing("5+");
    EXPECT_EQ(trailing.integer(), 5);
    EXPECT_TRUE(trailing.atTrailingEmpty());
    EXPECT_TRUE(trailing.ok());

    FieldReader bad("x+2");
    bad.integer();
    EXPECT_FALSE(bad.ok());
}

TEST(ReceiveQueue, AFloodingConnectionWaitsItsTurnAndItsBytesAreCounted)
{
    ReceiveQueue queue;
    for (int i = 0; i < 1000; ++i) queue.push(1, "CMD_flood+");
    queue.push(2, "CMD_chat+2+hi");
    EXPECT_EQ(queue.queuedBytes(1), 10000u);
    std::vector<ConnectionId> order;
    const auto note = [&](ConnectionId from, std::string_view, std::string_view) { order.push_back(from); };
    EXPECT_TRUE(queue.drainPass(note, 8));
    // The quiet connection is served within the first pass.
    ASSERT_EQ(order.size(), 9u);
    EXPECT_EQ(order.back(), 2u);
    EXPECT_EQ(queue.queuedBytes(1), 9920u);
    EXPECT_EQ(queue.queuedBytes(2), 0u);
    // Before a connection's departure, all it sent is handled.
    queue.drainFrom(1, note);
    EXPECT_TRUE(queue.empty());
    EXPECT_EQ(order.size(), 1001u);
    EXPECT_EQ(queue.queuedBytes(), 0u);
}
