#include "table/seatwords.h"

#include "model/gameoptions.h"
#include "model/slottable.h"

#include <algorithm>

namespace brixo::seatwords {

std::string computerName(Seat seat)
{
    return seat.valid() ? defaultComputerName(seat.number()) : "";
}

std::string playTo(int score)
{
    return "Play To Score: " + std::to_string(score);
}

static std::string minutesSeconds(int seconds)
{
    seconds = std::max(0, seconds);
    const int rest = seconds % 60;
    return std::to_string(seconds / 60) + (rest <= 9 ? ":0" : ":") + std::to_string(rest);
}

std::string timePerTurn(int seconds)
{
    return "Time Per Turn: " + minutesSeconds(seconds);
}

std::string timePenalty(bool on)
{
    return on ? "Time Penalty: ON" : "Time Penalty: OFF";
}

std::string teamLine(bool team)
{
    return team ? "Team Game" : "Good Luck";
}

std::string clockText(int seconds)
{
    return "Time: " + minutesSeconds(seconds);
}

std::string tilesLeft(int tiles)
{
    return "Tile's Left: " + std::to_string(std::max(0, tiles));
}

std::string winnerText(const std::string& name)
{
    if (name == "You") return "You have won the game!";
    return name + " has Won the Game!";
}

std::string drew(const std::string& who, int tiles)
{
    if (tiles == 1) return who + " drew a tile.";
    return who + " drew " + std::to_string(tiles) + " tiles (penalty).";
}

std::string pointsWord(int points)
{
    return (points > 0 ? "+" : "") + std::to_string(points) + (points == 1 || points == -1 ? " point" : " points");
}

std::string roundLine(const std::string& who, int tiles, int points)
{
    return who + ": " + std::to_string(tiles) + (tiles == 1 ? " tile left, " : " tiles left, ") + pointsWord(points) + ".";
}

std::string layDownProgress(int points)
{
    return std::to_string(points) + " of " + std::to_string(kFirstLayDown);
}

std::string roundOver(Seat winner, Seat mySeat, const std::string& winnerName)
{
    if (!winner.valid()) return "The Round Ended in a Draw.";
    if (winner == mySeat) return " You are out of tiles! The Round is Over.";
    return winnerName + " is out of tiles! The Round is Over.";
}

} // namespace brixo::seatwords
