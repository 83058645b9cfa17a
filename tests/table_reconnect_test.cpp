// A table whose host vanished: the schedule of its tries to reach the host
// again, and the words of a hosting table's offer to resume a kept game.
#include "table/keptgame.h"
#include "table/reconnectschedule.h"

#include <gtest/gtest.h>

#include <vector>

using namespace brixo;
using namespace std::chrono_literals;
using Schedule = ReconnectSchedule;

TEST(ReconnectSchedule, TriesAtOnceThenEveryIntervalUntilThePatienceIsSpent)
{
    Schedule s(10s, 3s);
    const Schedule::Clock::time_point t0{100s};
    EXPECT_FALSE(s.active());
    EXPECT_FALSE(s.takeTry(t0));
    s.start(t0);
    // Stepping the clock 100 ms at a time: tries at 0, 3, 6 and 9 seconds,
    // none after the tenth.
    std::vector<Schedule::Duration> tries;
    for (auto at = t0; at <= t0 + 12s; at += 100ms)
        if (s.takeTry(at)) tries.push_back(std::chrono::duration_cast<Schedule::Duration>(at - t0));
    EXPECT_EQ(tries, (std::vector<Schedule::Duration>{0s, 3s, 6s, 9s}));
    EXPECT_FALSE(s.expired(t0 + 9999ms));
    EXPECT_TRUE(s.expired(t0 + 10s));

    // A try taken late pushes the next from when it was taken, not from when
    // it was due: no burst of tries after the event loop was busy.
    Schedule late(60s, 3s);
    late.start(t0);
    EXPECT_TRUE(late.takeTry(t0));
    EXPECT_TRUE(late.takeTry(t0 + 20s));
    EXPECT_FALSE(late.takeTry(t0 + 21s));
    EXPECT_EQ(late.untilNext(t0 + 21s), 2s);
    EXPECT_TRUE(late.takeTry(t0 + 23s));

    // Stopped (the host answered, or the player pressed Stop): nothing is due.
    late.stop();
    EXPECT_FALSE(late.takeTry(t0 + 40s));
    EXPECT_FALSE(late.expired(t0 + 90s));
    // Started again, the whole patience is there again.
    late.start(t0 + 100s);
    EXPECT_TRUE(late.takeTry(t0 + 100s));
    EXPECT_EQ(late.secondsLeft(t0 + 100s), 60);
}

TEST(ReconnectSchedule, TheCountdownAndTheWaitEndTogether)
{
    Schedule s(60s, 7s);
    const Schedule::Clock::time_point t0{5s};
    s.start(t0);
    EXPECT_EQ(s.countdownText(t0), "The host is gone. Trying again\u2026 1:00");
    EXPECT_EQ(s.countdownText(t0 + 1ms), "The host is gone. Trying again\u2026 1:00");
    EXPECT_EQ(s.countdownText(t0 + 13s), "The host is gone. Trying again\u2026 0:47");
    EXPECT_EQ(s.countdownText(t0 + 55500ms), "The host is gone. Trying again\u2026 0:05");
    EXPECT_EQ(s.secondsLeft(t0 + 59999ms), 1);
    EXPECT_EQ(s.secondsLeft(t0 + 60s), 0);
    // The wait before the last try is cut short by the end of the patience,
    // so a timer set to it wakes to find the time up.
    ASSERT_TRUE(s.takeTry(t0 + 56s));
    EXPECT_EQ(s.untilNext(t0 + 56s), 4s);
    EXPECT_EQ(s.untilNext(t0 + 58500ms), 1500ms);
    EXPECT_EQ(s.untilNext(t0 + 61s), 0s);
    EXPECT_TRUE(s.expired(t0 + 60s));
}

TEST(KeptGame, TheOfferNamesTheDateAndThePlayers)
{
    EXPECT_EQ(resumeQuestion({"8 December 2026, 21:40", {"Ann", "Bo", "Cy"}}),
              "Resume the game of 8 December 2026, 21:40 with Ann, Bo and Cy?");
    EXPECT_EQ(resumeQuestion({"today", {"Ann", "Bo"}}), "Resume the game of today with Ann and Bo?");
    EXPECT_EQ(resumeQuestion({"today", {"Ann"}}), "Resume the game of today with Ann?");
    EXPECT_EQ(resumeQuestion({"today", {}}), "Resume the game of today?");
    EXPECT_EQ(discardQuestion({"today", {"Ann"}}), "Discard the game of today? It cannot be resumed afterwards.");
}
