#include "store/settings.h"

#include "model/playername.h"
#include "model/textcase.h"
#include "net/fieldreader.h"

#include <algorithm>

namespace brixo {

namespace {

int readInt(const IniFile& file, const std::string& section, const char* key, int fallback)
{
    const auto text = file.value(section, key);
    if (!text) return fallback;
    return parseInt(*text).value_or(fallback);
}

std::optional<int> readOptionalInt(const IniFile& file, const std::string& section, const char* key)
{
    const auto text = file.value(section, key);
    return text ? parseInt(*text) : std::nullopt;
}

Colour readColourKey(const IniFile& file, const std::string& section, const char* key)
{
    return readColour(file.value(section, key, "clblack")).value_or(kBlack);
}

// "1" or "0"; anything else keeps the default.
bool readFlag(const IniFile& file, const std::string& section, const char* key, bool fallback)
{
    const std::string text = file.value(section, key, "");
    return text == "1" ? true : text == "0" ? false : fallback;
}

std::string phraseKey(int n)
{
    return "Phrase" + std::to_string(n);
}

// At most `count` characters of UTF-8 text, never cutting one in two.
std::string firstChars(const std::string& text, int count)
{
    std::size_t end = 0;
    for (int n = 0; n < count && end < text.size(); ++n) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    }
    return text.substr(0, end);
}

// The entries of a comma-separated list, blanks trimmed, empty ones left out.
std::vector<std::string> splitList(const std::string& text)
{
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        std::string entry = text.substr(start, comma - start);
        entry.erase(0, entry.find_first_not_of(" \t"));
        entry.erase(entry.find_last_not_of(" \t") + 1);
        if (!entry.empty()) entries.push_back(std::move(entry));
        start = comma + 1;
    }
    return entries;
}

} // namespace

std::vector<std::string> withRecentHost(std::vector<std::string> recent, const std::string& host)
{
    if (host.empty()) return recent;
    std::erase_if(recent, [&](const std::string& known) { return sameIgnoringCase(known, host); });
    recent.insert(recent.begin(), host);
    if (recent.size() > kRecentHosts) recent.resize(kRecentHosts);
    return recent;
}

std::string settingsSection(const IniFile& file)
{
    return file.hasSection(kOldSettingsSection) ? kOldSettingsSection : kSettingsSection;
}

TableSettings readSettings(const IniFile& file, const std::string& section)
{
    TableSettings s;
    const std::optional<int> left = readOptionalInt(file, section, "Left");
    const std::optional<int> top = readOptionalInt(file, section, "Top");
    const std::optional<int> width = readOptionalInt(file, section, "Width");
    const std::optional<int> height = readOptionalInt(file, section, "Height");
    if (left && top && width && height) s.window = Place{*left, *top, *width, *height};
    s.textsize = readInt(file, section, "Textsize", s.textsize);
    s.textcolor = readColourKey(file, section, "Textcolor");
    s.actioncolor = readColourKey(file, section, "Actioncolor");
    for (int n = 1; n <= kPhraseCount; ++n)
        s.phrases[n - 1] = firstChars(file.value(section, phraseKey(n), ""), kPhraseLength);
    s.playsounds = file.value(section, "Playsounds", "true") != "false";
    s.sortBySuits = file.value(section, "Sortby", "1") != "1";
    // A missing game-start option keeps the dialog's own (500, 60, 14):
    // the older defaults would give a new player a 30-point game of
    // 20-second turns.
    s.playtoscore = readOptionalInt(file, section, "Playtoscore");
    s.timeperturn = readOptionalInt(file, section, "Timeperturn");
    s.tilestostart = readOptionalInt(file, section, "Tilestostart");
    s.timepenalty = file.value(section, "Timepenalty", "t") != "f";
    s.newTurnSound = file.value(section, "Turnsound", "0") == "1";
    const std::string speed = file.value(section, "Botspeed", "1000");
    s.botspeed = speed == "2000" ? 2000 : speed == "500" ? 500 : 1000;
    s.botlevel = parsebotlevel(file.value(section, "Botlevel", "normal")).value_or(BotLevel::Normal);
    s.symbols = readFlag(file, section, "Symbols", s.symbols);
    s.highContrast = readFlag(file, section, "HighContrast", s.highContrast);
    const int size = readInt(file, section, "TableSize", s.tableSize);
    if (std::find(kTableSizes.begin(), kTableSizes.end(), size) != kTableSizes.end()) s.tableSize = size;
    s.tiles = file.value(kSettingsSection, "Tiles", "");
    s.playerName = firstChars(file.value(kSettingsSection, "Playername", ""), kNameLength);
    // Read last first, so the first of two equal entries stays.
    const std::vector<std::string> recent = splitList(file.value(kSettingsSection, "Recenthosts", ""));
    for (auto host = recent.rbegin(); host != recent.rend(); ++host)
        s.recentHosts = withRecentHost(std::move(s.recentHosts), *host);
    s.showStartChoice = readFlag(file, kSettingsSection, "Startchoice", s.showStartChoice);
    s.lobbyServer = file.value(kSettingsSection, "Lobbyserver", "");
    s.language = file.value(kSettingsSection, "Language", "");
    return s;
}

void saveinifile(IniFile& file, const std::string& section, const TableSettings& s)
{
    if (s.window) {
        file.setValue(section, "Top", std::to_string(s.window->y));
        file.setValue(section, "Left", std::to_string(s.window->x));
        file.setValue(section, "Width", std::to_string(s.window->width));
        file.setValue(section, "Height", std::to_string(s.window->height));
    }
    file.setValue(section, "Textsize", std::to_string(s.textsize));
    file.setValue(section, "Textcolor", writeColour(s.textcolor));
    file.setValue(section, "Actioncolor", writeColour(s.actioncolor));
    file.setValue(section, "Playsounds", s.playsounds ? "true" : "false");
    file.setValue(section, "Sortby", s.sortBySuits ? "2" : "1");
    if (s.playtoscore) file.setValue(section, "Playtoscore", std::to_string(*s.playtoscore));
    if (s.timeperturn) file.setValue(section, "Timeperturn", std::to_string(*s.timeperturn));
    if (s.tilestostart) file.setValue(section, "Tilestostart", std::to_string(*s.tilestostart));
    file.setValue(section, "Botspeed", std::to_string(s.botspeed));
    file.setValue(section, "Botlevel", std::string(botlevelname(s.botlevel)));
    file.setValue(section, "Turnsound", s.newTurnSound ? "1" : "0");
    file.setValue(section, "Timepenalty", s.timepenalty ? "t" : "f");
    file.setValue(section, "Symbols", s.symbols ? "1" : "0");
    file.setValue(section, "HighContrast", s.highContrast ? "1" : "0");
    file.setValue(section, "TableSize", std::to_string(s.tableSize));
    file.setValue(kSettingsSection, "Tiles", s.tiles);
    file.setValue(kSettingsSection, "Playername", s.playerName);
    std::string recent;
    for (const std::string& host : s.recentHosts) recent += (recent.empty() ? "" : ",") + host;
    file.setValue(kSettingsSection, "Recenthosts", recent);
    file.setValue(kSettingsSection, "Startchoice", s.showStartChoice ? "1" : "0");
    file.setValue(kSettingsSection, "Lobbyserver", s.lobbyServer);
    file.setValue(kSettingsSection, "Language", s.language);
}

void savePhrases(IniFile& file, const std::string& section, const std::array<std::string, kPhraseCount>& phrases)
{
    for (int n = 1; n <= kPhraseCount; ++n)
        file.setValue(section, phraseKey(n), firstChars(phrases[n - 1], kPhraseLength));
}

void moveOldSettings(IniFile& file, const TableSettings& settings,
                     const std::array<std::string, kPhraseCount>& phrases)
{
    file.eraseSection(kOldSettingsSection);
    saveinifile(file, kSettingsSection, settings);
    savePhrases(file, kSettingsSection, phrases);
}

} // namespace brixo
