// The start window's choice, and the help and about windows.
#include "tests/qt/waitfor.h"

#include "dialogs/aboutform.h"
#include "dialogs/downloadform.h"
#include "dialogs/helpform.h"
#include "net/catalogue.h"
#include "table/qt/chatform.h"
#include "tests/qt/tablefeed.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

// The start window offers solo play and play with others, and the lobby
// program only when it is installed; nothing is downloaded or installed.
TEST(StartChoice, SoloByDefaultOthersOnRequestAndTheLobbyOnlyWhenInstalled)
{
    Tdownload dialog;
    int starts = 0;
    dialog.setStarter([&](const QString&, const QStringList&) { return ++starts, true; });
    bool others = false, exited = false;
    QObject::connect(&dialog, &Tdownload::playWithOthers, [&] { others = true; });
    QObject::connect(&dialog, &Tdownload::exitRequested, [&] { exited = true; });
    dialog.show();
    auto* solo = dialog.findChild<QPushButton*>("button_solo");
    EXPECT_TRUE(solo->isDefault());
    EXPECT_TRUE(dialog.findChild<QWidget*>("panel_lobby")->isHidden());
    for (const QPushButton* b : dialog.findChildren<QPushButton*>()) EXPECT_FALSE(b->text().contains("Download")) << b->text().toStdString();
    dialog.lobbyClick(); // not installed: nothing starts
    EXPECT_EQ(starts, 0);

    dialog.findChild<QPushButton*>("button_others")->click();
    EXPECT_TRUE(others);
    EXPECT_FALSE(dialog.isVisible());

    QTemporaryDir folder;
    const QString lobby = folder.path() + "/quorvinlobby";
    QFile file(lobby);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    dialog.setLobbyProgram(lobby);
    EXPECT_FALSE(dialog.findChild<QWidget*>("panel_lobby")->isHidden());
    dialog.lobbyClick();
    EXPECT_EQ(starts, 1);
    EXPECT_TRUE(exited);
}

TEST(HelpAndAbout, F1OpensTheManualAndAboutShowsTheVersionALoginSends)
{
    Tchat table;
    EXPECT_EQ(part<QAction>(table, "Content1")->shortcut(), QKeySequence(Qt::Key_F1));
    part<QAction>(table, "Content1")->trigger();
    Thelp* help = table.help();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->page(), 1);
    EXPECT_EQ(help->label_caption->text(), "Overview");
    for (int tag = 1; tag <= Thelp::kPages; ++tag) EXPECT_GT(help->memo[tag]->toPlainText().size(), 200) << tag;
    // The scoring page speaks of the same settlement the server makes.
    EXPECT_TRUE(help->memo[4]->toPlainText().contains("gains the sum"));
    help->pages[4]->click();
    EXPECT_EQ(help->label_caption->text(), "Scoring");
    help->button_about->click();
    EXPECT_TRUE(table.about()->isVisible());
    EXPECT_EQ(table.about()->version->text().toStdString(), brixo::msg::kVersion);
    EXPECT_TRUE(table.about()->label_link->text().contains("https://"));
}

// The manual comes in the language the player chose, page by page, and in
// English for a language it has not been translated into; a language picked
// while the program runs shows at the next opening.
TEST(HelpAndAbout, TheManualFollowsThePlayersLanguage)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English));
    Thelp help;
    std::array<QString, Thelp::kPages + 1> english;
    for (int tag = 1; tag <= Thelp::kPages; ++tag) english[tag] = help.memo[tag]->toPlainText();

    for (const auto& [language, word] : {std::pair{QLocale::German, "Joker"}, std::pair{QLocale::French, "joker"},
                                         std::pair{QLocale::Spanish, "comodín"}, std::pair{QLocale::Dutch, "joker"}}) {
        QLocale::setDefault(QLocale(language));
        help.show();
        for (int tag = 1; tag <= Thelp::kPages; ++tag)
            EXPECT_NE(help.memo[tag]->toPlainText(), english[tag]) << QLocale::languageToCode(language).toStdString() << tag;
        EXPECT_TRUE(help.memo[3]->toPlainText().contains(QString::fromUtf8(word)));
        help.hide();
    }

    QLocale::setDefault(QLocale(QLocale::Swahili));
    help.show();
    for (int tag = 1; tag <= Thelp::kPages; ++tag) EXPECT_EQ(help.memo[tag]->toPlainText(), english[tag]) << tag;
    QLocale::setDefault(before);
}
