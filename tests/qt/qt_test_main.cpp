// Runs the Qt-based tests inside one application object. Windows are drawn
// offscreen unless a platform is named in QT_QPA_PLATFORM, and the game's
// files go to a temporary folder.
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
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
