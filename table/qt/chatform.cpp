// The table window: its parts, their places and the menus.
#include "table/qt/chatform.h"

#include "dialogs/aboutform.h"
#include "dialogs/downloadform.h"
#include "dialogs/gamestartform.h"
#include "dialogs/helpform.h"
#include "dialogs/phrasesform.h"
#include "dialogs/playwithothers.h"
#include "dialogs/spylistform.h"
#include "dialogs/tallylistform.h"
#include "net/catalogue.h"
#include "store/qt/gamefolders.h"
#include "resources/qt/artwork.h"
#include "table/qt/tableannouncer.h"
#include "table/qt/blinksign.h"
#include "table/qt/boardview.h"
#include "table/qt/captions.h"
#include "table/qt/cardimage.h"
#include "table/qt/reconnector.h"
#include "store/journalfile.h"
#include "table/qt/journalkeptgames.h"
#include "table/qt/roundlinesview.h"
#include "table/qt/sidewindowscale.h"
#include "table/seatwords.h"
#include "table/qt/tablesession.h"
#include "table/qt/soundplayer.h"
#include "table/qt/tableaccessible.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QIcon>
#include <QPainter>
#include <QPolygonF>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Places in the board panel.
constexpr int kPanelWidth = 750;
constexpr int kPanelHeight = 520;
constexpr int kSideLeft = 468;   // the column of seats, options, clock and chat
constexpr int kSideWidth = 277;

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    // Names and lines from the network are shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    return label;
}

QFrame* makeFrame(QWidget* parent, const QString& name, const QRect& place)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(place);
    return frame;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, const QRect& place)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// A loudspeaker: with sound waves while checked (sounds on), crossed out
// while not.
QIcon speakerIcon()
{
    QIcon icon;
    for (bool on : {true, false}) {
        // Drawn large: an icon is scaled down sharply, never up.
        QPixmap pixmap(144, 144);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(4, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x2a, 0x30));
        p.drawPolygon(QPolygonF({QPointF(4, 13), QPointF(11, 13), QPointF(19, 5), QPointF(19, 31), QPointF(11, 23),
                                 QPointF(4, 23)}));
        p.setBrush(Qt::NoBrush);
        if (on) {
            p.setPen(QPen(QColor(0x1f, 0x2a, 0x30), 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(14, 11, 10, 14), -60 * 16, 120 * 16);
            p.drawArc(QRectF(14, 6, 18, 24), -60 * 16, 120 * 16);
        } else {
            p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(23, 12), QPointF(32, 24));
            p.drawLine(QPointF(32, 12), QPointF(23, 24));
        }
        p.end();
        icon.addPixmap(pixmap, QIcon::Normal, on ? QIcon::On : QIcon::Off);
    }
    return icon;
}

} // namespace

Tchat::Tchat(brixo::TableLaunch launch, QWidget* parent)
    : QMainWindow(parent), m_launch(std::move(launch)), m_sounds(new SoundPlayer(this))
{
    setObjectName(QStringLiteral("chat"));
    setWindowTitle(QStringLiteral("Brixo"));
    resize(kDefaultWidth, kDefaultHeight);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    // The table itself takes the keyboard (the turn's keys) until the chat
    // line is clicked.
    central->setFocusPolicy(Qt::ClickFocus);
    setCentralWidget(central);

    buildBoardPanel();
    buildSeats();
    buildInfo();
    buildTurnControls();
    buildChat();
    buildOverlays();
    buildMenus();
    applyStyle();
    // The board panel always fits.
    m_menuBarHeight = menuBar()->sizeHint().height();
    setMinimumSize(kPanelWidth + 15 + 8, kPanelHeight + 12 + m_menuBarHeight);

    turntime = new QTimer(this);
    turntime->setObjectName(QStringLiteral("turntime"));
    turntime->setInterval(1000);
    connect(turntime, &QTimer::timeout, this, &Tchat::turntimeTimer);
    buildShowMe();
    // What the table tells a screen reader: the parts' names and the announcements.
    m_access = new TableAccessibility(this);
    m_announcer = new TableAnnouncer(this);

    // The side windows, in the order the program creates them.
    m_tally = new Ttallylist([this] { return mirror().othersAtTable(); }, this);
    m_about = new Tabout(this);
    m_gamestart = new Tgamestart(this);
    m_help = new Thelp(this);
    m_phrases = new Tphrases(this);
    m_spylist = new Tspylist(this);
    m_journal = std::make_shared<JournalKeptGames>(
        gamefolders::dataFile(QString::fromLatin1(brixo::kJournalFileName)).toStdString(),
        [this](const std::string& notice) { addlinetochat(QString::fromStdString(notice), kNoticeColour); });
    m_keptGames = m_journal;
    m_download = new Tdownload(this);
    m_playWithOthers = new PlayWithOthers(this);
    // They grow with the table.
    m_sideScale = new SideWindowScale(this);
    for (QWidget* side : std::initializer_list<QWidget*>{m_tally, m_about, m_gamestart, m_help, m_phrases, m_spylist,
                                                         m_download, m_playWithOthers})
        m_sideScale->add(side);
    // Once every menu exists, the side windows' too.
    buildKeys();
    connect(m_help, &Thelp::aboutRequested, this, [this] { showDialog(m_about); });
    connect(m_download, &Tdownload::exitRequested, this, &QWidget::close);
    connect(m_download, &Tdownload::playWithOthers, this, &Tchat::PlayWithOthers1Click);
    connect(m_download, &Tdownload::showAtStartChanged, this, [this](bool show) {
        m_settings.showStartChoice = show;
        saveinifile();
    });
    connect(m_playWithOthers, &PlayWithOthers::hostRequested, this, &Tchat::hostGame);
    connect(m_playWithOthers, &PlayWithOthers::joinRequested, this, &Tchat::joinGame);
    connect(m_playWithOthers, &PlayWithOthers::stopHostingRequested, this, &Tchat::leaveGame);
    connect(m_playWithOthers, &PlayWithOthers::createRoomRequested, this,
            [this](const QString& name, const QString& lobby, const QString& title, bool isPublic) {
                enterRoom(name, lobby, {true, title.toStdString(), isPublic, {}});
            });
    connect(m_playWithOthers, &PlayWithOthers::joinRoomRequested, this,
            [this](const QString& name, const QString& lobby, const QString& code) {
                enterRoom(name, lobby, {false, {}, false, code.toStdString()});
            });
    connect(m_gamestart, &Tgamestart::startRequested, this, [this](const brixo::GameOptions& options) {
        request([&](brixo::TableMirror& m) { return m.startGame(options); });
        // The dialog's options are kept for the next game.
        saveinifile();
        // The keys come back to the table, where the game now is, even
        // where no window manager hands them back as the dialog closes.
        activateWindow();
    });
    connect(m_phrases, &Tphrases::phrasesDone, this, &Tchat::phrasesDone);
    connect(m_spylist, &Tspylist::kickRequested, this, &Tchat::kicking);
    connect(this, &Tchat::settingsChanged, this, &Tchat::saveinifile);
    m_linkOpener = [](const QUrl& url) { QDesktopServices::openUrl(url); };

    // Until it hosts or joins a game, the table is in none.
    makeSession(TableSession::Role::Join, QString(), 0);
    m_layout.capture(panel_board);
    showTextSize();
    showTextColour();
    render();
}

Tchat::~Tchat() = default;

void Tchat::buildBoardPanel()
{
    panel_board = makeFrame(centralWidget(), QStringLiteral("panel_board"), QRect(8, 4, kPanelWidth, kPanelHeight));

    boardimage = makeLabel(panel_board, QStringLiteral("boardimage"), QString(), QRect(1, 1, 460, 380));
    boardimage->setPixmap(artwork::felt());

    board = new BoardView(m_pictures, panel_board);
    board->setObjectName(QStringLiteral("board"));
    board->setGeometry(11, 11, 441, 361);

    board->setCursor(Qt::UpArrowCursor);
    connect(board, &BoardView::pressed, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) { boardMouseDown(button, x, y); });
    connect(board, &BoardView::moved, this, &Tchat::boardMouseMove);
    connect(board, &BoardView::released, this, [this](int x, int y) { dropAt(board->mapToGlobal(QPoint(x, y))); });

    draggingimage = makeLabel(panel_board, QStringLiteral("draggingimage"), QString(), QRect(0, 0, 20, 30));
    draggingimage->setScaledContents(true);
    // The held tile follows the pointer; presses go through it to the board.
    draggingimage->setAttribute(Qt::WA_TransparentForMouseEvents);
    draggingimage->setProperty("tag", -1);
    draggingimage->hide();

    // The rack shows every tile it holds: the tiles' places follow how many
    // there are, so it never scrolls.
    panel_cards = makeFrame(panel_board, QStringLiteral("panel_cards"), QRect(5, 425, 740, 91));
    rack_wood = makeLabel(panel_cards, QStringLiteral("rack_wood"), QString(), QRect(0, 0, 740, 91));
    rack_wood->setPixmap(artwork::rackWood(740, 91));
}

void Tchat::buildSeats()
{
    auto* seats = makeFrame(panel_board, QStringLiteral("panel_seats"), QRect(kSideLeft, 1, kSideWidth, 152));
    withCaption(makeLabel(seats, QStringLiteral("heading_player"), QString(), QRect(24, 4, 100, 16)),
                [] { return tr("Player"); });
    withCaption(makeLabel(seats, QStringLiteral("heading_score"), QString(), QRect(168, 4, 46, 16)), [] {
        return tr("Score");
    })->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    //: Column heading: the points each seat made last.
    withCaption(makeLabel(seats, QStringLiteral("heading_bonus"), QString(), QRect(216, 4, 30, 16)), [] {
        return tr("Last");
    })->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    //: Column heading: how many tiles each seat holds.
    withCaption(makeLabel(seats, QStringLiteral("heading_cards"), QString(), QRect(244, 4, 30, 16)), [] {
        return tr("Tiles");
    })->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    popup_kick = new QMenu(this);
    popup_kick->setObjectName(QStringLiteral("popup_kick"));
    RemoveFromGame1 = withCaption(popup_kick->addAction(QString(), this, &Tchat::RemoveFromGame1Click),
                                  [] { return tr("Remove From Game"); });
    SettoJustWatch1 = withCaption(popup_kick->addAction(QString(), this, &Tchat::SettoJustWatch1Click),
                                  [] { return tr("Set to Just Watch"); });
    UnsetJustWatch1 = withCaption(popup_kick->addAction(QString(), this, &Tchat::UnsetJustWatch1Click),
                                  [] { return tr("Unset Just Watch"); });
    RemoveFromGame1->setObjectName(QStringLiteral("RemoveFromGame1"));
    SettoJustWatch1->setObjectName(QStringLiteral("SettoJustWatch1"));
    UnsetJustWatch1->setObjectName(QStringLiteral("UnsetJustWatch1"));

    for (const brixo::Seat place : brixo::Seat::all()) {
        const int seat = place.number();
        const int y = 22 + (seat - 1) * 32;
        const QString n = QString::number(seat);
        auto* row = makeFrame(seats, QStringLiteral("seat_row") + n, QRect(2, y, kSideWidth - 4, 30));
        row->setProperty("seatRow", true);
        label_playername[seat] = makeLabel(seats, QStringLiteral("label_playername") + n, QString(),
                                           QRect(24, y + 1, 102, 28));
        label_playername[seat]->setProperty("tag", seat);
        label_playername[seat]->setToolTip(QString::fromStdString(brixo::seatwords::computerName(place)));
        label_playername[seat]->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label_playername[seat], &QLabel::customContextMenuRequested, this, [this, seat](const QPoint& at) {
            label_playername1ContextPopup(seat);
            popup_kick->exec(label_playername[seat]->mapToGlobal(at));
        });
        image_eyes[seat] = makeLabel(seats, QStringLiteral("image_eyes") + n, QString(), QRect(128, y + 8, 24, 14));
        image_eyes[seat]->setPixmap(artwork::eyes());
        captions::tip(image_eyes[seat], [] { return tr("Just watching"); });
        image_eyes[seat]->hide();
        if (seat >= 3) {
            image_sitout[seat] =
                makeLabel(seats, QStringLiteral("image_sitout") + n, QString(), QRect(152, y + 7, 22, 16));
            image_sitout[seat]->setPixmap(artwork::sitout());
            captions::tip(image_sitout[seat], [] { return tr("Sits out this round"); });
            image_sitout[seat]->hide();
        }
        // Where the sit-out mark would be: in a team game every seat plays.
        image_partner[seat] =
            makeLabel(seats, QStringLiteral("image_partner") + n, QString(), QRect(150, y + 7, 22, 16));
        image_partner[seat]->setPixmap(artwork::partnerBadge(seat % 2 == 1));
        captions::tip(image_partner[seat], [] { return tr("Your partner"); });
        image_partner[seat]->hide();
        label_score[seat] = makeLabel(seats, QStringLiteral("label_score") + n, QStringLiteral("0"),
                                      QRect(168, y + 1, 46, 28));
        label_bonus[seat] = makeLabel(seats, QStringLiteral("label_bonus") + n, QString(), QRect(214, y + 1, 32, 28));
        label_cards[seat] = makeLabel(seats, QStringLiteral("label_cards") + n, QString(), QRect(246, y + 1, 26, 28));
        for (QLabel* l : {label_score[seat], label_bonus[seat], label_cards[seat]})
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    image_Turn = makeLabel(seats, QStringLiteral("image_Turn"), QString(), QRect(5, 29, 16, 16));
    image_Turn->setPixmap(artwork::turnArrow());
    image_Turn->hide();
}

void Tchat::buildInfo()
{
    auto* info = makeFrame(panel_board, QStringLiteral("panel_info"), QRect(kSideLeft, 157, kSideWidth, 82));
    label_playtoscore = makeLabel(info, QStringLiteral("label_playtoscore"), QString(), QRect(8, 4, 140, 18));
    label_timeperturn = makeLabel(info, QStringLiteral("label_timeperturn"), QString(), QRect(8, 22, 140, 18));
    label_tp = makeLabel(info, QStringLiteral("label_tp"), QString(), QRect(8, 40, 128, 18));
    label_Tg = makeLabel(info, QStringLiteral("label_Tg"), QString(), QRect(150, 4, 84, 18));
    image_Tg = makeLabel(info, QStringLiteral("image_Tg"), QString(), QRect(236, 5, 30, 16));
    image_Tg->setPixmap(artwork::teamBadge());
    captions::tip(image_Tg, [] { return tr("The Green Team (seats 1 and 3) against The Brown Team (seats 2 and 4)"); });
    image_Tg->hide();
    label_tilesleft = makeLabel(info, QStringLiteral("label_tilesleft"), QString(), QRect(150, 22, 120, 18));
    label_room = makeLabel(info, QStringLiteral("label_room"), QString(), QRect(136, 40, 104, 18));
    label_room->setTextInteractionFlags(Qt::TextSelectableByMouse);
    captions::tip(label_room, [] { return tr("Friends join this room by its code, from Play with Others, Online"); });
    button_copyroom =
        withCaption(makeButton(info, QStringLiteral("button_copyroom"), QString(), QRect(241, 40, 32, 17)),
                    [] { return tr("Copy"); });
    captions::tip(button_copyroom, [] { return tr("Copy the room's code"); });
    connect(button_copyroom, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(QString::fromStdString(mirror().roomCode())); });
    label_room->hide();
    button_copyroom->hide();

    label_timer = makeLabel(info, QStringLiteral("label_timer"), QString(), QRect(8, 60, 76, 18));
    auto* track = makeFrame(info, QStringLiteral("timer_track"), QRect(84, 64, 156, 10));
    button_sound = makeButton(info, QStringLiteral("button_sound"), QString(), QRect(245, 56, 26, 24));
    button_sound->setCheckable(true);
    button_sound->setChecked(true);
    button_sound->setIcon(speakerIcon());
    button_sound->setIconSize(QSize(18, 18));
    connect(button_sound, &QPushButton::clicked, this, [this](bool on) { PlaySounds1Click(on); });
    image_timer = makeFrame(track, QStringLiteral("image_timer"), QRect(0, 0, 0, 10));
}

void Tchat::buildTurnControls()
{
    auto* controls = makeFrame(panel_board, QStringLiteral("panel_controls"), QRect(1, 383, 460, 40));
    button_draw = withCaption(makeButton(controls, QStringLiteral("button_draw"), QString(), QRect(4, 3, 67, 34)),
                              [] { return tr("Draw"); });
    button_finish = withCaption(makeButton(controls, QStringLiteral("button_finish"), QString(), QRect(4, 3, 67, 34)),
                                [] { return tr("Finish"); });
    button_clear = withCaption(makeButton(controls, QStringLiteral("button_clear"), QString(), QRect(75, 3, 67, 34)),
                               [] { return tr("Clear"); });
    captions::tip(button_draw, [] { return tr("Draw a tile and end your turn"); });
    captions::tip(button_finish, [] { return tr("End your turn"); });
    captions::tip(button_clear, [] { return tr("Take back everything you did this turn"); });
    animated_incomplete = new BlinkSign(artwork::incompleteFrame(0), artwork::incompleteFrame(1), controls);
    animated_incomplete->setObjectName(QStringLiteral("animated_incomplete"));
    animated_incomplete->setGeometry(148, 7, 26, 26);
    captions::tip(animated_incomplete, [] { return tr("The board holds sets that are not complete"); });
    animated_incomplete->hide();
    label_status = makeLabel(controls, QStringLiteral("label_status"), QString(), QRect(180, 1, 279, 19));
    label_played = makeLabel(controls, QStringLiteral("label_played"), QString(), QRect(180, 20, 228, 18));
    captions::tip(label_played, [] { return tr("Click here to view the Game Log"); });
    label_played->setCursor(Qt::PointingHandCursor);
    label_played->installEventFilter(this);
    connect(button_draw, &QPushButton::clicked, this, &Tchat::button_drawClick);
    connect(button_finish, &QPushButton::clicked, this, &Tchat::button_finishClick);
    connect(button_clear, &QPushButton::clicked, this, &Tchat::button_clearClick);
    button_stopreconnect =
        withCaption(makeButton(controls, QStringLiteral("button_stopreconnect"), QString(), QRect(358, 20, 50, 18)),
                    [] { return tr("Stop"); });
    captions::tip(button_stopreconnect, [] { return tr("Stop waiting for the host"); });
    button_stopreconnect->hide();
    m_reconnector = new Reconnector(this);
    connect(m_reconnector, &Reconnector::ticked, this, &Tchat::render);
    connect(m_reconnector, &Reconnector::hostBack, this, &Tchat::hostBack);
    connect(m_reconnector, &Reconnector::gaveUp, this, &Tchat::stopReconnecting);
    connect(button_stopreconnect, &QPushButton::clicked, this, &Tchat::stopReconnecting);
    auto* button_log =
        withCaption(makeButton(controls, QStringLiteral("button_log"), QString(), QRect(410, 20, 48, 18)),
                    [] { return tr("Log"); });
    captions::tip(button_log, [] { return tr("Click here to view the Game Log"); });
    connect(button_log, &QPushButton::clicked, this, [this] { showLog(true); });
    for (QWidget* w : {static_cast<QWidget*>(button_draw), static_cast<QWidget*>(button_finish),
                       static_cast<QWidget*>(button_clear)})
        w->hide();

    auto* clock = makeFrame(panel_board, QStringLiteral("panel_clock"), QRect(kSideLeft, 243, kSideWidth, 30));
    button_pause = withCaption(makeButton(clock, QStringLiteral("button_pause"), QString(), QRect(4, 3, 60, 24)),
                               [] { return tr("Pause"); });
    button_pause->setCheckable(true);
    button_pause->setEnabled(false);
    captions::tip(button_pause, [] { return tr("Stop the clock for everybody"); });
    connect(button_pause, &QPushButton::clicked, this, &Tchat::button_pauseClick);
    button_start = withCaption(makeButton(clock, QStringLiteral("button_start"), QString(), QRect(68, 3, 84, 24)),
                               [] { return tr("Start Game", "the short button beside Pause"); });
    connect(button_start, &QPushButton::clicked, this, &Tchat::StartGame1Click);
    button_start->hide(); // only a host starts games
    buildSortButtons(clock, 156);
}

void Tchat::buildSortButtons(QWidget* parent, int left)
{
    withCaption(makeLabel(parent, QStringLiteral("label_sortby"), QString(), QRect(left, 7, 54, 16)),
                [] { return tr("SORT BY:"); });
    button_bynumber = makeButton(parent, QStringLiteral("button_bynumber"), QString(), QRect(left + 56, 1, 27, 27));
    button_bysuit = makeButton(parent, QStringLiteral("button_bysuit"), QString(), QRect(left + 86, 1, 27, 27));
    captions::tip(button_bynumber, [] { return tr("Sort by Numbers"); });
    captions::tip(button_bysuit, [] { return tr("Sort by Suits"); });
    button_bynumber->setIcon(artwork::sortByNumber());
    button_bysuit->setIcon(artwork::sortBySuit());
    for (QPushButton* b : {button_bynumber, button_bysuit}) {
        b->setIconSize(QSize(21, 21));
        b->setCheckable(true);
        // At most one is down, and pressing the one that is down raises it.
        connect(b, &QPushButton::clicked, this, [this, b](bool down) {
            if (!down) setSortChoice(SortChoice::Neither);
            else setSortChoice(b == button_bynumber ? SortChoice::ByNumber : SortChoice::BySuit);
            button_bysuitClick();
        });
    }
    setSortChoice(SortChoice::ByNumber);
}

void Tchat::buildChat()
{
    buildPhraseButtons(panel_board, QRect(kSideLeft, 277, kSideWidth, 20));
    mainchat = new QTextEdit(panel_board);
    mainchat->setObjectName(QStringLiteral("mainchat"));
    mainchat->setReadOnly(true);
    mainchat->setGeometry(kSideLeft, 299, kSideWidth, 98);
    mainchat->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mainchat->viewport()->setMouseTracking(true);
    mainchat->viewport()->installEventFilter(this);
    mychat = new QLineEdit(panel_board);
    // The prompt stands in the line until the player types; a new language
    // replaces it only while it still stands there.
    captions::custom(mychat, [this] {
        const QString prompt = tr("<Enter Chat Here>");
        if (mychat->text() == mychat->property("prompt").toString()) mychat->setText(prompt);
        mychat->setProperty("prompt", prompt);
    });
    mychat->setObjectName(QStringLiteral("mychat"));
    // The server relays no longer line.
    mychat->setMaxLength(int(brixo::msg::kChatFieldLength));
    mychat->setGeometry(kSideLeft, 399, kSideWidth, 22);
    connect(mychat, &QLineEdit::returnPressed, this, &Tchat::sendit);
    mychat->installEventFilter(this);
}

// Ten small buttons in a row, each sending its phrase (its tooltip).
void Tchat::buildPhraseButtons(QWidget* parent, const QRect& row)
{
    const int width = row.width() / brixo::kPhraseCount;
    for (int n = 1; n <= brixo::kPhraseCount; ++n) {
        b_phrase[n] = makeButton(parent, QStringLiteral("b_phrase%1").arg(n), QString::number(n),
                                 QRect(row.x() + (n - 1) * width, row.y(), width - 2, row.height()));
        b_phrase[n]->setProperty("phrase", true);
        setPhrase(n, m_buttonPhrases.value(n - 1));
        // While the button keeps its default phrase, it says it in the
        // player's language; a phrase of the player's own stays as it is.
        b_phrase[n]->setProperty("defaultPhrase", defaultPhrases().value(n - 1));
        captions::custom(b_phrase[n], [this, n] {
            const QString said =
                QCoreApplication::translate("Tchat", defaultPhrases().value(n - 1).toUtf8().constData());
            if (phrase(n) == b_phrase[n]->property("defaultPhrase").toString()) setPhrase(n, said);
            b_phrase[n]->setProperty("defaultPhrase", said);
        });
        connect(b_phrase[n], &QPushButton::clicked, this, [this, n] { b_phrase1Click(n); });
    }
}

void Tchat::buildOverlays()
{
    // Everything here lies over the board and is hidden until needed.
    image_cover = makeLabel(panel_board, QStringLiteral("image_cover"), QString(), QRect(1, 1, 460, 380));
    image_cover->hide();
    image_pause = makeLabel(panel_board, QStringLiteral("image_pause"), QString(), QRect(151, 136, 160, 110));
    image_pause->setPixmap(artwork::pauseSign());
    image_pause->hide();

    panel_winner = makeFrame(panel_board, QStringLiteral("panel_winner"), QRect(70, 120, 322, 96));
    // The second label carries the same words as a shadow behind the first.
    label_winner2 = makeLabel(panel_winner, QStringLiteral("label_winner2"), QString(), QRect(10, 26, 306, 40));
    label_winner1 = makeLabel(panel_winner, QStringLiteral("label_winner1"), QString(), QRect(8, 24, 306, 40));
    label_winner1->setAlignment(Qt::AlignCenter);
    label_winner2->setAlignment(Qt::AlignCenter);
    auto* trophy = withCaption(makeLabel(panel_winner, QStringLiteral("winner_note"), QString(), QRect(8, 64, 306, 20)),
                               [] { return tr("Congratulations!"); });
    trophy->setAlignment(Qt::AlignCenter);
    panel_winner->hide();

    panel_penalty = makeFrame(panel_board, QStringLiteral("panel_penalty"), QRect(60, 110, 342, 162));
    auto* penaltyText =
        withCaption(makeLabel(panel_penalty, QStringLiteral("penalty_text"), QString(), QRect(12, 10, 318, 76)), [] {
            return tr("There are incomplete or incorrect groups on the board.\n\n"
                      "Would you like to take a 3 tile penalty and end your turn?");
        });
    penaltyText->setWordWrap(true);
    penaltyText->setAlignment(Qt::AlignCenter);
    penalty_set = makeLabel(panel_penalty, QStringLiteral("penalty_set"), QString(), QRect(12, 86, 318, 34));
    penalty_set->setWordWrap(true);
    penalty_set->setAlignment(Qt::AlignCenter);
    auto* button_yes =
        withCaption(makeButton(panel_penalty, QStringLiteral("button_yes"), QString(), QRect(88, 122, 74, 30)),
                    [] { return tr("Yes"); });
    auto* button_edit =
        withCaption(makeButton(panel_penalty, QStringLiteral("button_edit"), QString(), QRect(180, 122, 74, 30)),
                    [] { return tr("Edit"); });
    connect(button_yes, &QPushButton::clicked, this, &Tchat::button_yesClick);
    connect(button_edit, &QPushButton::clicked, this, &Tchat::button_editClick);
    panel_penalty->hide();

    panel_laydown = makeFrame(panel_board, QStringLiteral("panel_laydown"), QRect(60, 120, 342, 112));
    auto* laydownText =
        withCaption(makeLabel(panel_laydown, QStringLiteral("laydown_text"), QString(), QRect(12, 10, 318, 54)),
                    [] { return tr("The tiles you lay down on your first turn must equal at least 30 points."); });
    laydownText->setWordWrap(true);
    laydownText->setAlignment(Qt::AlignCenter);
    auto* image_edit2 =
        withCaption(makeButton(panel_laydown, QStringLiteral("image_edit2"), QString(), QRect(134, 68, 74, 32)),
                    [] { return tr("Edit"); });
    connect(image_edit2, &QPushButton::clicked, this, &Tchat::image_edit2Click);
    panel_laydown->hide();

    // A round's result, over the lower board until the next round starts;
    // its size follows the seats it tells of (renderRound).
    panel_round = makeFrame(panel_board, QStringLiteral("panel_round"), QRect(10, 226, 440, 130));
    auto* roundTitle =
        withCaption(makeLabel(panel_round, QStringLiteral("round_title"), QString(), QRect(10, 6, 420, 20)),
                    [] { return tr("Round Over"); });
    roundTitle->setProperty("heading", true);
    roundTitle->setAlignment(Qt::AlignCenter);
    round_lines = new RoundLinesView(m_pictures, panel_round);
    round_lines->setObjectName(QStringLiteral("round_lines"));
    round_lines->setGeometry(12, 28, 416, 96);
    panel_round->hide();

    label_sitout =
        withCaption(makeLabel(panel_board, QStringLiteral("label_sitout"), QString(), QRect(70, 150, 322, 70)),
                    [] { return tr("This round has already started. You will have to wait until the next round."); });
    label_sitout->setWordWrap(true);
    label_sitout->setAlignment(Qt::AlignCenter);
    label_sitout->hide();

    panel_log = makeFrame(panel_board, QStringLiteral("panel_log"), QRect(30, 30, 402, 320));
    auto* logTitle = withCaption(makeLabel(panel_log, QStringLiteral("log_title"), QString(), QRect(10, 6, 200, 20)),
                                 [] { return tr("Game Log"); });
    logTitle->setProperty("heading", true);
    auto* button_x = makeButton(panel_log, QStringLiteral("button_x"), QStringLiteral("x"), QRect(374, 5, 22, 22));
    memo_log = new QPlainTextEdit(panel_log);
    memo_log->setObjectName(QStringLiteral("memo_log"));
    memo_log->setReadOnly(true);
    memo_log->setGeometry(8, 30, 386, 282);
    connect(button_x, &QPushButton::clicked, this, [this] { showLog(false); });
    panel_log->hide();
}

void Tchat::buildMenus()
{
    QMenu* game = withCaption(menuBar()->addMenu(QString()), [] { return tr("&Game"); });
    StartGame1 =
        withCaption(game->addAction(QString(), this, &Tchat::StartGame1Click), [] { return tr("Start Game"); });
    StartGame1->setObjectName(QStringLiteral("StartGame1"));
    QAction* PlayWithOthers1 = withCaption(game->addAction(QString(), this, &Tchat::PlayWithOthers1Click),
                                           [] { return tr("Play with Others..."); });
    PlayWithOthers1->setObjectName(QStringLiteral("PlayWithOthers1"));
    PlayWithOthers1->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    LeaveGame1 = withCaption(game->addAction(QString(), this, &Tchat::leaveGame), [] { return tr("Leave Game"); });
    LeaveGame1->setObjectName(QStringLiteral("LeaveGame1"));
    LeaveGame1->setEnabled(false);
    JustWatch1 =
        withCaption(game->addAction(QString(), this, &Tchat::JustWatch1Click), [] { return tr("Just Watch"); });
    JustWatch1->setObjectName(QStringLiteral("JustWatch1"));
    JustWatch1->setCheckable(true);
    QAction* SpyList1 = withCaption(game->addAction(QString(), this,
                                                    [this] {
                                                        m_spylist->show();
                                                        m_spylist->raise();
                                                    }),
                                    [] { return tr("Spy List"); });
    SpyList1->setObjectName(QStringLiteral("SpyList1"));
    QAction* ViewTally1 = withCaption(game->addAction(QString(), this, [this] { m_tally->ViewTally1Click(); }),
                                      [] { return tr("View Tally"); });
    ViewTally1->setObjectName(QStringLiteral("ViewTally1"));
    game->addSeparator();
    QAction* ResetScreenLocation1 = withCaption(game->addAction(QString(), this, &Tchat::ResetScreenLocation1Click),
                                                [] { return tr("Reset Screen Location"); });
    ResetScreenLocation1->setObjectName(QStringLiteral("ResetScreenLocation1"));
    withCaption(game->addAction(QString(), this, &QWidget::close), [] { return tr("Exit"); });

    buildTurnMenu();
    QMenu* view = withCaption(menuBar()->addMenu(QString()), [] { return tr("&View"); });
    GameLog1 = withCaption(view->addAction(QString()), [] { return tr("Game Log"); });
    GameLog1->setObjectName(QStringLiteral("GameLog1"));
    GameLog1->setCheckable(true);
    connect(GameLog1, &QAction::triggered, this, [this] { showLog(!panel_log->isVisible()); });
    TableSize1 = withCaption(view->addMenu(QString()), [] { return tr("Table Size"); });
    TableSize1->setObjectName(QStringLiteral("TableSize1"));
    auto* sizeGroup = new QActionGroup(this);
    for (int percent : brixo::kTableSizes) {
        QAction* size = TableSize1->addAction(QStringLiteral("%1%").arg(percent));
        if (percent == brixo::kTableSizeFit) captions::text(size, [] { return tr("Fit to Window"); });
        size->setObjectName(QStringLiteral("TableSize%1").arg(percent == brixo::kTableSizeFit ? QStringLiteral("Fit")
                                                                                              : QString::number(percent)));
        size->setCheckable(true);
        size->setData(percent);
        sizeGroup->addAction(size);
        connect(size, &QAction::triggered, this, [this, percent] { TableSize1Click(percent); });
    }
    buildLookMenu(view);

    QMenu* options = withCaption(menuBar()->addMenu(QString()), [] { return tr("&Options"); });
    QMenu* help = withCaption(menuBar()->addMenu(QString()), [] { return tr("&Help"); });
    QAction* Content1 =
        withCaption(help->addAction(QString(), this, [this] { showDialog(m_help); }), [] { return tr("Content"); });
    Content1->setObjectName(QStringLiteral("Content1"));
    Content1->setShortcut(QKeySequence(Qt::Key_F1));
    QAction* About1 =
        withCaption(help->addAction(QString(), this, [this] { showDialog(m_about); }), [] { return tr("About"); });
    About1->setObjectName(QStringLiteral("About1"));
    PlaySounds1 = withCaption(options->addAction(QString()), [] { return tr("Play Sounds"); });
    PlaySounds1->setObjectName(QStringLiteral("PlaySounds1"));
    PlaySounds1->setCheckable(true);
    PlaySounds1->setChecked(true);
    connect(PlaySounds1, &QAction::triggered, this, &Tchat::PlaySounds1Click);

    QMenu* turnSound = withCaption(options->addMenu(QString()), [] { return tr("Turn Sound"); });
    TurnSound1 = turnSound->menuAction();
    TurnSound1->setObjectName(QStringLiteral("TurnSound1"));
    TurnSound1->setData(0);
    auto* turnGroup = new QActionGroup(this);
    Classic1 = withCaption(turnSound->addAction(QString()), [] { return tr("Classic"); });
    New1 = withCaption(turnSound->addAction(QString()), [] { return tr("New"); });
    Classic1->setObjectName(QStringLiteral("Classic1"));
    New1->setObjectName(QStringLiteral("New1"));
    Classic1->setData(0);
    New1->setData(1);
    for (QAction* a : {Classic1, New1}) {
        a->setCheckable(true);
        turnGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, a] { New1Click(a == New1); });
    }
    Classic1->setChecked(true);

    QMenu* botSpeed = withCaption(options->addMenu(QString()), [] { return tr("Bot Speed"); });
    BotSpeed1 = botSpeed->menuAction();
    BotSpeed1->setObjectName(QStringLiteral("BotSpeed1"));
    BotSpeed1->setData(1000);
    auto* speedGroup = new QActionGroup(this);
    Slow1 = withCaption(botSpeed->addAction(QString()), [] { return tr("Slow"); });
    Normal1 = withCaption(botSpeed->addAction(QString()), [] { return tr("Normal", "bot speed"); });
    Fast1 = withCaption(botSpeed->addAction(QString()), [] { return tr("Fast"); });
    Slow1->setObjectName(QStringLiteral("Slow1"));
    Normal1->setObjectName(QStringLiteral("Normal1"));
    Fast1->setObjectName(QStringLiteral("Fast1"));
    Slow1->setData(2000);
    Normal1->setData(1000);
    Fast1->setData(500);
    for (QAction* a : {Slow1, Normal1, Fast1}) {
        a->setCheckable(true);
        speedGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, a] { Fast1Click(a->data().toInt()); });
    }
    Normal1->setChecked(true);

    // How well the computer plays, read by this process's server as each
    // computer turn starts.
    QMenu* level = withCaption(options->addMenu(QString()), [] { return tr("Level"); });
    QAction* Level1 = level->menuAction();
    Level1->setObjectName(QStringLiteral("Level1"));
    auto* levelGroup = new QActionGroup(this);
    NormalLevel1 = withCaption(level->addAction(QString()), [] { return tr("Normal", "bot level"); });
    ExpertLevel1 = withCaption(level->addAction(QString()), [] { return tr("Expert"); });
    MasterLevel1 = withCaption(level->addAction(QString()), [] { return tr("Master"); });
    NormalLevel1->setObjectName(QStringLiteral("NormalLevel1"));
    ExpertLevel1->setObjectName(QStringLiteral("ExpertLevel1"));
    MasterLevel1->setObjectName(QStringLiteral("MasterLevel1"));
    for (const auto& [a, chosen] : {std::pair{NormalLevel1, brixo::BotLevel::Normal},
                                    std::pair{ExpertLevel1, brixo::BotLevel::Expert},
                                    std::pair{MasterLevel1, brixo::BotLevel::Master}}) {
        a->setCheckable(true);
        levelGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, chosen] { Level1Click(chosen); });
    }
    NormalLevel1->setChecked(true);

    options->addSeparator();
    buildChatMenus();
    options->addMenu(TextSize1);
    options->addAction(TextColor1);
    options->addAction(ActionColor1);
    options->addAction(ScrollChatOff1);
    options->addAction(ClearMainChat1);
    options->addAction(PrhaseList1);
    options->addSeparator();
    TileSets1 = withCaption(options->addMenu(QString()), [] { return tr("Tile Sets"); });
    TileSets1->setObjectName(QStringLiteral("TileSets1"));
    createtilemenu();
    options->addSeparator();
    buildLanguageMenu(options);
}

// The turn's buttons as menu items, each with a single key. Typing in the
// chat takes the keys first, so the letters still reach the chat line.
void Tchat::buildTurnMenu()
{
    QMenu* turn = withCaption(menuBar()->addMenu(QString()), [] { return tr("&Turn"); });
    const auto item = [this, turn](captions::Words caption, const char* name, const QKeySequence& key, auto slot) {
        QAction* action = withCaption(turn->addAction(QString(), this, slot), std::move(caption));
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        return action;
    };
    Draw1 = item([] { return tr("Draw"); }, "Draw1", QKeySequence(Qt::Key_D), [this] { button_drawClick(); });
    Finish1 = item([] { return tr("Finish"); }, "Finish1", QKeySequence(Qt::Key_F), [this] { button_finishClick(); });
    Clear1 = item([] { return tr("Clear"); }, "Clear1", QKeySequence(Qt::Key_C), [this] { button_clearClick(); });
    Undo1 = item([] { return tr("Undo"); }, "Undo1", QKeySequence::Undo,
                 [this] { request([](brixo::TableMirror& m) { return m.undoLastMove(); }); });
    PutBack1 = item([] { return tr("Put Tile Back"); }, "PutBack1", QKeySequence(Qt::Key_Escape),
                    [this] { putBackHeldTile(); });
    turn->addSeparator();
    Pause1 = item([] { return tr("Pause"); }, "Pause1", QKeySequence(Qt::Key_P),
                  [this] {
                      if (mirror().controls().pauseEnabled) button_pauseClick();
                  });
    item([] { return tr("Sort"); }, "Sort1", QKeySequence(Qt::Key_S), [this] { button_bysuitClick(); });
    item([] { return tr("Arrange Rack"); }, "ArrangeRack1", QKeySequence(Qt::Key_A),
         [this] { request([](brixo::TableMirror& m) { return m.arrangeRack(); }); });
    Hint1 = item([] { return tr("Hint"); }, "Hint1", QKeySequence(Qt::Key_H), [this] { Hint1Click(); });
    ShowMe1 = item([] { return tr("Show Me"); }, "ShowMe1", QKeySequence(Qt::Key_M), [this] { ShowMe1Click(); });
}

// The chat's menu items; the display and the input have their own menus.
void Tchat::buildChatMenus()
{
    const auto item = [this](captions::Words caption, const char* name) {
        auto* action = withCaption(new QAction(this), std::move(caption));
        action->setObjectName(QLatin1String(name));
        return action;
    };
    TextSize1 = withCaption(new QMenu(QString(), this), [] { return tr("Text Size"); });
    TextSize1->setObjectName(QStringLiteral("TextSize1"));
    auto* sizes = new QActionGroup(this);
    for (int size : {8, 10, 12, 14}) {
        QAction* n = TextSize1->addAction(QString::number(size));
        n->setObjectName(QStringLiteral("N%1").arg(size));
        n->setCheckable(true);
        n->setData(size);
        sizes->addAction(n);
        connect(n, &QAction::triggered, this, [this, size] { N14Click(size); });
    }
    TextColor1 = item([] { return tr("Text Color"); }, "TextColor1");
    connect(TextColor1, &QAction::triggered, this, &Tchat::TextColor1Click);
    ActionColor1 = item([] { return tr("Action Color"); }, "ActionColor1");
    connect(ActionColor1, &QAction::triggered, this, &Tchat::ActionColor1Click);
    ScrollChatOff1 = item([] { return tr("Scroll Chat Off"); }, "ScrollChatOff1");
    ScrollChatOff2 = item([] { return tr("Scroll Chat Off"); }, "ScrollChatOff2");
    for (QAction* off : {ScrollChatOff1, ScrollChatOff2}) {
        off->setCheckable(true);
        off->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
        connect(off, &QAction::triggered, this, &Tchat::ScrollChatOff1Click);
    }
    ScrollChatOff2->setShortcutContext(Qt::WidgetShortcut);
    ClearMainChat1 = item([] { return tr("Clear Main Chat"); }, "ClearMainChat1");
    connect(ClearMainChat1, &QAction::triggered, this, &Tchat::ClearMainChat1Click);
    PrhaseList1 = item([] { return tr("Phrase List"); }, "PrhaseList1");
    connect(PrhaseList1, &QAction::triggered, this, &Tchat::PrhaseList1Click);

    Copy1 = item([] { return tr("Copy"); }, "Copy1");
    Copy1->setShortcut(QKeySequence::Copy);
    Copy1->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(Copy1, &QAction::triggered, this, &Tchat::Copy1Click);
    mainchat->addAction(Copy1);
    mainchat->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mainchat, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addAction(Copy1);
        menu.addAction(ScrollChatOff2);
        menu.addAction(ClearMainChat1);
        menu.exec(mainchat->mapToGlobal(at));
    });

    Paste1 = item([] { return tr("Paste"); }, "Paste1");
    Paste1->setShortcut(QKeySequence::Paste);
    Paste1->setShortcutContext(Qt::WidgetShortcut);
    connect(Paste1, &QAction::triggered, this, &Tchat::Paste1Click);
    mychat->addAction(Paste1);
    mychat->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mychat, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addAction(Paste1);
        menu.exec(mychat->mapToGlobal(at));
    });
}

void Tchat::applyStyle()
{
    m_baseStyle = (QStringLiteral(R"(
#central { background: #1d2b33; }
#panel_board { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2a3b44, stop:1 #1d2b33);
               border: 1px solid #0f181d; border-radius: 6px; }
#panel_seats, #panel_info, #panel_clock {
    background: rgba(255,255,255,18); border: 1px solid rgba(255,255,255,28); border-radius: 6px; }
QFrame[seatRow="true"] { background: rgba(0,0,0,40); border-radius: 4px; border: none; }
#panel_board QLabel { color: #e9eef0; background: transparent; }
#panel_seats QLabel[tag] { font-weight: bold; font-size: 12px; }
QLabel#heading_player, QLabel#heading_score, QLabel#heading_bonus, QLabel#heading_cards { color: #9fb3bd; }
QLabel#heading_player { font-size: 10px; }
QLabel#label_score1, QLabel#label_score2, QLabel#label_score3, QLabel#label_score4 { color: #ffd970; font-weight: bold; font-size: 12px; }
QLabel#label_bonus1, QLabel#label_bonus2, QLabel#label_bonus3, QLabel#label_bonus4 { color: #9fe3a8; font-size: 11px; }
QLabel#label_cards1, QLabel#label_cards2, QLabel#label_cards3, QLabel#label_cards4 { color: #cfe0e8; font-size: 11px; }
#panel_info QLabel { font-size: 11px; color: #cfe0e8; }
QLabel#label_Tg { color: #ffd970; font-weight: bold; }
QLabel#label_timer { font-weight: bold; color: #e0e39d; }
QLabel#label_sortby { font-size: 10px; color: #9fb3bd; }
#button_bynumber, #button_bysuit { padding: 0; border-radius: 4px; }
#timer_track { background: rgba(0,0,0,90); border-radius: 4px; border: none; }
#image_timer { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #7fe0a0, stop:1 #2f9a5a);
               border-radius: 4px; border: none; }
#panel_controls { background: transparent; border: none; }
QLabel#label_status { font-weight: bold; color: #ffffff; }
QLabel#label_played { font-size: 11px; color: #b8cbd4; }
QPushButton { color: #1f2a30; font-weight: bold; border-radius: 6px; border: 1px solid #0d161a;
              background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdf6e3, stop:1 #d9cba5); }
QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e8dcba); }
QPushButton:disabled { color: #8a8a80; background: #b9b4a6; }
QPushButton:checked { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f2b84b, stop:1 #d18b1c); }
#button_finish { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #8fe39f, stop:1 #3f9a55); }
#button_draw { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #9cc8f0, stop:1 #4a84bd); }
#button_start { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffe08a, stop:1 #e0a22a); }
#button_draw, #button_finish, #button_clear, #button_pause, #button_start, #button_sound, #button_yes, #button_edit,
#image_edit2 { font-size: 12px; }
#button_log, #button_x, #button_copyroom { font-size: 10px; padding: 0; border-radius: 4px; }
QLabel#label_room { color: #ffd970; font-weight: bold; }
#panel_winner, #panel_penalty, #panel_laydown, #panel_log, #panel_round {
    background: rgba(250,246,232,245); border: 2px solid #c9a23a; border-radius: 10px; }
#panel_winner QLabel, #panel_penalty QLabel, #panel_laydown QLabel, #panel_log QLabel, #panel_round QLabel { color: #2a2010; }
#panel_penalty QLabel, #panel_laydown QLabel { font-size: 12px; }
QLabel#penalty_set { color: #a01010; font-weight: bold; }
QLabel#round_lines { font-size: 12px; }
QLabel#label_winner1 { font-weight: bold; color: #b07800; }
QLabel#label_winner2 { font-weight: bold; color: rgba(60,40,0,90); }
QLabel#winner_note { font-size: 11px; color: #5a4a2a; }
QLabel[heading="true"] { font-weight: bold; font-size: 13px; }
QLabel#label_sitout { background: rgba(250,246,232,235); color: #2a2010; border: 2px solid #c9a23a;
                border-radius: 10px; font-weight: bold; padding: 6px; font-size: 12px; }
QLabel#image_cover { background: rgba(10,20,25,170); }
#mainchat { background: #eff0ca; color: #000000; border: 1px solid #0f181d; border-radius: 4px; }
#mychat { background: #ffffff; border: 1px solid #0f181d; border-radius: 4px; padding: 1px 4px; font-size: 12px; }
QPushButton[phrase="true"] { font-size: 10px; padding: 0; border-radius: 4px; }
#memo_log { background: #ffffff; color: #202020; border: 1px solid #c9b98a; font-size: 12px; }
#panel_cards { background: #5a3216; border-radius: 4px; }
)"));
    // The menus' words in lengths, so that they grow with the table; the
    // buttons of message boxes with room around their words.
    m_baseStyle += keyFocusStyle();
    m_baseStyle += QStringLiteral("QMenuBar, QMenu { font-size: %1px; } QMessageBox QPushButton { padding: 4px 14px; }")
                       .arg(QFontInfo(QApplication::font()).pixelSize());
    setStyleSheet(ScaledLayout::scaledStyleSheet(m_baseStyle, m_scale));
}

void Tchat::showDialog(QDialog* dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void Tchat::showLog(bool on)
{
    panel_log->setVisible(on);
    if (on) panel_log->raise();
    GameLog1->setChecked(on);
}

QString Tchat::chatText() const
{
    return mainchat->toPlainText();
}

QString Tchat::logText() const
{
    return memo_log->toPlainText();
}

void Tchat::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce) return;
    m_shownOnce = true;
    // The preferences are read before anything is hosted or joined (and
    // again as the table arrives at a game): the start choice, the name the
    // player plays with others under, the window's place.
    loadinifile();
    m_savedBounds = bounds();
    centralWidget()->setFocus();
    // Start-up runs once every window exists and the table is on screen.
    QTimer::singleShot(0, this, &Tchat::processparams);
}

void Tchat::closeEvent(QCloseEvent* event)
{
    // Exit, the window's close button or the desktop: a game in play is
    // not thrown away without asking.
    if (!m_closing && !mayQuit()) {
        event->ignore();
        return;
    }
    // A connection that ends from here on ends because the table goes.
    m_closing = true;
    m_reconnector->stop();
    saveBoundsOnClose();
    // The side windows go with the table, so closing it ends the program.
    for (QDialog* side : {static_cast<QDialog*>(m_about), static_cast<QDialog*>(m_gamestart),
                          static_cast<QDialog*>(m_help), static_cast<QDialog*>(m_phrases),
                          static_cast<QDialog*>(m_spylist), static_cast<QDialog*>(m_download),
                          static_cast<QDialog*>(m_tally), static_cast<QDialog*>(m_playWithOthers)})
        side->close();
    QMainWindow::closeEvent(event);
}

bool Tchat::eventFilter(QObject* watched, QEvent* event)
{
    if (tableKeyEvent(watched, event)) return true;
    if (watched == label_played && event->type() == QEvent::MouseButtonPress) {
        showLog(true);
        return true;
    }
    if (watched == mychat && event->type() == QEvent::KeyPress &&
        mychat->text() == mychat->property("prompt").toString())
        mychat->clear();
    if (watched == mychat && event->type() == QEvent::MouseButtonPress &&
        mychat->text() == mychat->property("prompt").toString())
        mychat->clear();
    if (watched == mainchat->viewport()) {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseMove) mainchatMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
        // A press on a link keeps the link selected.
        if (type == QEvent::MouseButtonPress) {
            const auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() == Qt::LeftButton && mainchatMouseDown(press->position().toPoint())) return true;
        }
        // Reading done, typing goes on.
        if (type == QEvent::MouseButtonRelease) mychat->setFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}
