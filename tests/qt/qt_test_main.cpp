// Runs the Qt-based tests inside one application object. Windows are drawn
// offscreen unless a platform is named in QT_QPA_PLATFORM, the game's
// files go to a temporary folder, and whatever announces a game, in this
// process or a program it starts, sends only to this machine, on a port
// of its own.
#include "tests/qt/testports.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("BRIXO_NO_GUARD", "1");
    // Settings and tally files of the tests go to a folder of their own,
    // never beside the program.
    QTemporaryDir files;
    qputenv("BRIXO_FILES_DIR", files.path().toLocal8Bit());
    QApplication app(argc, argv);
    qputenv("BRIXO_ANNOUNCE_TO", "127.0.0.1");
    qputenv("BRIXO_DISCOVERY_PORT", QByteArray::number(freeUdpPort()));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
