// Brixo: started without parameters it plays a solo game against the
// computer; with a player name, a host address and "true" it hosts a
// multi-player game, with anything else as the third parameter it joins
// the host at that address. "brixo --server" runs the game server alone,
// without a window, "brixo --lobby" many of them as online rooms in one
// process, and "brixo --find" lists the games announced on the
// local network; "brixo --compress IN OUT" and "--decompress IN OUT"
// run the tally's compressor on whole files; "--help" and "--version"
// print and exit. The command line is read before any window exists.
#include "commandline.h"
#include "icu/icunamekeys.h"
#include "model/namelikeness.h"
#include "net/gameport.h"
#include "net/qt/findgames.h"
#include "server/qt/headlesslobby.h"
#include "server/qt/headlessserver.h"
#include "store/lzrw1command.h"
#include "store/qt/gamefolders.h"
#include "store/settings.h"
#include "table/qt/chatform.h"
#include "table/qt/language.h"
#include "table/qt/singleinstance.h"
#include "table/qt/tablestyle.h"

#include <QApplication>
#include <QIcon>

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const brixo::CommandLine line = brixo::parseCommandLine(args, brixo::gamePort());
    // Every server in the process tells look-alike names apart by Unicode's data.
    brixo::setNameKeys(brixo::icuNameKeys);
    switch (line.launch) {
    case brixo::Launch::Help:
        std::cout << brixo::usage();
        return 0;
    case brixo::Launch::Version:
        std::cout << brixo::versionLine() << '\n';
        return 0;
    case brixo::Launch::BadUsage:
        std::cerr << "brixo: " << line.error << "\n\n" << brixo::usage();
        return 2;
    case brixo::Launch::Server:
        return brixo::runHeadlessServer(line.server, argc, argv);
    case brixo::Launch::Lobby:
        return brixo::runHeadlessLobby(line.lobby, argc, argv);
    case brixo::Launch::Find:
        return brixo::runFindGames(line.findSeconds, argc, argv);
    case brixo::Launch::TallyFile:
        return brixo::runLzrw1Command(argc, argv, std::cerr);
    case brixo::Launch::Table:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brixo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Brixo"));
    // The desktop entry's name, so a desktop shows the window under its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("brixo"));
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/brixo-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    // The menus drawn right as the table grows them.
    QApplication::setStyle(new TableStyle);

    // The windows are built in the player's language: the one chosen in
    // Options > Language, else the system's.
    {
        brixo::IniFile file;
        file.load(gamefolders::settingsFile(QString::fromLatin1(brixo::kSettingsFileName)).toStdString());
        language::apply(QString::fromStdString(brixo::readSettings(file, brixo::settingsSection(file)).language));
    }

    SingleInstance guard;
    if (!guard.claim()) return 0;

    // The table's own forms are read again once Qt has taken its options
    // (-platform, -style, ...) off the command line.
    std::vector<std::string> words;
    for (const QString& word : QApplication::arguments().mid(1)) words.push_back(word.toStdString());
    const std::vector<std::string_view> tableArgs(words.begin(), words.end());
    Tchat table(brixo::parseCommandLine(tableArgs, brixo::gamePort()).table);
    guard.setWindow(&table);
    table.show();
    return app.exec();
}
