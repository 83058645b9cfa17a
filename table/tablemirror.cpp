// The table's login, the dispatch of the server's messages, the requests
// that are not a turn's, and the reading of the table's state.
#include "table/tablemirror.h"
#include "table/wording.h"

#include "model/setrules.h"
#include "model/slottable.h"
#include "net/catalogue.h"
#include "net/lobbymessages.h"
#include "net/receivequeue.h"
#include "table/seatwords.h"
#include "table/tablehint.h"

#include <utility>

namespace brixo {

TableMirror::TableMirror() = default;

void TableMirror::beginHosting(const std::string& name)
{
    m_loginText = name;
    m_host = true;
    m_startOffered = true;
    m_turn.controls().pauseEnabled = true;
}

void TableMirror::beginJoining(const std::string& name)
{
    m_loginText = name;
    m_host = false;
    m_startOffered = false;
}

void TableMirror::beginOnline(const std::string& name, const RoomRequest& request)
{
    // The creator of a room is its slot 1, with the host's rights.
    if (request.create) beginHosting(name);
    else beginJoining(name);
    m_roomRequest = request;
    m_roomCode.clear();
}

TableUpdate TableMirror::done()
{
    return std::exchange(m_update, {});
}

TableUpdate TableMirror::receive(std::string_view line)
{
    const auto split = splitCommand(line);
    if (!split) return {};
    return receive(split->command, split->args);
}

TableUpdate TableMirror::receive(std::string_view command, std::string_view args)
{
    using Handler = void (TableMirror::*)(std::string_view);
    struct Row {
        std::string_view command;
        Handler handler;
    };
    static const Row kRows[] = {
        {"CMD_sendlogininfo", &TableMirror::sendlogininfo},
        {"CMD_newplayerinfo", &TableMirror::newplayerinfo},
        {"CMD_existingplayers", &TableMirror::newplayerinfo},
        {"CMD_playerdisconnected", &TableMirror::playerdisconnected},
        {"CMD_lobby", &TableMirror::lobbygreeting},
        {"CMD_roomcode", &TableMirror::roomcode},
        {"CMD_noroom", &TableMirror::noroom},
        {"CMD_chat", &TableMirror::chatline},
        {"CMD_action", &TableMirror::chatline},
        {"CMD_startgame", &TableMirror::startthegame},
        {"CMD_nextplayer", &TableMirror::getnextplayer},
        {"CMD_winner", &TableMirror::winner},
        {"CMD_justwatching", &TableMirror::justwatching},
        {"CMD_yourtiles", &TableMirror::yourtiles},
        {"CMD_startround", &TableMirror::startround},
        {"CMD_placehistile", &TableMirror::placehistile},
        {"CMD_freecard", &TableMirror::freecard},
        {"CMD_swaptiles", &TableMirror::swaptiles},
        {"CMD_undothem", &TableMirror::undothem},
        {"CMD_askpenalty", &TableMirror::askpenalty},
        {"CMD_endround", &TableMirror::endround},
        {"CMD_movedtiles", &TableMirror::movedtiles},
        {"CMD_removetile", &TableMirror::removetile},
        {"CMD_loadstats", &TableMirror::loadstats},
        {"CMD_loadboard", &TableMirror::loadboard},
        {"CMD_notime", &TableMirror::notime},
        {"CMD_notenough", &TableMirror::notenough},
        {"CMD_incomplete", &TableMirror::incomplete},
        {"CMD_gamepause", &TableMirror::gamepause},
        {"CMD_timeleft", &TableMirror::timeleft},
        {"CMD_roundrack", &TableMirror::roundrack},
    };
    // A table the server turned away hears nothing more.
    if (m_turnedAway) return {};
    if (command == "CMD_full") {
        m_turnedAway = true;
        m_update.gameFull = true;
    } else if (command == "CMD_removed") {
        m_turnedAway = true;
        m_update.removed = true;
    } else if (command == "CMD_hostleft") {
        m_hostLeft = true;
    } else if (command == "CMD_seatkey") {
        if (const auto key = msg::parseSeatkey(args)) m_seatKey = *key;
    } else if (command == "CMD_havewrongversion") {
        notice(fillin(translate("Table", "%1 has a different version of the game then you."), {args}));
    } else if (command == "CMD_wrongversion") {
        notice(translate("Table", "You have a differnt version of the game then the host."));
    } else if (command == "CMD_nomoreroom") {
        notice(translate("Table", "You cannot hold anymore tiles"));
    } else if (command == "CMD_nomoretiles") {
        notice(translate("Table", "There are no tiles left"));
    } else {
        for (const Row& row : kRows) {
            if (row.command == command) {
                (this->*row.handler)(args);
                break;
            }
        }
    }
    return done();
}

void TableMirror::sendlogininfo(std::string_view args)
{
    const auto slot = msg::parseSendlogininfo(args);
    if (!slot || !Slot(*slot).valid()) return;
    m_mySlot = Slot(*slot);
    m_loggedIn = true;
    // A room joined by its code: the lobby names no code to its joiners.
    if (m_roomRequest && m_roomCode.empty()) m_roomCode = m_roomRequest->code;
    // A room's slot 1 has the host's rights, whoever holds it: its creator
    // coming back by the code after the lobby restarted is its host again.
    if (m_roomRequest && !m_host && m_mySlot == Slot(1)) beginHosting(m_loginText);
    send(msg::logininfo(m_mySlot.number(), msg::kVersion, m_loginText, m_seatKey));
}

void TableMirror::lobbygreeting(std::string_view args)
{
    const auto version = msg::parseLobby(args);
    if (!version || *version != kLobbyProtocol || !m_roomRequest) return;
    if (m_roomRequest->create) send(msg::newroom({m_roomRequest->title, m_roomRequest->isPublic}));
    else send(msg::joinroom(m_roomRequest->code));
}

void TableMirror::roomcode(std::string_view args)
{
    const auto code = msg::parseCode(args);
    if (!code || !m_roomRequest || !m_roomCode.empty()) return;
    m_roomCode = *code;
    notice(fillin(translate("Table", "Your room's code is %1: friends join by it, from Play with Others, Online."),
                  {m_roomCode}));
}

void TableMirror::noroom(std::string_view args)
{
    if (!m_roomRequest || m_loggedIn) return;
    const auto code = msg::parseCode(args);
    m_update.noRoom = code ? *code : m_roomRequest->code;
}

void TableMirror::chatline(std::string_view args)
{
    chatrules::ChatLine line = chatrules::chatrecieved(args);
    // The server's notices travel in English, so tables of every language
    // understand each other; the one it words itself is said here in the
    // player's language.
    if (line.colour == kNoticeGreen && line.line == "Slow down: lines sent too fast were not passed on.")
        line.line = translate("Table", "Slow down: lines sent too fast were not passed on.");
    m_update.chat.push_back(std::move(line));
}

std::string TableMirror::who(Seat seat) const
{
    return mine(seat) ? seatwords::kYou : seatName(seat);
}

// ---- requests that are not a turn's ---------------------------------------------

TableUpdate TableMirror::startGame(const GameOptions& options)
{
    if (m_host && m_loggedIn)
        send(msg::startgame({m_loginText, options.playto, options.turntime, options.timepenalty ? "t" : "f",
                             options.teamgame ? "t" : "f", options.tilestostart}));
    return done();
}

TableUpdate TableMirror::say(std::string_view line, Colour textColour, Colour actionColour)
{
    if (!m_loggedIn) return done();
    if (auto frame = chatrules::sendit(m_mySlot.number(), line, textColour, actionColour)) send(std::move(*frame));
    return done();
}

TableUpdate TableMirror::sayPhrase(std::string_view phrase, Colour actionColour,
                                   chatrules::PhraseLock::Clock::time_point now)
{
    if (m_loggedIn && m_phraseLock.tryUse(now)) send(chatrules::phraseFrame(m_mySlot.number(), phrase, actionColour));
    return done();
}

TableUpdate TableMirror::setBotSpeed(int milliseconds)
{
    // The computer players belong to the host's game.
    if (m_loggedIn && m_mySlot == Slot(1)) send(msg::botspeed(m_mySlot.number(), milliseconds));
    return done();
}

bool TableMirror::mayRemove(Slot slot) const
{
    return m_host && seatName(seatOf(slot)) != seatwords::kWaiting;
}

TableUpdate TableMirror::removeFromGame(Slot slot)
{
    if (m_host && m_loggedIn && slot.valid()) send(msg::kickhim(m_mySlot.number(), slot.number()));
    return done();
}

TableUpdate TableMirror::setSeatWatching(Seat seat, bool watch)
{
    if (m_loggedIn && seat.valid()) send(msg::justwatch(seat.number(), watch ? "1" : "2"));
    return done();
}

TableUpdate TableMirror::toggleJustWatch()
{
    // Whether the seat watches follows the server's answer, not the request.
    if (m_loggedIn && mySeat().valid()) send(msg::justwatch(mySeat().number(), seat(mySeat()).watching ? "2" : "1"));
    return done();
}

bool TableMirror::mayHint() const
{
    return mySeat().valid() && !seat(mySeat()).watching;
}

TableUpdate TableMirror::askHint()
{
    if (!mayHint()) return done();
    const TableHint hint = tablehint(*this);
    m_hintSlots = hint.rackSlots;
    m_hintTurn = m_turn.number();
    m_hintTold = hint.text;
    notice(hint.text);
    return done();
}

const std::vector<RackSlot>& TableMirror::hintSlots() const
{
    // A hint holds for the turn it was asked in.
    static const std::vector<RackSlot> kNone;
    return m_hintTurn == m_turn.number() ? m_hintSlots : kNone;
}

std::optional<ShowMeStep> TableMirror::showMeInHand() const
{
    if (!m_showMe.running() || !m_showMe.inHand() || m_showMe.finished()) return std::nullopt;
    return m_showMe.step();
}

// ---- reading -----------------------------------------------------------------

bool TableMirror::shownBoardValid() const
{
    return boardok(board());
}

std::vector<std::string> TableMirror::othersAtTable() const
{
    std::vector<std::string> names;
    for (const Seat s : Seat::all()) {
        if (mine(s)) continue;
        std::string name = seatName(s);
        if (!name.empty() && name != seatwords::kWaiting) names.push_back(std::move(name));
    }
    return names;
}

Seat TableMirror::partnerSeat() const
{
    return m_options.team ? partnerOf(mySeat()) : Seat();
}

bool TableMirror::mayPlay() const
{
    return m_loggedIn && mySeat().valid() && turnSeat() == mySeat() && !seat(mySeat()).watching;
}

bool TableMirror::mayPickUp(BoardCell cell) const
{
    return mayPlay() && m_hand.empty() && cell.inside() && !board().isEmpty(cell);
}

bool TableMirror::mayPutDown(BoardCell cell) const
{
    return mayPlay() && !m_hand.empty() && cell.inside() && board().isEmpty(cell) &&
           placerules::fitsOrder(board(), cell, m_hand.tile);
}

std::optional<int> TableMirror::layDownPoints() const
{
    if (m_laidDown || !mayPlay()) return std::nullopt;
    return m_rack.pointsLaid();
}

} // namespace brixo
