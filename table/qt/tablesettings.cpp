// The table's preferences: read from the settings file once connected,
// shown in the menus, buttons and dialogs, and written back whenever one
// changes; the tile sets; the window's place and size.
#include "table/qt/chatform.h"

#include "dialogs/downloadform.h"
#include "dialogs/gamestartform.h"
#include "store/qt/gamefolders.h"
#include "store/regularfile.h"
#include "table/qt/boardview.h"
#include "table/qt/cardimage.h"
#include "table/qt/language.h"
#include "table/windowplace.h"
#include "table/qt/soundplayer.h"
#include "resources/qt/tilesets.h"

#include <QAction>
#include <QPushButton>
#include <QActionGroup>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>

namespace {

std::string settingsPath()
{
    return gamefolders::settingsFile(QString::fromLatin1(brixo::kSettingsFileName)).toStdString();
}

brixo::Place placeOf(const QRect& r)
{
    return {r.x(), r.y(), r.width(), r.height()};
}

} // namespace

// ---- the file ----------------------------------------------------------------------

QRect Tchat::bounds() const
{
    return QRect(pos(), size());
}

void Tchat::loadinifile()
{
    brixo::IniFile file;
    std::string failure;
    if (!file.load(settingsPath(), &failure) && !failure.empty()) {
        // Kept for the player to look at, as a damaged tally is; the table
        // goes on with its defaults and writes a fresh file.
        const std::filesystem::path kept = brixo::setFileAside(settingsPath());
        const QString where = kept.empty() ? tr("It is left where it is and not written over.")
                                           : tr("It was kept as %1.").arg(QString::fromStdString(kept.string()));
        addlinetochat(tr("%1 The settings start on their defaults. %2").arg(QString::fromStdString(failure), where),
                      kNoticeColour);
    }
    m_settingsSection = brixo::settingsSection(file);
    m_settings = brixo::readSettings(file, m_settingsSection);
    // The window stands where it was left; at the first start (nothing
    // kept, and not yet placed) it opens large in the middle of the screen.
    if (m_settings.window) placeWindow(QRect(m_settings.window->x, m_settings.window->y, m_settings.window->width,
                                             m_settings.window->height));
    else if (m_savedBounds.isNull()) placeFirst();
    applySettings();
    if (!m_settings.tiles.empty()) loadtile(QString::fromStdString(m_settings.tiles));
    if (m_settingsSection == brixo::kOldSettingsSection) {
        // The older lobby's section moves into the table's own.
        m_settingsSection = brixo::kSettingsSection;
        collectSettings();
        brixo::moveOldSettings(file, m_settings, phrasesForFile());
        file.save(settingsPath());
    }
    m_savedBounds = bounds();
}

void Tchat::saveinifile()
{
    collectSettings();
    brixo::IniFile file;
    file.load(settingsPath());
    brixo::saveinifile(file, m_settingsSection, m_settings);
    file.save(settingsPath());
    m_savedBounds = bounds();
}

void Tchat::savePhrasesToFile()
{
    brixo::IniFile file;
    file.load(settingsPath());
    brixo::savePhrases(file, m_settingsSection, phrasesForFile());
    file.save(settingsPath());
}

std::array<std::string, brixo::kPhraseCount> Tchat::phrasesForFile() const
{
    std::array<std::string, brixo::kPhraseCount> phrases;
    for (int n = 1; n <= brixo::kPhraseCount; ++n) phrases[n - 1] = phrase(n).toStdString();
    return phrases;
}

// What the window and the dialogs show now, into the settings to write.
void Tchat::collectSettings()
{
    const QRect now = bounds();
    m_settings.window = brixo::Place{now.x(), now.y(), now.width(), now.height()};
    m_settings.sortBySuits = m_sortChoice == SortChoice::BySuit;
    const brixo::GameOptions game = m_gamestart->options();
    m_settings.playtoscore = game.playto;
    m_settings.timeperturn = game.turntime;
    m_settings.tilestostart = game.tilestostart;
    m_settings.timepenalty = game.timepenalty;
}

void Tchat::applySettings()
{
    const QString language = QString::fromStdString(m_settings.language);
    for (QAction* item : findChildren<QAction*>())
        if (item->objectName().startsWith(QStringLiteral("Language_")))
            item->setChecked(item->data().toString() == language);
    if (language::chosen() != language) language::apply(language);
    showTextSize();
    showTextColour();
    for (int n = 1; n <= brixo::kPhraseCount; ++n)
        if (!m_settings.phrases[n - 1].empty()) setPhrase(n, QString::fromStdString(m_settings.phrases[n - 1]));
    showSoundChoice();
    m_sounds->setEnabled(m_settings.playsounds);
    setSortChoice(m_settings.sortBySuits ? SortChoice::BySuit : SortChoice::ByNumber);
    brixo::GameOptions game = m_gamestart->options();
    game.playto = m_settings.playtoscore.value_or(game.playto);
    game.turntime = m_settings.timeperturn.value_or(game.turntime);
    game.tilestostart = m_settings.tilestostart.value_or(game.tilestostart);
    game.timepenalty = m_settings.timepenalty;
    m_gamestart->setOptions(game);
    (m_settings.newTurnSound ? New1 : Classic1)->setChecked(true);
    TurnSound1->setData(m_settings.newTurnSound ? 1 : 0);
    applyPreferences();
    for (QAction* speed : {Slow1, Normal1, Fast1}) speed->setChecked(speed->data().toInt() == m_settings.botspeed);
    BotSpeed1->setData(m_settings.botspeed);
    switch (m_settings.botlevel) {
    case brixo::BotLevel::Normal: NormalLevel1->setChecked(true); break;
    case brixo::BotLevel::Expert: ExpertLevel1->setChecked(true); break;
    case brixo::BotLevel::Master: MasterLevel1->setChecked(true); break;
    }
    m_download->setShowAtStart(m_settings.showStartChoice);
    applyLook();
    applyTableSize();
}

// ---- the window's place ----------------------------------------------------------------

void Tchat::placeWindow(const QRect& wanted)
{
    std::vector<brixo::Place> areas;
    for (const QScreen* screen : QGuiApplication::screens()) areas.push_back(placeOf(screen->availableGeometry()));
    const brixo::Place place = brixo::fitOnScreens(placeOf(wanted), areas);
    resize(place.width, place.height);
    move(place.x, place.y);
}

void Tchat::placeFirst()
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const brixo::Place place = brixo::firstPlace(placeOf(s->availableGeometry()), minimumWidth(), minimumHeight());
    resize(place.width, place.height);
    move(place.x, place.y);
}

// On closing, a window that was moved or resized is remembered, a little
// smaller when it has grown past the screen's work area.
void Tchat::saveBoundsOnClose()
{
    if (bounds() == m_savedBounds) return;
    if (const QScreen* s = screen()) {
        const QRect work = s->availableGeometry();
        if (width() > work.width()) resize(width() - 15, height());
        if (height() > work.height()) resize(width(), height() - 15);
    }
    saveinifile();
}

// ---- sounds and the computer players' speed and level ------------------------------------

void Tchat::PlaySounds1Click(bool on)
{
    m_settings.playsounds = on;
    m_sounds->setEnabled(on);
    showSoundChoice();
    saveinifile();
}

// The menu item and the button beside the clock both show the choice.
void Tchat::showSoundChoice()
{
    PlaySounds1->setChecked(m_settings.playsounds);
    button_sound->setChecked(m_settings.playsounds);
    button_sound->setToolTip(m_settings.playsounds ? tr("Sounds on: click to turn them off")
                                                   : tr("Sounds off: click to turn them on"));
}

void Tchat::New1Click(bool newSound)
{
    m_settings.newTurnSound = newSound;
    TurnSound1->setData(newSound ? 1 : 0);
    applyPreferences();
    saveinifile();
}

void Tchat::Fast1Click(int milliseconds)
{
    m_settings.botspeed = milliseconds;
    BotSpeed1->setData(milliseconds);
    saveinifile();
}

void Tchat::Level1Click(brixo::BotLevel level)
{
    m_settings.botlevel = level;
    saveinifile();
}

// ---- tile sets ---------------------------------------------------------------------------------

// "Standard" brings back the built-in pictures; each set of the folder
// follows. An item's data is the set's name, empty for the built-in one.
void Tchat::createtilemenu()
{
    m_tileSetGroup = new QActionGroup(this);
    const auto add = [this](const QString& caption, const QString& name) {
        QAction* item = TileSets1->addAction(caption);
        item->setCheckable(true);
        item->setData(name);
        item->setToolTip(caption);
        item->setStatusTip(caption);
        m_tileSetGroup->addAction(item);
        connect(item, &QAction::triggered, this, [this, name] { tilemenuClick(name); });
        return item;
    };
    add(QStringLiteral("Standard"), QString())->setObjectName(QStringLiteral("StandardTiles1"));
    const QStringList sets = tilesets::names();
    if (!sets.isEmpty()) TileSets1->addSeparator();
    for (const QString& name : sets) add(name, name);
    showLoadedSet();
}

// A missing or unusable bitmap changes nothing.
bool Tchat::loadtile(const QString& name)
{
    if (name.isEmpty()) {
        m_pictures.useBuiltIn();
        m_loadedSet.clear();
        showLoadedSet();
        redrawTiles();
        return true;
    }
    const QString file = tilesets::fileOf(name);
    if (!QFileInfo::exists(file) || !m_pictures.loadSet(QImage(file))) {
        showLoadedSet();
        return false;
    }
    m_loadedSet = name;
    showLoadedSet();
    redrawTiles();
    return true;
}

void Tchat::tilemenuClick(const QString& name)
{
    loadtile(name);
    // The choice is kept even when its bitmap is gone, as the menu said.
    m_settings.tiles = name.toStdString();
    saveinifile();
}

// Only the set whose pictures are shown is ticked.
void Tchat::showLoadedSet()
{
    for (QAction* item : m_tileSetGroup->actions()) item->setChecked(item->data().toString() == m_loadedSet);
}

void Tchat::redrawTiles()
{
    board->update();
    for (CardImage* card : std::as_const(m_cards)) card->setPixmap(m_pictures.big(card->tile()));
    draggingimage->setProperty("tag", -1);
    renderHand();
}
