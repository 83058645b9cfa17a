#include "table/seatwords.h"

#include "model/gameoptions.h"
#include "model/slottable.h"
#include "table/wording.h"

#include <algorithm>

namespace brixo::seatwords {

std::string computerName(Seat seat)
{
    return seat.valid() ? defaultComputerName(seat.number()) : "";
}

std::string playTo(int score)
{
    return fillin(translate("Table", "Play To Score: %1"), {std::to_string(score)});
}

static std::string minutesSeconds(int seconds)
{
    seconds = std::max(0, seconds);
    const int rest = seconds % 60;
    return std::to_string(seconds / 60) + (rest <= 9 ? ":0" : ":") + std::to_string(rest);
}

std::string timePerTurn(int seconds)
{
    return fillin(translate("Table", "Time Per Turn: %1"), {minutesSeconds(seconds)});
}

std::string timePenalty(bool on)
{
    return on ? translate("Table", "Time Penalty: ON") : translate("Table", "Time Penalty: OFF");
}

std::string teamLine(bool team)
{
    return team ? translate("Table", "Team Game") : translate("Table", "Good Luck");
}

std::string clockText(int seconds)
{
    return fillin(translate("Table", "Time: %1"), {minutesSeconds(seconds)});
}

std::string tilesLeft(int tiles)
{
    return fillin(translate("Table", "Tile's Left: %1"), {std::to_string(std::max(0, tiles))});
}

std::string winnerText(const std::string& name)
{
    if (name == kYou) return translate("Table", "You have won the game!");
    return fillin(translate("Table", "%1 has Won the Game!"), {name});
}

std::string drew(const std::string& who, int tiles)
{
    if (who == kYou) {
        if (tiles == 1) return translate("Table", "You drew a tile.");
        return fillin(translate("Table", "You drew %1 tiles (penalty)."), {std::to_string(tiles)});
    }
    if (tiles == 1) return fillin(translate("Table", "%1 drew a tile."), {who});
    return fillin(translate("Table", "%1 drew %2 tiles (penalty)."), {who, std::to_string(tiles)});
}

std::string pointsWord(int points)
{
    const std::string number = (points > 0 ? "+" : "") + std::to_string(points);
    return fillin(points == 1 || points == -1 ? translate("Table", "%1 point") : translate("Table", "%1 points"),
                  {number});
}

std::string roundLine(const std::string& who, int tiles, int points)
{
    //: How the round's result names the player.
    const std::string& name = who == kYou ? translate("Table", "You") : who;
    return fillin(tiles == 1 ? translate("Table", "%1: %2 tile left, %3.")
                             : translate("Table", "%1: %2 tiles left, %3."),
                  {name, std::to_string(tiles), pointsWord(points)});
}

std::string layDownProgress(int points)
{
    //: Points laid so far toward the first lay-down: "22 of 30".
    return fillin(translate("Table", "%1 of %2"), {std::to_string(points), std::to_string(kFirstLayDown)});
}

std::string roundOver(Seat winner, Seat mySeat, const std::string& winnerName)
{
    if (!winner.valid()) return translate("Table", "The Round Ended in a Draw.");
    // The leading space is how the round's end has always read for its winner.
    if (winner == mySeat) return " " + translate("Table", "You are out of tiles! The Round is Over.");
    return fillin(translate("Table", "%1 is out of tiles! The Round is Over."), {winnerName});
}

} // namespace brixo::seatwords
