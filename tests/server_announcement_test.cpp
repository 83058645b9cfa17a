// What a server announces of its game: the host, the seats taken and free,
// whether a game runs and to what score.
#include "server/announcementof.h"

#include "tests/server_fakehost.h"

using namespace brixo;
using namespace brixo::test;

using ServerAnnouncement = ServerFixture;

TEST_F(ServerAnnouncement, FollowsTheSeatsAndTheGame)
{
    Announcement game = announcementOf(server, 7000);
    EXPECT_EQ(game, (Announcement{7000, std::string(kUnhostedName), 0, 4, false, 500, std::string(msg::kVersion)}));
    // Even a server nobody hosts yet is listed.
    EXPECT_EQ(decodeAnnouncement(encodeAnnouncement(game)), game);

    join(1, "Ann");
    join(2, "Bob");
    // A table still logging in holds its seat but is nobody yet.
    server.connectionAccepted(3);
    game = announcementOf(server, 7000);
    EXPECT_EQ(game.name, "Ann");
    EXPECT_EQ(game.seated, 2);
    EXPECT_EQ(game.freeSeats, 1);

    server.connectionClosed(3);
    startgame(1000);
    server.connectionClosed(2);
    send(1, msg::justwatch(1, "1"));
    game = announcementOf(server, 7000);
    // Bob's seat waits for him; Ann just watches but still holds hers.
    EXPECT_EQ(game.seated, 1);
    EXPECT_EQ(game.freeSeats, 2);
    EXPECT_TRUE(game.running);
    EXPECT_EQ(game.playto, 1000);

    server.connectionClosed(1);
    EXPECT_EQ(announcementOf(server, 7000).name, kUnhostedName);
}
