#include "table/spokenwords.h"

#include "model/tile.h"
#include "table/tablemirror.h"
#include "table/wording.h"

#include <algorithm>

namespace brixo::spokenwords {

namespace {

std::string number(int n)
{
    return std::to_string(n);
}

std::string minutesSeconds(int seconds)
{
    seconds = std::max(0, seconds);
    const int rest = seconds % 60;
    return number(seconds / 60) + (rest < 10 ? ":0" : ":") + number(rest);
}

std::string tileCount(int tiles)
{
    return tiles == 1 ? translate("Spoken", "1 tile") : fillin(translate("Spoken", "%1 tiles"), {number(tiles)});
}

std::string pointCount(int points)
{
    return points == 1 || points == -1 ? fillin(translate("Spoken", "%1 point"), {number(points)})
                                       : fillin(translate("Spoken", "%1 points"), {number(points)});
}

// A seat's name as the sentence about it starts, and whether it is this
// table's own seat (its sentences say "you").
bool own(const TableMirror& mirror, Seat seat)
{
    return mirror.mine(seat);
}

} // namespace

std::string tile(Tile tile)
{
    if (!tile.real()) return {};
    if (tile.code() == kWildTile) return translate("Spoken", "wild tile");
    // The number is spoken as the tile shows it, 1 to 13.
    const std::string face = number(ordernumber(tile));
    switch (getsuit(tile)) {
    case 1: return fillin(translate("Spoken", "Green %1"), {face});
    case 2: return fillin(translate("Spoken", "Orange %1"), {face});
    case 3: return fillin(translate("Spoken", "Red %1"), {face});
    default: return fillin(translate("Spoken", "Black %1"), {face});
    }
}

std::string cell(BoardCell cell, Tile held)
{
    const std::string what = held.real() ? tile(held) : translate("Spoken", "empty");
    return fillin(translate("Spoken", "board, column %1, row %2, %3"), {number(cell.col), number(cell.row), what});
}

std::string seat(const TableMirror& mirror, Seat place, const std::string& leftBy)
{
    const SeatState& s = mirror.seat(place);
    if (s.occupant == Occupant::Empty) return fillin(translate("Spoken", "seat %1, waiting for a player"), {number(place.number())});

    const bool turn = mirror.turnSeat() == place;
    std::string name = mirror.seatName(place);
    std::string state;
    if (s.occupant == Occupant::Computer) {
        if (leftBy.empty()) state = turn ? translate("Spoken", "computer player, playing its turn") : translate("Spoken", "computer player");
        else
            state = fillin(turn ? translate("Spoken", "computer player for %1, who left, playing its turn")
                                : translate("Spoken", "computer player for %1, who left"),
                           {leftBy});
    } else if (own(mirror, place)) {
        // A player who kept the default name "You" needs no reminder.
        if (name != "You") name = fillin(translate("Spoken", "%1 (you)"), {name});
        if (s.watching) state = translate("Spoken", "watching while the computer plays for you");
        else if (s.sittingOut) state = translate("Spoken", "waiting for the next round");
        else state = turn ? translate("Spoken", "your turn") : translate("Spoken", "playing");
    } else {
        if (s.watching) state = translate("Spoken", "watching while the computer plays");
        else if (s.sittingOut) state = translate("Spoken", "waiting for the next round");
        else state = turn ? translate("Spoken", "playing, their turn") : translate("Spoken", "playing");
    }
    if (!s.hasTiles) return fillin(translate("Spoken", "%1, %2, %3"), {name, pointCount(s.score), state});
    return fillin(translate("Spoken", "%1, %2, %3, %4"), {name, tileCount(s.tiles), pointCount(s.score), state});
}

std::string clock(const TableMirror& mirror)
{
    const Seat turn = mirror.turnSeat();
    if (!turn.valid()) return translate("Spoken", "no turn running");
    const std::string left = minutesSeconds(mirror.clock().secondsLeft());
    if (mirror.paused()) {
        if (own(mirror, turn)) return fillin(translate("Spoken", "clock stopped, %1 left of your turn"), {left});
        return fillin(translate("Spoken", "clock stopped, %1 left of %2's turn"), {left, mirror.seatName(turn)});
    }
    if (own(mirror, turn)) return fillin(translate("Spoken", "%1 left of your turn"), {left});
    return fillin(translate("Spoken", "%1 left of %2's turn"), {left, mirror.seatName(turn)});
}

std::string pool(int tiles)
{
    if (tiles <= 0) return translate("Spoken", "no tiles left to draw");
    if (tiles == 1) return translate("Spoken", "1 tile left to draw");
    return fillin(translate("Spoken", "%1 tiles left to draw"), {number(tiles)});
}

std::string turnStart(const TableMirror& mirror)
{
    const Seat turn = mirror.turnSeat();
    if (own(mirror, turn)) return translate("Spoken", "Your turn.");
    return fillin(translate("Spoken", "%1's turn."), {mirror.seatName(turn)});
}

std::string laid(const TableMirror& mirror, Seat seat, int tiles, int points)
{
    const std::string worth = pointCount(points);
    if (own(mirror, seat)) {
        if (tiles <= 0) return fillin(translate("Spoken", "You laid tiles worth %1."), {worth});
        return fillin(translate("Spoken", "You laid %1 worth %2."), {tileCount(tiles), worth});
    }
    if (tiles <= 0) return fillin(translate("Spoken", "%1 laid tiles worth %2."), {mirror.seatName(seat), worth});
    return fillin(translate("Spoken", "%1 laid %2 worth %3."), {mirror.seatName(seat), tileCount(tiles), worth});
}

std::string drew(const TableMirror& mirror, Seat seat, int tiles)
{
    if (own(mirror, seat)) return tiles == 1 ? translate("Spoken", "You drew a tile.") : fillin(translate("Spoken", "You drew %1."), {tileCount(tiles)});
    if (tiles == 1) return fillin(translate("Spoken", "%1 drew a tile."), {mirror.seatName(seat)});
    return fillin(translate("Spoken", "%1 drew %2."), {mirror.seatName(seat), tileCount(tiles)});
}

std::string tookBack(const TableMirror& mirror, Seat seat)
{
    if (own(mirror, seat)) return translate("Spoken", "You took back the moves of this turn.");
    return fillin(translate("Spoken", "%1 took back the moves of this turn."), {mirror.seatName(seat)});
}

std::string penaltyQuestion()
{
    return translate("Spoken", "The board holds sets that are not valid. Take the penalty tiles and end your turn, or edit the board?");
}

std::string paused(bool paused)
{
    return paused ? translate("Spoken", "Clock stopped.") : translate("Spoken", "Clock running again.");
}

std::string roundResult(const TableMirror& mirror)
{
    const std::vector<RoundLine>& lines = mirror.roundSummary();
    std::string out = translate("Spoken", "Round over.");
    for (const RoundLine& line : lines) {
        if (line.tiles != 0) continue;
        out += ' ';
        out += own(mirror, line.seat) ? translate("Spoken", "You are out of tiles.")
                                      : fillin(translate("Spoken", "%1 is out of tiles."), {mirror.seatName(line.seat)});
    }
    for (const RoundLine& line : lines) {
        const std::string who = own(mirror, line.seat) ? translate("Spoken", "You") : mirror.seatName(line.seat);
        out += ' ';
        out += fillin(translate("Spoken", "%1: %2 left, %3."), {who, tileCount(line.tiles), pointCount(line.points)});
    }
    return out;
}

} // namespace brixo::spokenwords
