// The table's preferences in its settings file, the tile sets, and the
// chat's display: links, the reader's place and the phrase buttons.
#include "tests/qt/fileshere.h"
#include "tests/qt/tablefeed.h"
#include "tests/qt/testports.h"

#include "dialogs/gamestartform.h"
#include "dialogs/phrasesform.h"
#include "dialogs/updown.h"
#include "net/catalogue.h"
#include "store/inifile.h"
#include "store/qt/gamefolders.h"
#include "resources/qt/tilepictures.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QUrl>

#include <gtest/gtest.h>

#include <string_view>

#include <sys/stat.h>

using namespace brixo;

namespace {


} // namespace

TEST(TablePrefs, TheSettingsAreReadOnArrivalAndWrittenBackRawAtEveryChange)
{
    FilesHere files;
    files.write("[lobby]\r\nServer=x, y\r\n[brixo]\r\nTextsize=12\r\nTextcolor=clBlue\r\nPhrase2=Well, \"done\"\r\n"
                "Sortby=2\r\nPlaytoscore=300\r\nTimeperturn=180\r\nTilestostart=10\r\nBotspeed=500\r\nBotlevel=master\r\n"
                "Turnsound=1\r\nSymbols=0\r\nHighContrast=1\r\n"
                "Playsounds=false\r\n");
    TableFeed t;
    t.login(1);
    Tchat& table = *t.table;
    EXPECT_EQ(part<QTextEdit>(table, "mainchat")->font().pointSize(), 12);
    EXPECT_TRUE(table.findChild<QAction*>("N12")->isChecked());
    EXPECT_EQ(table.phrase(2), "Well, \"done\"");
    EXPECT_EQ(table.phrase(1), "Way To Go!");
    EXPECT_EQ(part<QPushButton>(table, "b_phrase2")->toolTip(), "Well, \"done\"");
    EXPECT_TRUE(part<QPushButton>(table, "button_bysuit")->isChecked());
    EXPECT_EQ(table.gamestart()->UpDown1->position(), 300);
    EXPECT_EQ(table.gamestart()->UpDown2->position(), 180);
    EXPECT_EQ(table.gamestart()->UpDown3->position(), 10);
    EXPECT_EQ(table.botSpeed(), 500);
    EXPECT_TRUE(part<QAction>(table, "Fast1")->isChecked());
    EXPECT_TRUE(part<QAction>(table, "MasterLevel1")->isChecked());
    EXPECT_EQ(table.botLevel(), BotLevel::Master);
    EXPECT_TRUE(part<QAction>(table, "New1")->isChecked());
    EXPECT_FALSE(part<QAction>(table, "PlaySounds1")->isChecked());
    EXPECT_FALSE(part<QAction>(table, "Symbols1")->isChecked());
    EXPECT_TRUE(part<QAction>(table, "HighContrast1")->isChecked());
    EXPECT_EQ(table.pictures().look(), TilePictures::Look({TilePictures::Style::HighContrast, false}));

    table.N14Click(14);
    table.PrhaseList1Click();
    table.phrasesDialog()->phrase[10]->setText("/me waves \"Bye\", all");
    table.phrasesDialog()->pressdone();
    part<QAction>(table, "Slow1")->trigger();
    part<QAction>(table, "NormalLevel1")->trigger();
    part<QAction>(table, "Symbols1")->trigger();
    part<QAction>(table, "HighContrast1")->trigger();
    EXPECT_EQ(table.pictures().look(), TilePictures::Look());
    const IniFile after = files.read();
    EXPECT_EQ(after.value("brixo", "Textsize"), "14");
    EXPECT_EQ(after.value("brixo", "Textcolor"), "clBlue");
    EXPECT_EQ(after.value("brixo", "Phrase10"), "/me waves \"Bye\", all");
    EXPECT_EQ(after.value("brixo", "Phrase2"), "Well, \"done\"");
    EXPECT_EQ(after.value("brixo", "Sortby"), "2");
    EXPECT_EQ(after.value("brixo", "Botspeed"), "2000");
    EXPECT_EQ(after.value("brixo", "Botlevel"), "normal");
    EXPECT_EQ(after.value("brixo", "Symbols"), "1");
    EXPECT_EQ(after.value("brixo", "HighContrast"), "0");
    EXPECT_EQ(after.value("lobby", "Server"), "x, y");
}

TEST(TablePrefs, TheFirstStartOpensLargeInTheMiddleAndLaterStartsWhereTheWindowWasLeft)
{
    FilesHere files;
    // The middle of the window with its frame: within the frame's own width.
    const auto opensLargeInTheMiddle = [](const QWidget& window) {
        const QRect work = window.screen()->availableGeometry();
        EXPECT_LE((window.frameGeometry().center() - work.center()).manhattanLength(), 4);
        EXPECT_GE(window.width(), int(work.width() * 0.8));
        EXPECT_GE(window.height(), int(work.height() * 0.8));
    };
    QRect left;
    {
        TableFeed t;
        t.table->show();
        opensLargeInTheMiddle(*t.table);
        EXPECT_TRUE(part<QAction>(*t.table, "TableSizeFit")->isChecked());
        t.table->setGeometry(10, 20, 780, 700);
        left = t.table->geometry();
        EXPECT_TRUE(t.table->close());
    }
    EXPECT_EQ(files.read().value("brixo", "Width"), "780");
    TableFeed t;
    t.table->show();
    EXPECT_EQ(t.table->geometry(), left);
    part<QAction>(*t.table, "ResetScreenLocation1")->trigger();
    opensLargeInTheMiddle(*t.table);
}

TEST(TablePrefs, TheOlderLobbysSectionMovesIntoTheTablesOwn)
{
    FilesHere files;
    files.write("[agame]\nTextsize=10\nPhrase1=Hi!\n");
    TableFeed t;
    t.login(2, "Cy");
    EXPECT_EQ(part<QTextEdit>(*t.table, "mainchat")->font().pointSize(), 10);
    const IniFile after = files.read();
    EXPECT_FALSE(after.hasSection("agame"));
    EXPECT_EQ(after.value("brixo", "Textsize"), "10");
    EXPECT_EQ(after.value("brixo", "Phrase1"), "Hi!");
    EXPECT_EQ(after.value("brixo", "Phrase9"), "Good Game Everyone!");
}

TEST(TablePrefs, ASettingsFileThatCannotBeReadIsSetAsideAndTheTableStartsOnDefaults)
{
    for (const char* kind : {"directory", "FIFO"}) {
        FilesHere files;
        const QString ini = QString::fromStdString(files.ini());
        if (kind == std::string_view("directory")) ASSERT_TRUE(QDir().mkdir(ini));
        else ASSERT_EQ(::mkfifo(files.ini().c_str(), 0600), 0);
        TableFeed t;
        t.login(1);
        EXPECT_TRUE(t.table->chatText().contains("is not a regular file")) << kind;
        EXPECT_TRUE(t.table->chatText().contains("quorvinlobby.ini.bad")) << kind;
        EXPECT_EQ(part<QTextEdit>(*t.table, "mainchat")->font().pointSize(), 8) << kind;
        // The next change writes a fresh file in its place.
        t.table->N14Click(14);
        EXPECT_EQ(files.read().value("brixo", "Textsize"), "14") << kind;
    }
}

TEST(TablePrefs, AnUnwritableProgramFolderSendsTheFilesToTheUsersFolder)
{
    QTemporaryDir user;
    EXPECT_EQ(gamefolders::pickFolder(user.path(), "/nowhere"), user.path());
    const QString fallback = user.path() + "/config/brixo";
    EXPECT_EQ(gamefolders::pickFolder("/proc/no/such/folder", fallback), fallback);
    EXPECT_TRUE(QDir(fallback).exists());
}

TEST(TileSets, ASetIsCutFromItsBitmapWithWhiteTransparent)
{
    QImage set(2200, 90, QImage::Format_RGB32);
    set.fill(Qt::white);
    set.setPixel(5 * 20 + 10, 15, qRgb(200, 0, 0));
    for (int x = 7 * 40; x < 8 * 40; ++x)
        for (int y = 31; y < 90; ++y) set.setPixel(x, y, qRgb(0, 0, 180));
    TilePictures pictures;
    ASSERT_TRUE(pictures.loadSet(set));
    const QImage small5 = pictures.small(5).toImage();
    EXPECT_EQ(small5.size(), QSize(20, 30));
    EXPECT_EQ(QColor(small5.pixel(10, 15)), QColor(200, 0, 0));
    EXPECT_EQ(qAlpha(small5.pixel(0, 0)), 0); // white: transparent
    const QImage big7 = pictures.big(7).toImage();
    EXPECT_EQ(big7.size(), QSize(40, 60)); // 59 rows stretched to 60
    EXPECT_EQ(QColor(big7.pixel(20, 59)), QColor(0, 0, 180));

    // A bitmap too small for a set changes nothing.
    EXPECT_FALSE(pictures.loadSet(QImage(1000, 90, QImage::Format_RGB32)));
    EXPECT_EQ(pictures.small(5).toImage(), small5);
}

TEST(TileSets, AMissingSetChangesNoPictureButItsNameIsKept)
{
    FilesHere files;
    TableFeed t;
    t.login(1);
    const QImage before = t.table->pictures().big(3).toImage();
    EXPECT_FALSE(t.table->loadtile("NoSuchSet"));
    t.table->tilemenuClick("NoSuchSet");
    EXPECT_EQ(t.table->pictures().big(3).toImage(), before);
    EXPECT_TRUE(t.table->loadedTileSet().isEmpty());
    EXPECT_EQ(files.read().value("brixo", "Tiles"), "NoSuchSet");
}

TEST(TileSets, StandardBringsBackTheBuiltInPictures)
{
    FilesHere files;
    TableFeed t;
    t.login(1);
    const QImage builtIn = t.table->pictures().big(3).toImage();
    QAction* standard = part<QAction>(*t.table, "StandardTiles1");
    EXPECT_TRUE(standard->isChecked());
    t.table->tilemenuClick("Contrast"); // the set shipped beside the program
    ASSERT_EQ(t.table->loadedTileSet(), "Contrast");
    EXPECT_NE(t.table->pictures().big(3).toImage(), builtIn);
    EXPECT_FALSE(standard->isChecked());
    standard->trigger();
    EXPECT_EQ(t.table->pictures().big(3).toImage(), builtIn);
    EXPECT_TRUE(t.table->loadedTileSet().isEmpty());
    EXPECT_TRUE(standard->isChecked());
    EXPECT_EQ(files.read().value("brixo", "Tiles"), "");
}

TEST(TableChat, LinksOpenOnlyForTheWebAndMailAndTheReaderKeepsHisPlace)
{
    // Shown, so the chat's text is laid out; connected to nothing.
    qputenv("BRIXO_PORT", QByteArray::number(freePort()));
    TableFeed t;
    t.table->setServerSwitch([](QString*) { return true; });
    t.table->show();
    QList<QUrl> opened;
    t.table->setLinkOpener([&](const QUrl& url) { opened << url; });
    QTextEdit* chat = part<QTextEdit>(*t.table, "mainchat");
    t.table->addlinetochat("Bob chats: see www.example.com. now", Qt::black);
    t.table->addlinetochat("Eve chats: file://etc/passwd", Qt::black);
    const auto pressOn = [&](const QString& word) {
        QTextCursor at(chat->document());
        at.setPosition(chat->toPlainText().indexOf(word) + 2);
        QTest::mouseClick(chat->viewport(), Qt::LeftButton, {}, chat->cursorRect(at).center());
    };
    pressOn("www.example");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl("http://www.example.com"));
    EXPECT_EQ(chat->textCursor().selectedText(), "www.example.com");
    pressOn("file://");
    EXPECT_EQ(opened.size(), 1);
    pressOn("now");
    EXPECT_EQ(opened.size(), 1);

    for (int i = 0; i < 60; ++i) t.table->addlinetochat(QString("line %1").arg(i), Qt::black);
    QScrollBar* bar = chat->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 10);
    EXPECT_EQ(bar->value(), bar->maximum());
    part<QAction>(*t.table, "ScrollChatOff1")->trigger();
    EXPECT_TRUE(part<QAction>(*t.table, "ScrollChatOff2")->isChecked());
    bar->setValue(10);
    t.table->addlinetochat("a new line", Qt::black);
    EXPECT_EQ(bar->value(), 10);
    // Another text size keeps the newest line in view.
    part<QAction>(*t.table, "ScrollChatOff1")->trigger();
    bar->setValue(bar->maximum());
    for (const int size : {14, 8}) {
        t.table->N14Click(size);
        EXPECT_EQ(bar->value(), bar->maximum()) << size;
    }
    qunsetenv("BRIXO_PORT");
}
