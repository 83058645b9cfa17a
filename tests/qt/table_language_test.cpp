// The table in the player's language: Options > Language switches every
// caption of the window, its menus and its dialogs at once, and back.
#include "tests/qt/fileshere.h"
#include "tests/qt/tablefeed.h"
#include "tests/qt/waitfor.h"

#include "dialogs/gamestartform.h"
#include "net/catalogue.h"
#include "store/inifile.h"
#include "table/qt/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using namespace brixo;

namespace {


// One caption a player reads, where it is, and what it said in English.
struct Caption {
    QPointer<QObject> owner; // rebuilt parts (the rack's tiles) may go
    QString where;
    std::function<QString()> now;
    QString english;
};

void addCaption(std::vector<Caption>& out, QObject* owner, const QString& where, std::function<QString()> now)
{
    const QString english = now();
    if (!english.isEmpty()) out.push_back({owner, where, std::move(now), english});
}

// Every text of the window's visible widgets: labels, buttons, the chat
// line's prompt, their tooltips, and the window's title.
void collectWidgets(QWidget* window, std::vector<Caption>& out)
{
    addCaption(out, window, window->objectName() + ".windowTitle", [window] { return window->windowTitle(); });
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window) continue;
        const QString name =
            w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
        if (auto* label = qobject_cast<QLabel*>(w)) addCaption(out, w, name, [label] { return label->text(); });
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            addCaption(out, w, name, [button] { return button->text(); });
        if (auto* line = qobject_cast<QLineEdit*>(w)) addCaption(out, w, name, [line] { return line->text(); });
        addCaption(out, w, name + ".toolTip", [w] { return w->toolTip(); });
    }
}

// The menu bar's menus and every item under them, submenus included. The
// tile sets are named by their files, the sizes and text sizes by numbers,
// and each language by itself: those are left out.
void collectMenu(QMenu* menu, std::vector<Caption>& out)
{
    addCaption(out, menu, menu->menuAction()->objectName() + ".title", [menu] { return menu->title(); });
    if (menu->objectName() == QLatin1String("TileSets1")) return;
    for (QAction* item : menu->actions()) {
        if (item->isSeparator()) continue;
        if (item->menu()) {
            collectMenu(item->menu(), out);
            continue;
        }
        const bool ownName = item->objectName().startsWith(QLatin1String("Language_")) &&
                             item->objectName() != QLatin1String("Language_system");
        if (!ownName) addCaption(out, item, item->objectName(), [item] { return item->text(); });
    }
}

std::vector<Caption> captionsOf(Tchat& table, QWidget* dialog)
{
    std::vector<Caption> out;
    collectWidgets(&table, out);
    for (QAction* top : table.menuBar()->actions())
        if (top->menu()) collectMenu(top->menu(), out);
    collectWidgets(dialog, out);
    return out;
}

// A caption as read: the menus' Alt letters ("&") are no part of its words
// and move when the words change.
QString wordsOf(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove('&').replace('\x01', '&');
}

// A text that is the same in every language: numbers, scores, clocks, the
// players' names and the game's own name; and the German words that are
// spelled as the English ones.
bool sameInEveryLanguage(const QString& text)
{
    static const QRegularExpression figures(QStringLiteral("^[-+0-9%:. ]*$"));
    static const QSet<QString> names{QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Klot"), QStringLiteral("Klock"),
                                     QStringLiteral("Kling"), QStringLiteral("Brixo")};
    static const QSet<QString> germanAsEnglish{QStringLiteral("Pause"), QStringLiteral("Normal"), QStringLiteral("Log")};
    return figures.match(text).hasMatch() || names.contains(text) || germanAsEnglish.contains(text);
}

QAction* languageItem(const Tchat& table, const char* code)
{
    return part<QAction>(table, std::string("Language_") + code);
}

} // namespace

TEST(TableLanguage, GermanLeavesNoEnglishCaptionInTheWindowItsMenusOrTheStartDialogAndEnglishComesBack)
{
    FilesHere files;
    TableFeed t;
    // A table that starts no game of its own when shown.
    t.table = std::make_unique<Tchat>(launchOf({"Ann"}));
    t.login(1, "Ann");
    t.feed(msg::newplayerinfo(2, "Bob"));
    t.feed(msg::startgame({"Ann", 300, 65, "t", "f", 14}));
    t.feed(msg::startround({12, 4, 0, 0}));
    t.feed(msg::yourtiles(1, {{1, 7}, {2, 33}, {3, 53}}));
    t.feed(msg::nextplayer({1, 77, {{1, 12, 3}, {2, 4, 14}}}));
    Tchat& table = *t.table;
    table.show();
    Tgamestart* start = table.gamestart();
    start->show();
    ASSERT_TRUE(waitFor([&] { return table.isVisible() && start->isVisible(); }));
    ASSERT_EQ(table.mirror().statusLine(), "Your Turn.");

    const std::vector<Caption> captions = captionsOf(table, start);
    // The walk reaches what a player sees: the turn's buttons, the seats'
    // headings, the menus and the dialog's options.
    ASSERT_GT(captions.size(), 90u);

    languageItem(table, "de")->trigger();
    ASSERT_TRUE(waitFor([&] { return part<QAbstractButton>(table, "button_draw")->text() != "Draw"; }));
    ASSERT_TRUE(waitForQueued());
    EXPECT_EQ(language::spoken(), "de");
    for (const Caption& c : captions) {
        if (!c.owner) continue;
        const QString german = wordsOf(c.now());
        EXPECT_FALSE(german.isEmpty()) << c.where.toStdString();
        if (!sameInEveryLanguage(wordsOf(c.english))) {
            EXPECT_NE(german, wordsOf(c.english)) << c.where.toStdString() << " is still English";
        }
    }
    // Qt's own words speak it too, and the choice is kept.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    EXPECT_EQ(files.read().value("brixo", "Language", ""), "de");
    EXPECT_TRUE(languageItem(table, "de")->isChecked());

    languageItem(table, "en")->trigger();
    ASSERT_TRUE(waitFor([&] { return part<QAbstractButton>(table, "button_draw")->text() == "Draw"; }));
    ASSERT_TRUE(waitForQueued());
    for (const Caption& c : captions) {
        if (!c.owner) continue;
        EXPECT_EQ(wordsOf(c.now()), wordsOf(c.english)) << c.where.toStdString();
    }
    EXPECT_EQ(files.read().value("brixo", "Language", ""), "en");

    // The system's language again, for the tests that follow.
    languageItem(table, "system")->trigger();
    ASSERT_TRUE(waitForQueued());
}

// The language kept in the settings file is spoken once the table reads
// them, without a word from the player.
TEST(TableLanguage, TheKeptLanguageIsSpokenWhenTheSettingsAreRead)
{
    FilesHere files;
    files.write("[brixo]\nLanguage=de\n");
    TableFeed t;
    t.table = std::make_unique<Tchat>(launchOf({"Ann"}));
    t.login(1, "Ann");
    EXPECT_TRUE(waitFor([&] { return part<QAbstractButton>(*t.table, "button_draw")->text() == "Ziehen"; }));
    EXPECT_TRUE(languageItem(*t.table, "de")->isChecked());

    languageItem(*t.table, "system")->trigger();
    ASSERT_TRUE(waitFor([&] { return part<QAbstractButton>(*t.table, "button_draw")->text() == "Draw"; }));
}
