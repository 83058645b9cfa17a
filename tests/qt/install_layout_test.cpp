// Where the program finds its shipped files and keeps its own when it is
// installed (<prefix>/bin/brixo with <prefix>/share/brixo) rather than run
// from a build folder or a portable copy.
#include "store/qt/gamefolders.h"
#include "resources/qt/tilesets.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(InstalledLayout, TileSetsBesideTheProgramComeFirstThenTheInstalledShareFolder)
{
    QTemporaryDir root;
    const QString bin = root.path() + "/usr/bin";
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_EQ(tilesets::folderFor(bin), bin + "/brixotiles");  // none anywhere: nothing listed

    const QString shared = root.path() + "/usr/share/brixo/brixotiles";
    ASSERT_TRUE(QDir().mkpath(shared));
    EXPECT_EQ(gamefolders::installedFolder(bin), root.path() + "/usr/share/brixo");
    EXPECT_EQ(tilesets::folderFor(bin), shared);
    // A relative or untidy program path still finds the same folder.
    EXPECT_EQ(tilesets::folderFor(bin + "/./"), shared);

    ASSERT_TRUE(QDir().mkpath(bin + "/brixotiles"));
    EXPECT_EQ(tilesets::folderFor(bin), bin + "/brixotiles");
}

TEST(InstalledLayout, AnInstalledProgramKeepsItsFilesInTheUsersFoldersEvenWhenItsFolderIsWritable)
{
    QTemporaryDir root;
    const QString bin = root.path() + "/usr/bin";
    const QString user = root.path() + "/home/.config/brixo";
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_EQ(gamefolders::installedFolder(bin), QString());
    EXPECT_EQ(gamefolders::pickFolder(bin, user), bin);  // a build or a portable copy

    ASSERT_TRUE(QDir().mkpath(root.path() + "/usr/share/brixo"));
    EXPECT_EQ(gamefolders::pickFolder(bin, user), user);  // root running /usr/bin/brixo
    EXPECT_TRUE(QDir(user).exists());
}
