// The table: the main window a player plays in. It takes part in one game
// at a time through a TableSession (the connection, the table's mirror of
// the game and, when it hosts, the game server), shows what the mirror
// knows (the seats, the options, whose turn it is, the scores, the board
// and the player's own rack) and hands the player's presses to it. The
// window keeps no game state of its own, reads none back from its widgets
// and speaks no protocol: the session's mirror does.
//
// Its parts are private; they are named as the game names them, and tests
// find them by those names.
#pragma once

#include "commandline.h"
#include "resources/qt/tilepictures.h"
#include "store/settings.h"
#include "table/chatrules.h"
#include "table/qt/scaledlayout.h"
#include "table/qt/tablesession.h"
#include "table/keptgame.h"
#include "table/keyfocus.h"
#include "table/tablescale.h"

#include <QColor>
#include <QHash>
#include <QMainWindow>
#include <QPoint>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TableAnnouncer;
class BlinkSign;
class BoardView;
class CardImage;
class QAction;
class Reconnector;
class QActionGroup;
class QDialog;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class QTimer;
class QUrl;
class QVariantAnimation;
class JournalKeptGames;
class RoundLinesView;
class SideWindowScale;
class SoundPlayer;
class TSock;
class TableAccessibility;
class Tabout;
class Tdownload;
class Tgamestart;
class Thelp;
class Tphrases;
class Tspylist;
class Ttallylist;
class PlayWithOthers;

class Tchat : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kDefaultWidth = 775;
    static constexpr int kDefaultHeight = 580;
    static inline const QColor kNoticeColour{0, 128, 0};

    // What the table does once it is on screen, as the command line said.
    explicit Tchat(brixo::TableLaunch launch = {}, QWidget* parent = nullptr);
    ~Tchat() override;

    // ---- start-up and the game played (tableconnection.cpp) ----
    // Starts what the launch asked for; runs once the window is shown.
    void processparams();
    // Hosts a game on this machine, or joins the one at an address, under
    // the player's name; a game the table was in is left first, and the
    // window stays.
    void hostpress();
    void joinpress();
    void hostGame(const QString& playerName);
    // `remember`: the address goes to the recent ones the window offers.
    void joinGame(const QString& playerName, const QString& address, bool remember = false);
    // Enters a room of the online lobby at `lobby` ("host" or "host:port"):
    // a new one, which this table hosts, or a friend's by its code.
    void enterRoom(const QString& playerName, const QString& lobby, const brixo::TableMirror::RoomRequest& room);
    // A solo game on this machine alone.
    void startSolo();
    // Leaves a network game (asking first while one is played) for a solo
    // table, and offers the ways to play with others.
    void leaveGame();
    void PlayWithOthers1Click();
    // Switches on the game server of a table that hosts; answers false
    // (with the reason) when it cannot listen. By default the session's own
    // server listens on the game port; tests may stand in a server of their
    // own.
    void setServerSwitch(TableSession::ServerSwitch serverSwitch) { m_serverSwitch = std::move(serverSwitch); }
    // Where a table about to host finds a game kept from before, to offer
    // resuming it; none: nothing is offered.
    void setKeptGames(std::shared_ptr<brixo::KeptGames> kept) { m_keptGames = std::move(kept); }
    // Queues one message as the connection would, and handles what is
    // queued.
    void receiveLine(const std::string& line);
    void processsocktimer();

    // ---- chat (chatlines.cpp) ----
    void addlinetochat(const QString& line, const QColor& colour);
    void sendit();
    void b_phrase1Click(int n);
    void PrhaseList1Click();
    void phrasesDone(const QStringList& phrases);
    void Copy1Click();
    void Paste1Click();
    void ClearMainChat1Click();
    void ScrollChatOff1Click(bool on);
    void TextColor1Click();
    void ActionColor1Click();
    // A "Text Size" item: the chat's font size in points.
    void N14Click(int size);
    void mainchatMouseMove(const QPoint& point);
    // True when the press was on a link (selected, and opened when safe).
    bool mainchatMouseDown(const QPoint& point);
    // Who opens a link a player clicked (the desktop's handler by default).
    void setLinkOpener(std::function<void(const QUrl&)> opener);
    // The phrase of button n (1..10).
    QString phrase(int n) const;
    static const QStringList& defaultPhrases();

    // ---- preferences and tile sets (tablesettings.cpp) ----
    void loadinifile();
    void saveinifile();
    const brixo::TableSettings& settings() const { return m_settings; }
    void PlaySounds1Click(bool on);
    void New1Click(bool newSound);
    void Fast1Click(int milliseconds);
    void Level1Click(brixo::BotLevel level);
    // Loads a tile set by name, or the built-in pictures for no name; false
    // (nothing changes) when its bitmap is missing or unusable.
    bool loadtile(const QString& name);
    void tilemenuClick(const QString& name);
    QString loadedTileSet() const { return m_loadedSet; }
    // The tiles' colour symbols and the high contrast look (tablelook.cpp); saved.
    void Symbols1Click(bool on);
    void HighContrast1Click(bool on);
    // Options > Language: a language code, or empty for the system's; saved,
    // and every window speaks it at once (tablelanguage.cpp).
    void Language1Click(const QString& code);

    // ---- what tests and other windows read ----
    const brixo::TableMirror& mirror() const { return m_session->mirror(); }
    QString playerName() const { return m_playerName; }
    QString hostAddress() const { return m_hostAddress; }
    CardImage* card(int slot) const { return m_cards.value(slot, nullptr); }
    const TilePictures& pictures() const { return m_pictures; }
    SoundPlayer* sounds() const { return m_sounds; }
    Tgamestart* gamestart() const { return m_gamestart; }
    Tspylist* spylist() const { return m_spylist; }
    Ttallylist* tallylist() const { return m_tally; }
    Tphrases* phrasesDialog() const { return m_phrases; }
    Thelp* help() const { return m_help; }
    Tabout* about() const { return m_about; }
    Tdownload* download() const { return m_download; }
    PlayWithOthers* playWithOthers() const { return m_playWithOthers; }
    const TableSession& session() const { return *m_session; }
    const Reconnector& reconnector() const { return *m_reconnector; }
    QString chatText() const;
    QString logText() const;
    int botSpeed() const { return m_settings.botspeed; }
    brixo::BotLevel botLevel() const { return m_settings.botlevel; }

    // ---- seats and the game menu (tableinput.cpp) ----
    void label_playername1ContextPopup(int seat);
    void kicking(int target);
    void RemoveFromGame1Click();
    void SettoJustWatch1Click();
    void UnsetJustWatch1Click();
    void JustWatch1Click();
    void Hint1Click();
    // Show Me: the hint's play made on the board at a person's pace, each
    // tile seen on its way (tableshowme.cpp); pressed again, it stops.
    void ShowMe1Click();
    void StartGame1Click();

    // ---- playing with the mouse (tableinput.cpp, tabledrag.cpp) ----
    // A press on the board at paint-box pixel (x, y).
    void boardMouseDown(Qt::MouseButton button, int x, int y);
    void boardMouseMove(int x, int y);
    // A press on a tile of the rack; Shift or Ctrl choose how a selected
    // tile completes itself once placed.
    void cardimagesMouseDown(CardImage* card, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // Dragging: a tile picked up by a press follows the pointer while the
    // button is held and is dropped where it comes up, by the rules of a
    // click there; a drop the rules refuse puts it back.
    void carryTo(const QPoint& global);
    void dropAt(const QPoint& global);
    void putBackHeldTile();

    // ---- the turn's buttons, the clock, sorting and the window ----
    void button_clearClick();
    void button_finishClick();
    void button_drawClick();
    void button_yesClick();
    void button_editClick();
    void image_edit2Click();
    void button_pauseClick();
    void turntimeTimer();
    // Both sort buttons: at most one is down; the rack sorts by the choice.
    void button_bysuitClick();
    void sortthem();
    // The stored sort choice: "2" while sorting by suits, else "1"; and
    // putting the buttons in the state a stored choice names.
    QString sortby() const;
    void applySortby(const QString& value);
    void FormResize();
    void ResetScreenLocation1Click();
    // A size choice in percent, 0 to fit the window; saved (tablesize.cpp).
    void TableSize1Click(int percent);

signals:
    // A preference the settings file keeps was changed by the player.
    void settingsChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The order the rack is sorted in; both sort buttons up sorts by code.
    enum class SortChoice { ByNumber, BySuit, Neither };

    // window building (chatform.cpp)
    void buildBoardPanel();
    void buildSeats();
    void buildInfo();
    void buildTurnControls();
    void buildSortButtons(QWidget* parent, int left);
    void buildOverlays();
    void buildChat();
    void buildPhraseButtons(QWidget* parent, const QRect& row);
    void buildMenus();
    void buildTurnMenu();
    void buildChatMenus();
    void applyStyle();
    void showLog(bool on);
    void showDialog(QDialog* dialog);

    // the game played (tableconnection.cpp)
    // Leaves the game the table is in, if any, for a new session.
    void makeSession(TableSession::Role role, const QString& address, quint16 port = 0,
                     const brixo::TableMirror::RoomRequest& room = {});
    // And takes part in that game: hosting it, joining it at the address,
    // or entering a room of the lobby at the address.
    void beginSession(TableSession::Role role, const QString& address,
                      const brixo::TableMirror::RoomRequest& room = {});
    // The lobby knew no room of the code asked for: back to a solo table,
    // and to the Online page to try another.
    void noSuchRoom(const std::string& code);
    // Hands the mirror a request; the session sends what it answers.
    template <class Request>
    void request(Request&& request)
    {
        // While the host is away nothing would reach it.
        if (hostAway()) return;
        m_session->request(std::forward<Request>(request));
    }
    // The table waits for a vanished host to come back.
    bool hostAway() const;
    // The choices the session's rules read: the sort order, the turn sound.
    void applyPreferences();
    // Whether the game this table is in may be left: asks while one is played.
    bool mayLeaveGame();
    // Whether the program may end: asks while a game this table plays in,
    // or hosts, is played.
    bool mayQuit();
    void rememberName();
    // The window shows where others reach the game this table hosts.
    void showHosting();
    // The window's title: the game the table is in, in the player's language.
    void showTitle();
    void hostUnreachable(const QString& address);
    void connectionLost();
    // The host vanished: the table tries to reach it again for a while.
    void hostGone();
    void hostBack();
    void stopReconnecting();
    void gameIsFull();
    void removedFromGame();
    void offerWayBack(const QString& why);
    // A game kept from before: resume it, or discard it once confirmed;
    // either way the table then hosts.
    void offerResume(const brixo::KeptGame& kept);
    void confirmDiscard(const brixo::KeptGame& kept);
    void offerStartChoice();
    void placeBeside(QWidget* window);

    // showing the mirror (tableview.cpp)
    // Plays and says what the mirror asks for, then shows its state.
    void apply(const brixo::TableUpdate& update);
    void render();
    void fitButtonWords();
    void renderSeats();
    void renderInfo();
    void renderTurn();
    void renderLog();
    void renderRack();
    void renderHand();
    void renderPenalty();
    void renderRound();

    // the table's size (tablesize.cpp)
    void applyTableSize();
    void placeBoardPanel();
    // The room the table may take at a fixed size: the screen's work area
    // less the window's frame and menu bar (grown by the factor).
    QSize roomOnScreen(double factor) const;
    double fittingFactor() const;
    int menuBarHeightAt(double factor) const;

    // input (tableinput.cpp, tabledrag.cpp)
    void setSortChoice(SortChoice choice);
    void beginCarry(const QPoint& global);
    void takeKeyboard();
    // The rack tile drawn in front at a point, if any.
    CardImage* cardAt(const QPoint& global) const;
    void showDragImageAt(const QPoint& inPanel);

    // the keyboard's focus and presses (tablekeys.cpp)
    void buildKeys();
    void giveMenusMnemonics();
    static QString keyFocusStyle();
    // Keys and focus changes of the rack, the board, the seats and the
    // table itself; true when the key was the table's.
    bool tableKeyEvent(QObject* watched, QEvent* event);
    bool tableKeyPress(QKeyEvent* key, bool onRack, bool onBoard, bool onSeats);
    bool seatKeyPress(int key, Qt::KeyboardModifiers modifiers);
    void keyPressRackTile(brixo::placerules::Completion completion);
    void keyPressBoard(brixo::Press press);
    void showHeldAtKeyFocus();
    // Frames the rack tile, board cell or seat the keyboard stands on.
    void showKeyFocus();

    // Show Me's pace and the tile on its way (tableshowme.cpp)
    void buildShowMe();
    void showmetimerTimer();
    void flyShowMeTile(const brixo::ShowMeStep& step);
    void showMeLanded();
    void renderShowMe();

    // chat (chatlines.cpp)
    void setPhrase(int n, const QString& text);
    void showTextSize();
    void showTextColour();
    int chatCharacterAt(const QPoint& point) const;
    std::optional<QString> chatLinkAt(const QPoint& point, int* start = nullptr) const;

    // preferences (tablesettings.cpp)
    QRect bounds() const;
    void placeWindow(const QRect& wanted);
    // Where the window opens at the first start, and after Reset Screen Location.
    void placeFirst();
    void saveBoundsOnClose();
    void savePhrasesToFile();
    std::array<std::string, brixo::kPhraseCount> phrasesForFile() const;
    void collectSettings();
    void applySettings();
    void showSoundChoice();
    void createtilemenu();
    void showLoadedSet();
    void redrawTiles();
    // the tiles' look (tablelook.cpp)
    void buildLookMenu(QMenu* view);
    // the language (tablelanguage.cpp)
    void buildLanguageMenu(QMenu* options);
    // Says every caption again and rebuilds what is shown from the game.
    void retranslate();
    void applyLook();

    brixo::TableLaunch m_launch;
    TableSession::ServerSwitch m_serverSwitch;
    std::shared_ptr<brixo::KeptGames> m_keptGames;
    // The journal of this table's own hosted games: the kept game offered,
    // unless something else was set in its place.
    std::shared_ptr<JournalKeptGames> m_journal;
    TableSession* m_session = nullptr;
    // The seat key of each game this window took part in from afar, by
    // TableSession::game(): joining the same game again sends it, and the
    // seat held there comes back.
    QHash<QString, std::string> m_seatKeys;
    // Tries to reach a vanished host again; its countdown replaces the
    // status line while it runs.
    Reconnector* m_reconnector = nullptr;
    TSock* m_sock11 = nullptr;
    bool m_closing = false;
    bool m_shownOnce = false;
    QString m_playerName;
    // The address the table went to, as the title names it.
    QString m_titleAddress;
    QString m_hostAddress;
    int m_popupSeat = 0; // popup_kick's tag

    // Where the keyboard stands; the seat it stands on in the seat panel.
    brixo::KeyFocus m_keys;
    int m_keySeat = 1;

    // A press that picked a tile up, while its button is held.
    struct Carry {
        bool pressed = false;
        bool moved = false;
        QPoint start;
    };
    Carry m_carry;

    // Preferences: the menus, buttons and dialogs show them.
    SortChoice m_sortChoice = SortChoice::ByNumber;
    brixo::TableSettings m_settings;
    std::string m_settingsSection = brixo::kSettingsSection;
    QRect m_savedBounds; // the window's place when last read or written
    QStringList m_buttonPhrases = defaultPhrases();
    std::function<void(const QUrl&)> m_linkOpener;
    QActionGroup* m_tileSetGroup = nullptr;
    QString m_loadedSet;

    // What the window last drew, so it only touches what changed.
    QHash<int, CardImage*> m_cards; // by rack slot
    std::vector<int> m_stackedSlots;
    int m_clockStartsShown = 0;
    int m_logShownGeneration = -1;
    int m_logShownLines = 0;

    ScaledLayout m_layout;
    brixo::TableScale m_scale;
    QString m_baseStyle;
    SideWindowScale* m_sideScale = nullptr;
    int m_menuBarHeight = 0; // at 100 %

    TilePictures m_pictures;
    SoundPlayer* m_sounds;
    TableAccessibility* m_access = nullptr;
    TableAnnouncer* m_announcer = nullptr;
    Tabout* m_about;
    Tgamestart* m_gamestart;
    Thelp* m_help;
    Tphrases* m_phrases;
    Tspylist* m_spylist;
    Ttallylist* m_tally;
    Tdownload* m_download;
    PlayWithOthers* m_playWithOthers;

    // The parts, named as the game names them.
    QFrame* panel_board = nullptr;
    QLabel* boardimage;
    BoardView* board;
    QFrame* panel_cards;
    QLabel* rack_wood;
    QLabel* draggingimage;
    std::array<QLabel*, 5> label_playername{};
    std::array<QLabel*, 5> label_score{};
    std::array<QLabel*, 5> label_bonus{};
    std::array<QLabel*, 5> label_cards{};
    std::array<QLabel*, 5> image_eyes{};
    std::array<QLabel*, 5> image_sitout{}; // seats 3 and 4 only
    std::array<QLabel*, 5> image_partner{}; // this player's partner in a team game
    QLabel* image_Turn;
    QLabel* label_status;
    QLabel* label_played;
    QFrame* panel_log;
    QPlainTextEdit* memo_log;
    QLabel* label_playtoscore;
    QLabel* label_timeperturn;
    QLabel* label_tp;
    QLabel* label_Tg;
    QLabel* image_Tg;
    QLabel* label_tilesleft;
    // The online room's code, for friends to read off, and its Copy.
    QLabel* label_room;
    QPushButton* button_copyroom;
    QLabel* label_timer;
    QFrame* image_timer;
    QFrame* panel_winner;
    QLabel* label_winner1;
    QLabel* label_winner2;
    QLabel* label_sitout;
    QPushButton* button_draw;
    QPushButton* button_clear;
    QPushButton* button_finish;
    QFrame* panel_penalty;
    QLabel* penalty_set; // names the first set that is not valid
    QFrame* panel_round;  // each seat's points and the tiles it held at a round's end
    RoundLinesView* round_lines;
    QPushButton* button_sound;
    QFrame* panel_laydown;
    QPushButton* button_pause;
    QPushButton* button_bynumber;
    QPushButton* button_bysuit;
    QLabel* image_pause;
    QLabel* image_cover;
    BlinkSign* animated_incomplete;
    QPushButton* button_start;
    QPushButton* button_stopreconnect; // ends the trying to reach a vanished host
    QTextEdit* mainchat;
    QLineEdit* mychat;
    std::array<QPushButton*, brixo::kPhraseCount + 1> b_phrase{}; // [1] .. [10]
    QMenu* popup_kick;
    QAction* StartGame1;
    QAction* LeaveGame1;
    QAction* JustWatch1;
    QAction* GameLog1;
    QMenu* TableSize1;
    QAction* Symbols1;
    QAction* HighContrast1;
    QAction* PlaySounds1;
    QAction* TurnSound1;
    QAction* Classic1;
    QAction* New1;
    QAction* BotSpeed1;
    QAction* Slow1;
    QAction* Normal1;
    QAction* Fast1;
    QAction* NormalLevel1;
    QAction* ExpertLevel1;
    QAction* MasterLevel1;
    QAction* Hint1;
    QAction* ShowMe1;
    QAction* Draw1;
    QAction* Finish1;
    QAction* Clear1;
    QAction* Undo1;
    QAction* PutBack1;
    QAction* Pause1;
    QAction* RemoveFromGame1;
    QAction* SettoJustWatch1;
    QAction* UnsetJustWatch1;
    QMenu* TextSize1;
    QAction* TextColor1;
    QAction* ActionColor1;
    QAction* ScrollChatOff1; // in the Options menu
    QAction* ScrollChatOff2; // in the chat's own menu, kept equal
    QAction* ClearMainChat1;
    QAction* PrhaseList1;
    QAction* Copy1;
    QAction* Paste1;
    QMenu* TileSets1;
    QTimer* turntime;
    QTimer* showmetimer = nullptr;
    QVariantAnimation* m_showMeFlight = nullptr;
};
