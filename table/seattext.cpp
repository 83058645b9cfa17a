#include "table/seattext.h"

namespace seattext {

QString computerName(int seat)
{
    switch (seat) {
    case 2: return QStringLiteral("Klot");
    case 3: return QStringLiteral("Klock");
    case 4: return QStringLiteral("Kling");
    default: return QString();
    }
}

QString afterDisconnect(int seat, bool teamGame)
{
    const QString computer = computerName(seat);
    if (computer.isEmpty()) return kWaiting;
    if (seat == 2 || teamGame) return computer;
    return kWaiting;
}

static QString minutesSeconds(int seconds)
{
    const int minutes = seconds / 60;
    const int rest = seconds % 60;
    return QString::number(minutes) + (rest <= 9 ? QStringLiteral(":0") : QStringLiteral(":")) + QString::number(rest);
}

QString timePerTurn(int seconds)
{
    return QStringLiteral("Time Per Turn: ") + minutesSeconds(qMax(0, seconds));
}

QString clockText(int seconds)
{
    return QStringLiteral("Time: ") + minutesSeconds(qMax(0, seconds));
}

QString tilesLeft(int tiles)
{
    return QStringLiteral("Tile's Left: ") + QString::number(tiles < 0 ? 0 : tiles);
}

QString winnerText(const QString& name)
{
    if (name == QStringLiteral("You")) return QStringLiteral("You have won the game!");
    return name + QStringLiteral(" has Won the Game!");
}

QString roundOver(int winner, int mySeat, const QString& winnerName)
{
    if (winner == 0) return QStringLiteral("The Round Ended in a Draw.");
    if (winner == mySeat) return QStringLiteral(" You are out of tiles! The Round is Over.");
    return winnerName + QStringLiteral(" is out of tiles! The Round is Over.");
}

} // namespace seattext
