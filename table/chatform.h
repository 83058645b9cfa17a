// The table: the main window a player plays in. It connects to the game
// server (its own, when it hosts), logs in, and mirrors on screen what the
// server announces: the seats, the options, whose turn it is, the scores,
// the board and the player's own rack. It keeps no game rules of its own
// beyond showing whether the board holds only valid sets.
//
// Every message from the server is queued as it arrives and handled in
// arrival order, one at a time, as soon as the event loop is free.
#pragma once

#include "model/boardgrid.h"
#include "model/rack.h"
#include "table/rackpositions.h"
#include "table/tilepictures.h"
#include "table/turnclock.h"

#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <array>
#include <functional>
#include <string>
#include <string_view>

class BlinkSign;
class BoardView;
class CardImage;
class MessagePump;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTextEdit;
class QTimer;
class QtServerHost;
class SoundPlayer;
class TSock;
class Tgamestart;
class Tspylist;

class Tchat : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kDefaultWidth = 775;
    static constexpr int kDefaultHeight = 580;
    static constexpr int kSeatCount = 4;
    static constexpr int kBoardTileSlot = 100; // handSlot of a tile taken from the board
    static inline const QColor kNoticeColour{0, 128, 0};

    // The command line as given, program path excluded.
    explicit Tchat(QStringList params = {}, QWidget* parent = nullptr);
    ~Tchat() override;

    // ---- start-up and connection ----
    void processparams();
    void hostpress();
    void joinpress();
    // Switches on the game server in this process; answers false (with the
    // reason) when it cannot listen. By default the table's own server
    // listens on the game port; tests may stand in a server of their own.
    void setServerSwitch(std::function<bool(QString*)> serverSwitch) { m_serverSwitch = std::move(serverSwitch); }

    // Queues one message as the connection would and has it handled once
    // the event loop is free.
    void receiveLine(const std::string& line);
    // Handles everything queued now.
    void processsocktimer();

    // ---- chat ----
    void addlinetochat(const QString& line, const QColor& colour);
    void chatrecieved(const QString& text);
    void sendit();

    // ---- sounds ----
    void playsounds(const QString& name);
    SoundPlayer* sounds() const { return m_sounds; }

    // ---- what tests and other windows read ----
    int mySeat() const { return m_mySeat; }
    bool loggedIn() const { return m_loggedIn; }
    bool isHost() const { return m_host; }
    int turnSeat() const { return m_turnSeat; }
    int secondsLeft() const { return m_clock.secondsLeft(); }
    QString playerName() const { return m_playerName; }
    QString hostAddress() const { return m_hostAddress; }
    const brixo::BoardGrid& grid() const { return m_grid; }
    // 54 where a finished turn changed the cell, else 0.
    int markAt(int col, int row) const;
    const RackPositions& rackPositions() const { return m_rackPositions; }
    CardImage* card(int slot) const;
    const TilePictures& pictures() const { return m_pictures; }
    BoardView* boardView() const { return board; }
    Tgamestart* gamestart() const { return m_gamestart; }
    Tspylist* spylist() const { return m_spylist; }
    QString chatText() const;
    QString logText() const;
    int handSlot() const { return m_handSlot; }
    QString handCode() const { return m_handCode; }
    int handCol() const { return m_handCol; }
    int handRow() const { return m_handRow; }
    QString completionMode() const { return m_completionMode; }
    int botSpeed() const;
    bool connectionOpen() const;

    // ---- seat management and menus ----
    void label_playername1ContextPopup(int seat);
    void kicking(int target);
    void RemoveFromGame1Click();
    void SettoJustWatch1Click();
    void UnsetJustWatch1Click();
    void JustWatch1Click();
    void StartGame1Click();

    // ---- playing with the mouse (chatmouse.cpp) ----
    // A press on the board at paint-box pixel (x, y).
    void boardMouseDown(Qt::MouseButton button, int x, int y);
    void boardMouseMove(int x, int y);
    // A press on a tile of the rack; Shift or Ctrl choose how a selected
    // tile completes itself once placed.
    void cardimagesMouseDown(CardImage* card, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

    // ---- turn buttons, clock, sorting and the window (chatturn.cpp) ----
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

signals:
    // A preference the settings file keeps was changed by the player.
    void settingsChanged();

public:

    // The components, named as the window's parts are named.
    QFrame* panel_board = nullptr;
    QLabel* boardimage;
    BoardView* board;
    QScrollArea* panel_cards;
    QWidget* m_cardsArea;
    QLabel* draggingimage;
    std::array<QLabel*, 5> label_playername{};
    std::array<QLabel*, 5> label_score{};
    std::array<QLabel*, 5> label_bonus{};
    std::array<QLabel*, 5> label_cards{};
    std::array<QLabel*, 5> image_eyes{};
    std::array<QLabel*, 5> image_sitout{}; // seats 3 and 4 only
    QLabel* image_Turn;
    QLabel* label_status;
    QLabel* label_played;
    QPushButton* button_log;
    QFrame* panel_log;
    QPlainTextEdit* memo_log;
    QPushButton* button_x;
    QLabel* label_playtoscore;
    QLabel* label_timeperturn;
    QLabel* label_tp;
    QLabel* label_Tg;
    QLabel* image_Tg;
    QLabel* label_tilesleft;
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
    QPushButton* button_yes;
    QPushButton* button_edit;
    QFrame* panel_laydown;
    QPushButton* image_edit2;
    QPushButton* button_pause;
    QPushButton* button_bynumber;
    QPushButton* button_bysuit;
    QLabel* image_pause;
    QLabel* image_cover;
    BlinkSign* animated_incomplete;
    QPushButton* button_start;
    QTextEdit* mainchat;
    QLineEdit* mychat;
    QMenu* popup_kick;
    QAction* StartGame1;
    QAction* JustWatch1;
    QAction* SpyList1;
    QAction* GameLog1;
    QAction* PlaySounds1;
    QAction* TurnSound1;
    QAction* Classic1;
    QAction* New1;
    QAction* BotSpeed1;
    QAction* Slow1;
    QAction* Normal1;
    QAction* Fast1;
    QAction* RemoveFromGame1;
    QAction* SettoJustWatch1;
    QAction* UnsetJustWatch1;
    QAction* ResetScreenLocation1;
    QTimer* turntime;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // window building (chatform.cpp)
    void buildBoardPanel();
    void buildSeats();
    void buildInfo();
    void buildTurnControls();
    void buildSortButtons(QWidget* parent, int left);
    void buildOverlays();
    void buildChat();
    void buildMenus();
    void applyStyle();
    void showLog(bool on);

    // connection (chatconnection.cpp)
    void openConnection(const QString& host);
    void send(const std::string& frame);
    void dispatch(std::string_view command, std::string_view args);
    void sendloginfo(std::string_view args);
    void sockInfoClosed();
    void gameIsFull();

    // game state (chatgamestate.cpp)
    void newplayerinfo(std::string_view args);
    void playerdisconnected(std::string_view args);
    void justwatching(std::string_view args);
    void startthegame(std::string_view args);
    void startround(std::string_view args);
    void loadstats(std::string_view args);
    void endround(std::string_view args);
    void winner(std::string_view args);
    void getnextplayer(std::string_view args);
    void gamepause(std::string_view args);
    void notime(std::string_view args);
    void incomplete(std::string_view args);
    void notenough(std::string_view args);
    void askpenalty(std::string_view args);
    void clearall();
    void loadinifile();
    void showPenaltyAndTeam(bool penalty, bool team);
    void setTimePerTurn(int seconds);
    void showClock();
    void clearPauseDisplay();
    void setSitout(int seat, bool on);
    void logline(const QString& line);
    void emptyHand();
    QString seatName(int seat) const;
    static bool isSeat(int seat) { return seat >= 1 && seat <= kSeatCount; }
    bool mine(int seat) const { return seat == m_mySeat; }

    // board and rack (chatboard.cpp)
    void loadboard(std::string_view args);
    void placehistile(std::string_view args);
    void freecard(std::string_view args);
    void swaptiles(std::string_view args);
    void removetile(std::string_view args);
    void undothem(std::string_view args);
    void movedtiles(std::string_view args);
    void yourtiles(std::string_view args);
    void newcard(const brixo::RackItem& item);
    void createcard(int slot, int tile);
    void clearthisturn();
    void cleartheboard();
    void movecards(int slot);
    void clearallcards();
    void setcell(int col, int row, int tile);
    void placeCardControl(CardImage* card, int position);
    void raiseCardsFrom(int position);
    // The board mirror holds only valid sets: the server's own set rules,
    // run on the mirror.
    bool chatboardok() const;
    void updateIncomplete();

    // the hand (chatmouse.cpp)
    bool myTurn() const { return isSeat(m_mySeat) && m_turnSeat == m_mySeat; }
    bool holdsBoardTile() const { return m_handSlot == kBoardTileSlot; }
    bool holdsRackTile() const { return m_handSlot != -1 && m_handSlot != kBoardTileSlot; }
    void pickUpBoardTile(int col, int row);
    void moveBoardTile(int col, int row);
    void returnBoardTile();
    void putBackRackTile();
    void placeRackTile(int col, int row);
    void placeFromRack(int slot, int tile, int col, int row);
    void complete(int placedTile, char mode, int col, int row);
    void selectCard(CardImage* card, Qt::KeyboardModifiers modifiers);
    void exchangeCards(CardImage* held, CardImage* pressed, Qt::KeyboardModifiers modifiers);
    void lowerCard(int slot);
    void layOutCards();
    void showDragImage(int x, int y);
    void refuse(const QString& notice);
    int rackTileOf(int slot) const;

    QStringList m_params;
    std::function<bool(QString*)> m_serverSwitch;
    QtServerHost* m_server = nullptr;
    TSock* m_sock = nullptr;
    TSock* m_sock11 = nullptr;
    MessagePump* m_receivedlist;
    bool m_closing = false;
    bool m_shownOnce = false;

    int m_mySeat = 0;
    bool m_loggedIn = false;
    bool m_host = false;
    QString m_playerName;
    QString m_hostAddress;
    QString m_loginText;
    int m_turnSeat = 0;
    bool m_teamGame = false;
    TurnClock m_clock; // label_timeperturn's tag, turntime's tag and the seconds left
    int m_tilesLeft = 0; // label_tilesleft's tag
    int m_popupSeat = 0; // popup_kick's tag

    // the hand: the tile being moved
    int m_handSlot = -1;
    QString m_handCode;
    int m_handCol = -1;
    int m_handRow = -1;
    QString m_completionMode = QStringLiteral("n");

    brixo::BoardGrid m_grid;
    std::array<bool, brixo::BoardGrid::kColumns * brixo::BoardGrid::kRows> m_marks{};
    bool m_marksCleared = true; // the marks-shown flag: false while marks are on display
    RackPositions m_rackPositions;
    TilePictures m_pictures;
    SoundPlayer* m_sounds;
    Tgamestart* m_gamestart;
    Tspylist* m_spylist;
};
