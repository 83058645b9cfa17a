// Brixo: started without parameters it plays a solo game against the
// computer; with a player name, a host address and "true" it hosts a
// multi-player game, with anything else as the third parameter it joins
// the host at that address. "brixo --server" runs the game server alone,
// without a window; "brixo --compress IN OUT" and "--decompress IN OUT"
// run the tally's compressor on whole files.
#include "server/qt/headlessserver.h"
#include "store/lzrw1command.h"
#include "table/chatform.h"
#include "table/singleinstance.h"

#include <QApplication>

#include <iostream>
#include <string_view>

int main(int argc, char** argv)
{
    if (argc > 1 && std::string_view(argv[1]) == "--server") return brixo::runHeadlessServer(argc, argv);
    if (brixo::isLzrw1Command(argc, argv)) return brixo::runLzrw1Command(argc, argv, std::cerr);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brixo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Brixo"));

    SingleInstance guard;
    if (!guard.claim()) return 0;

    QStringList params = QApplication::arguments();
    params.removeFirst();
    Tchat table(params);
    guard.setWindow(&table);
    table.show();
    return app.exec();
}
