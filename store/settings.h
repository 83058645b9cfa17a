// The table's preferences as the settings file "quorvinlobby.ini" keeps
// them: window place and size, chat text size and colours, the ten
// phrases, sounds, rack order, the computer players' speed and level, the last
// game-start options, the tile set and the table's look (colour symbols,
// high contrast, size). Reading never fails: a missing or
// unreadable key gives its default.
#pragma once

#include "bot/botlevel.h"
#include "net/colourtext.h"
#include "store/inifile.h"
#include "table/windowplace.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace brixo {

inline constexpr const char* kSettingsFileName = "quorvinlobby.ini";
// The table's own section, where "Tiles" always lives.
inline constexpr const char* kSettingsSection = "brixo";
// The section an older lobby wrote; it is read instead, then moved.
inline constexpr const char* kOldSettingsSection = "agame";
inline constexpr int kPhraseCount = 10;
inline constexpr int kPhraseLength = 50;
// The sizes "TableSize" may hold; 0 fits the table to the window.
inline constexpr int kTableSizeFit = 0;
inline constexpr std::array<int, 4> kTableSizes{100, 150, 200, kTableSizeFit};
inline constexpr std::size_t kRecentHosts = 8;

struct TableSettings {
    // "Left", "Top", "Width", "Height": where the window was left. None
    // until the four have been written (the window then opens at its first
    // place); one of them unreadable counts as none.
    std::optional<Place> window;
    int textsize = 8;
    Colour textcolor = kBlack;
    Colour actioncolor = kBlack;
    // Empty: the button keeps its own phrase.
    std::array<std::string, kPhraseCount> phrases{};
    bool playsounds = true;
    bool sortBySuits = false;
    // The game-start dialog's last options; nothing keeps what the dialog shows.
    std::optional<int> playtoscore;
    std::optional<int> timeperturn;
    std::optional<int> tilestostart;
    bool timepenalty = true;
    bool newTurnSound = false;
    int botspeed = 1000; // 2000, 1000 or 500 milliseconds
    BotLevel botlevel = BotLevel::Normal; // "Botlevel": "normal", "expert" or "master"
    std::string tiles;   // the tile set's name; empty for the built-in pictures
    // "Symbols": each colour's own shape on its tiles, for players who
    // cannot tell the colours apart; "1" or "0".
    bool symbols = true;
    // "HighContrast": strong colour-blind-safe tile colours and a darker board.
    bool highContrast = false;
    // "TableSize": the board and rack drawn at this percent, or 0 to fit the
    // window (kTableSizeFit), as a new player's table is.
    int tableSize = kTableSizeFit;
    // "Playername": the name the player hosts and joins network games under.
    std::string playerName;
    // "Recenthosts": the addresses the player joined by hand, the latest
    // first, at most kRecentHosts, written comma-separated.
    std::vector<std::string> recentHosts;
    // "Startchoice": a solo start first offers to play with others; "1" or "0".
    bool showStartChoice = true;
    // "Lobbyserver": where online rooms are hosted ("host" or "host:port");
    // empty until the player or the installation names one.
    std::string lobbyServer;
    // "Language": the language the table speaks ("de", "en", ...), or empty
    // to follow the system's. Kept in the table's own section like the
    // keys above; a file without it follows the system.
    std::string language;

    bool operator==(const TableSettings&) const = default;
};

// The section the settings are read from: the older lobby's while it is
// in the file, else the table's own.
std::string settingsSection(const IniFile& file);

TableSettings readSettings(const IniFile& file, const std::string& section);

// Every setting but the phrases, into the section; "Tiles" into the
// table's own section.
void saveinifile(IniFile& file, const std::string& section, const TableSettings& settings);
// The ten phrases as "Phrase1".."Phrase10".
void savePhrases(IniFile& file, const std::string& section, const std::array<std::string, kPhraseCount>& phrases);

// Moves the older lobby's settings into the table's own section and drops
// the old section. The phrases are the ones the buttons show.
void moveOldSettings(IniFile& file, const TableSettings& settings,
                     const std::array<std::string, kPhraseCount>& phrases);

// The recent addresses with this one first: once only (letter case aside),
// at most kRecentHosts.
std::vector<std::string> withRecentHost(std::vector<std::string> recent, const std::string& host);

} // namespace brixo
