// The settings file: values kept raw, names matched in any letter case,
// what the game does not know of left alone, defaults for what is missing,
// and the older lobby's section moved into the table's own.
#include "store/regularfile.h"
#include "store/settings.h"
#include "tests/tempfiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

using namespace brixo;
using namespace brixo::test;

TEST(IniFile, ValuesStayAsWrittenAndEverythingElseIsKept)
{
    IniFile file("; the lobby's file\r\n[Lobby]\r\nServer=lobby.example, 7000\r\n\r\n[BRIXO]\r\nphrase10 = /me waves "
                 "\"Good-Bye\"\r\nOther=1\n");
    EXPECT_EQ(file.value("brixo", "Phrase10"), "/me waves \"Good-Bye\"");
    EXPECT_EQ(file.value("lobby", "server"), "lobby.example, 7000");
    EXPECT_FALSE(file.value("brixo", "Missing"));
    EXPECT_EQ(file.value("nosuch", "Phrase10", "dflt"), "dflt");

    file.setValue("brixo", "PHRASE10", "Hello, \"world\"");
    file.setValue("brixo", "Tiles", "Contrast");
    file.setValue("agame", "Top", "9");
    const IniFile again(file.text());
    EXPECT_EQ(again.value("Brixo", "Phrase10"), "Hello, \"world\"");
    EXPECT_EQ(again.value("brixo", "Tiles"), "Contrast");
    EXPECT_EQ(again.value("brixo", "Other"), "1");
    EXPECT_EQ(again.value("Lobby", "Server"), "lobby.example, 7000");
    EXPECT_NE(again.text().find("; the lobby's file\r\n"), std::string::npos);
    // The lobby's section keeps its blank line before the next section.
    EXPECT_NE(again.text().find("7000\r\n\r\n[BRIXO]"), std::string::npos);

    file.eraseSection("AGAME");
    EXPECT_FALSE(file.hasSection("agame"));
    EXPECT_TRUE(file.hasSection("brixo"));
}

TEST(IniFile, AMissingFileReadsEmptyAndIsMadeAtTheFirstSave)
{
    const std::string path = (std::filesystem::temp_directory_path() / "brixo_settings_test.ini").string();
    std::remove(path.c_str());
    IniFile file;
    EXPECT_FALSE(file.load(path));
    EXPECT_EQ(readSettings(file, settingsSection(file)), TableSettings());
    saveinifile(file, kSettingsSection, TableSettings());
    ASSERT_TRUE(file.save(path));
    IniFile back;
    ASSERT_TRUE(back.load(path));
    // A new player's table fits its window, which opens at its first place.
    EXPECT_FALSE(back.value("brixo", "Width"));
    EXPECT_EQ(back.value("brixo", "TableSize"), "0");
    std::remove(path.c_str());
}

TEST(IniFile, WhatIsNotARegularFileOrIsTooBigIsRefusedUnreadAndNeverWritten)
{
    TempDir dir;
    const std::filesystem::path ini = dir.file("quorvinlobby.ini");
    for (const HostileFile& kind : hostileFiles()) {
        kind.make(ini);
        IniFile file("[brixo]\nWidth=900\n");
        std::string failure;
        EXPECT_FALSE(file.load(ini.string(), &failure)) << kind.what;
        EXPECT_NE(failure.find("is not a regular file"), std::string::npos) << kind.what << failure;
        EXPECT_EQ(readSettings(file, settingsSection(file)), TableSettings()) << kind.what;
        EXPECT_FALSE(file.save(ini.string())) << kind.what;
        const std::filesystem::path kept = brixo::setFileAside(ini);
        EXPECT_EQ(kept, dir.file("quorvinlobby.ini.bad")) << kind.what;
        EXPECT_TRUE(file.save(ini.string())) << kind.what;
        std::filesystem::remove_all(ini);
        std::filesystem::remove_all(kept);
    }
    writeFile(ini, "[brixo]\r\n" + std::string(2u << 20, ';'));
    IniFile file;
    std::string failure;
    EXPECT_FALSE(file.load(ini.string(), &failure));
    EXPECT_NE(failure.find("is too big"), std::string::npos) << failure;
}

TEST(Settings, DefaultsFallbacksAndTheGameStartOptionsOfANewPlayer)
{
    const IniFile file("[brixo]\nTop=x\nTextsize=12\nTextcolor=$00FF0000\nActioncolor=nonsense\nPlaysounds=no\n"
                       "Sortby=2\nBotspeed=750\nBotlevel=hard\nTurnsound=1\nTimepenalty=f\nTimeperturn=abc\n"
                       "Symbols=yes\nHighContrast=1\nTableSize=120\n");
    const TableSettings s = readSettings(file, "brixo");
    EXPECT_FALSE(s.window); // one of the four unreadable: no place kept
    EXPECT_EQ(s.textsize, 12);
    EXPECT_EQ(s.textcolor, 0xFF0000u);
    EXPECT_EQ(s.actioncolor, kBlack); // unreadable colour: black
    EXPECT_TRUE(s.playsounds);        // anything but "false"
    EXPECT_TRUE(s.sortBySuits);
    EXPECT_EQ(s.botspeed, 1000); // 750 is no speed: Normal
    EXPECT_EQ(s.botlevel, BotLevel::Normal); // no level either
    EXPECT_TRUE(s.newTurnSound);
    EXPECT_FALSE(s.timepenalty);
    // Missing or unreadable game-start options leave the dialog as it is.
    EXPECT_FALSE(s.playtoscore);
    EXPECT_FALSE(s.timeperturn);
    EXPECT_TRUE(s.symbols);          // neither "1" nor "0": the default
    EXPECT_TRUE(s.highContrast);
    EXPECT_EQ(s.tableSize, kTableSizeFit); // no size the table offers

    IniFile out;
    saveinifile(out, "brixo", s);
    EXPECT_EQ(out.value("brixo", "Botspeed"), "1000");
    EXPECT_EQ(out.value("brixo", "Botlevel"), "normal");
    EXPECT_EQ(readSettings(IniFile("[brixo]\nBotlevel=Expert\n"), "brixo").botlevel, BotLevel::Expert);
    EXPECT_EQ(out.value("brixo", "Textcolor"), "clBlue");
    EXPECT_FALSE(out.value("brixo", "Playtoscore"));
    EXPECT_EQ(readSettings(out, "brixo"), s);

    // Every size and both flags survive a save.
    for (const int size : kTableSizes) {
        TableSettings look;
        look.symbols = false;
        look.highContrast = size != 150;
        look.tableSize = size;
        IniFile again;
        saveinifile(again, "brixo", look);
        EXPECT_EQ(readSettings(again, "brixo"), look) << size;
    }
    EXPECT_EQ(out.value("brixo", "TableSize"), "0");

    // A place is kept only whole.
    const IniFile placed("[brixo]\nLeft=-8\nTop=20\nWidth=900\nHeight=700\n");
    EXPECT_EQ(readSettings(placed, "brixo").window, (Place{-8, 20, 900, 700}));
    IniFile placedOut;
    saveinifile(placedOut, "brixo", readSettings(placed, "brixo"));
    EXPECT_EQ(placedOut.value("brixo", "Left"), "-8");
    EXPECT_EQ(placedOut.value("brixo", "Height"), "700");
    EXPECT_FALSE(readSettings(IniFile("[brixo]\nLeft=8\nTop=20\nWidth=900\n"), "brixo").window);
}

TEST(Settings, TheOlderLobbysSectionIsReadThenMovedWithThePhrases)
{
    IniFile file("[agame]\nLeft=5\nTop=6\nWidth=900\nHeight=650\nPhrase3=Nice, \"really\"\nTiles=ignored\n[brixo]\nTiles=Contrast\n");
    ASSERT_EQ(settingsSection(file), "agame");
    TableSettings s = readSettings(file, "agame");
    EXPECT_EQ(s.window, (Place{5, 6, 900, 650}));
    EXPECT_EQ(s.phrases[2], "Nice, \"really\"");
    EXPECT_EQ(s.tiles, "Contrast"); // "Tiles" always lives in the table's own section
    std::array<std::string, kPhraseCount> shown{};
    shown[2] = s.phrases[2];
    moveOldSettings(file, s, shown);
    EXPECT_FALSE(file.hasSection("agame"));
    EXPECT_EQ(settingsSection(file), "brixo");
    EXPECT_EQ(readSettings(file, "brixo").window, (Place{5, 6, 900, 650}));
    EXPECT_EQ(file.value("brixo", "Phrase3"), "Nice, \"really\"");
}

TEST(Settings, TheNetworkChoicesAreKeptWithTheLatestAddressFirstAndOnce)
{
    TableSettings s;
    for (const char* host : {"a.lan", "10.0.0.9:7000", "A.LAN", "[::1]:7772"}) s.recentHosts = withRecentHost(s.recentHosts, host);
    EXPECT_EQ(s.recentHosts, (std::vector<std::string>{"[::1]:7772", "A.LAN", "10.0.0.9:7000"}));
    for (int n = 0; n < 20; ++n) s.recentHosts = withRecentHost(s.recentHosts, "host" + std::to_string(n));
    EXPECT_EQ(s.recentHosts.size(), kRecentHosts);
    EXPECT_EQ(s.recentHosts.front(), "host19");
    s.playerName = "Ann";
    s.showStartChoice = false;
    s.lobbyServer = "lobby.example:7800";

    IniFile file;
    saveinifile(file, kSettingsSection, s);
    const TableSettings back = readSettings(IniFile(file.text()), kSettingsSection);
    EXPECT_EQ(back.recentHosts, s.recentHosts);
    EXPECT_EQ(back.playerName, "Ann");
    EXPECT_FALSE(back.showStartChoice);
    EXPECT_EQ(back.lobbyServer, "lobby.example:7800");

    // A list edited by hand: blanks and empty entries go, the first of two equal entries stays.
    const TableSettings edited = readSettings(IniFile("[brixo]\nRecenthosts= b , ,a,B\n"), kSettingsSection);
    EXPECT_EQ(edited.recentHosts, (std::vector<std::string>{"b", "a"}));
}

TEST(Settings, TheLanguageIsKeptAndAFileWithoutItFollowsTheSystem)
{
    EXPECT_EQ(readSettings(IniFile("[brixo]\nTextsize=10\n"), kSettingsSection).language, "");
    TableSettings s;
    s.language = "de";
    IniFile file;
    saveinifile(file, kSettingsSection, s);
    EXPECT_EQ(file.value(kSettingsSection, "Language", ""), "de");
    EXPECT_EQ(readSettings(IniFile(file.text()), kSettingsSection).language, "de");
}
