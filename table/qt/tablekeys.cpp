// The whole game by keyboard. The keyboard's focus (KeyFocus) stands on a
// rack tile or a board cell; the arrows move it, Enter or Space press there
// exactly as the left mouse button does (Shift and Ctrl choosing a run's or
// a group's completion), Delete asks a board tile back into the rack as a
// right press does, and Esc puts a held tile back (the Turn menu's item).
// Tab and Shift+Tab go round the rack, the board, the seats, the buttons
// and the chat. The menus get their Alt letters here too.
#include "table/qt/chatform.h"

#include "table/qt/boardview.h"
#include "table/qt/cardimage.h"
#include "table/qt/tableaccessible.h"
#include "table/racklayout.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTextEdit>

#include <algorithm>

namespace {

// Where the rack and the board's cells lie in the board panel at 100 %.
constexpr int kRackLeft = 5;
constexpr int kBoardLeft = 11;
constexpr int kCellWidth = 20;

std::optional<brixo::KeyFocus::Arrow> arrowOf(int key)
{
    using Arrow = brixo::KeyFocus::Arrow;
    switch (key) {
    case Qt::Key_Left: return Arrow::Left;
    case Qt::Key_Right: return Arrow::Right;
    case Qt::Key_Up: return Arrow::Up;
    case Qt::Key_Down: return Arrow::Down;
    default: return std::nullopt;
    }
}

bool isPress(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

// Shift lays a run with the tile, Ctrl a group, as with the mouse.
brixo::placerules::Completion keyCompletion(Qt::KeyboardModifiers modifiers)
{
    using brixo::placerules::Completion;
    if (modifiers & Qt::ControlModifier) return Completion::Group;
    if (modifiers & Qt::ShiftModifier) return Completion::Run;
    return Completion::None;
}

// Gives every item of a menu an Alt letter that none before it in the menu
// took, preferring the first letters of its words; captions that carry one
// already keep it. Captions are left as they read.
void giveMnemonics(const QList<QAction*>& actions)
{
    QString taken;
    const auto letterAt = [](const QString& text) {
        const int amp = text.indexOf(QLatin1Char('&'));
        return amp >= 0 && amp + 1 < text.size() && text[amp + 1] != QLatin1Char('&') ? text[amp + 1].toLower() : QChar();
    };
    for (QAction* a : actions)
        if (const QChar c = letterAt(a->text()); !c.isNull()) taken += c;
    for (QAction* a : actions) {
        const QString text = a->text();
        if (a->isSeparator() || text.isEmpty() || !letterAt(text).isNull()) continue;
        int chosen = -1;
        for (int pass = 0; pass < 2 && chosen < 0; ++pass) {
            for (int i = 0; i < text.size() && chosen < 0; ++i) {
                const bool wordStart = i == 0 || !text[i - 1].isLetterOrNumber();
                if (!text[i].isLetterOrNumber() || (pass == 0 && !wordStart)) continue;
                if (!taken.contains(text[i].toLower())) chosen = i;
            }
        }
        if (chosen < 0) continue;
        taken += text[chosen].toLower();
        QString marked = text;
        marked.insert(chosen, QLatin1Char('&'));
        a->setText(marked);
    }
}

} // namespace

void Tchat::buildKeys()
{
    // The table's own parts take the keys by Tab, never from a click, so
    // the mouse player sees no key frame.
    auto* seats = panel_board->findChild<QFrame*>(QStringLiteral("panel_seats"));
    for (QWidget* w : {static_cast<QWidget*>(panel_cards), static_cast<QWidget*>(board), static_cast<QWidget*>(seats)}) {
        w->setFocusPolicy(Qt::TabFocus);
        w->installEventFilter(this);
    }
    centralWidget()->installEventFilter(this);
    // A screen reader follows the key focus over the board's cells.
    connect(board, &BoardView::keyCellChanged, this, [this] {
        if (const auto cell = board->keyCell(); cell && board->hasFocus()) notifyBoardCellFocus(board, *cell);
    });

    // Tab goes round the window in reading order; hidden and disabled parts
    // are passed by.
    const auto button = [this](const char* name) { return panel_board->findChild<QPushButton*>(QLatin1String(name)); };
    std::vector<QWidget*> order{panel_cards, board, seats};
    for (const char* name : {"button_draw", "button_finish", "button_clear", "button_yes", "button_edit", "image_edit2",
                             "button_x", "button_pause", "button_start", "button_bynumber", "button_bysuit",
                             "button_copyroom", "button_sound", "button_stopreconnect", "button_log"})
        if (QPushButton* b = button(name)) order.push_back(b);
    for (int n = 1; n <= brixo::kPhraseCount; ++n) order.push_back(b_phrase[n]);
    order.push_back(mainchat);
    order.push_back(mychat);
    for (QWidget* w : order) {
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            b->setFocusPolicy(Qt::TabFocus);
            // Enter presses a focused button as Space does.
            b->setAutoDefault(true);
        }
    }
    mainchat->setTabChangesFocus(true);
    mainchat->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    // F10 opens the menus, as on most desktops; Alt and the letters too.
    auto* menus = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menus, &QShortcut::activated, this, [this] {
        const QList<QAction*> titles = menuBar()->actions();
        if (titles.isEmpty()) return;
        menuBar()->setFocus(Qt::MenuBarFocusReason);
        menuBar()->setActiveAction(titles.first());
    });
    giveMenusMnemonics();
    menuBar()->installEventFilter(this);
}

void Tchat::giveMenusMnemonics()
{
    giveMnemonics(menuBar()->actions());
    for (QMenu* menu : findChildren<QMenu*>()) {
        giveMnemonics(menu->actions());
        // Menus filled again later (the tile sets) get theirs as they open.
        if (menu->property("mnemonicsKept").toBool()) continue;
        menu->setProperty("mnemonicsKept", true);
        connect(menu, &QMenu::aboutToShow, menu, [menu] { giveMnemonics(menu->actions()); });
    }
}

QString Tchat::keyFocusStyle()
{
    // The key frame of the buttons, the seats, the chat and the side
    // windows' boxes and lists (the table's style reaches them): a bright
    // band that shows on the dark panels and the light buttons alike.
    return QStringLiteral(R"(
QPushButton:focus, QLineEdit:focus, QTextEdit:focus, QPlainTextEdit:focus, QListWidget:focus, QTreeWidget:focus {
    border: 3px solid #ffd400; }
QFrame[seatRow="true"][keyFocused="true"] { border: 3px solid #ffd400; }
)");
}

bool Tchat::tableKeyEvent(QObject* watched, QEvent* event)
{
    // Captions changed (a language switch): their Alt letters again.
    if (watched == menuBar() && event->type() == QEvent::LanguageChange) {
        QMetaObject::invokeMethod(this, &Tchat::giveMenusMnemonics, Qt::QueuedConnection);
        return false;
    }
    const auto* part = qobject_cast<QWidget*>(watched);
    const bool onRack = watched == panel_cards;
    const bool onBoard = watched == board;
    const bool onSeats = part && part->objectName() == QStringLiteral("panel_seats");
    if (!onRack && !onBoard && !onSeats && watched != centralWidget()) return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (onRack) m_keys.enterRack();
        if (onBoard) m_keys.enterBoard();
        showKeyFocus();
        return false;
    case QEvent::FocusOut: {
        // Between the rack and the board the focus model already moved.
        const QWidget* next = QApplication::focusWidget();
        if ((onRack || onBoard) && next != panel_cards && next != board) m_keys.leave();
        showKeyFocus();
        return false;
    }
    case QEvent::KeyPress:
        return tableKeyPress(static_cast<QKeyEvent*>(event), onRack, onBoard, onSeats);
    default:
        return false;
    }
}

bool Tchat::tableKeyPress(QKeyEvent* key, bool onRack, bool onBoard, bool onSeats)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (onSeats) return seatKeyPress(key->key(), modifiers);
    const std::optional<brixo::KeyFocus::Arrow> arrow = arrowOf(key->key());
    // From the table itself (after a click) the arrows come to the rack.
    if (!onRack && !onBoard) {
        if (!arrow || modifiers != Qt::NoModifier) return false;
        panel_cards->setFocus(Qt::TabFocusReason);
        return true;
    }
    // Keys reach a part whose focus event a window in the background never saw.
    if (onRack && m_keys.area() != brixo::KeyFocus::Area::Rack) m_keys.enterRack();
    if (onBoard && m_keys.area() != brixo::KeyFocus::Area::Board) m_keys.enterBoard();
    if (arrow && modifiers == Qt::NoModifier) {
        m_keys.move(*arrow);
        const bool nowRack = m_keys.area() == brixo::KeyFocus::Area::Rack;
        if (nowRack != onRack) (nowRack ? static_cast<QWidget*>(panel_cards) : board)->setFocus(Qt::OtherFocusReason);
        showKeyFocus();
        showHeldAtKeyFocus();
        return true;
    }
    if (isPress(key->key()) && !(modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier))) {
        if (onRack) keyPressRackTile(keyCompletion(modifiers));
        else keyPressBoard(brixo::Press::Left);
        return true;
    }
    if (onBoard && (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) && modifiers == Qt::NoModifier) {
        keyPressBoard(brixo::Press::Right);
        return true;
    }
    return false;
}

void Tchat::keyPressRackTile(brixo::placerules::Completion completion)
{
    const brixo::RackSlot slot = m_keys.rackTile();
    if (!slot.valid()) return;
    request([&](brixo::TableMirror& m) { return m.pressRackTile(slot, brixo::Press::Left, completion); });
    showHeldAtKeyFocus();
}

void Tchat::keyPressBoard(brixo::Press press)
{
    const std::optional<brixo::BoardCell> cell = m_keys.cell();
    if (!cell) return;
    request([&](brixo::TableMirror& m) { return m.pressBoard(press, *cell); });
    showHeldAtKeyFocus();
}

// The held tile is seen where the keys would put it down: beside the
// focused cell, or over its card while the rack has the keys.
void Tchat::showHeldAtKeyFocus()
{
    if (mirror().hand().empty() || mirror().showingMe()) return;
    if (const std::optional<brixo::BoardCell> cell = m_keys.cell()) {
        const QRect at = board->cellRect(*cell);
        showDragImageAt(board->pos() + at.center() + QPoint(m_scale.px(6), m_scale.px(8)));
        return;
    }
    if (CardImage* held = card(mirror().hand().slot.number()); held && m_keys.area() == brixo::KeyFocus::Area::Rack)
        showDragImageAt(held->mapTo(panel_board, QPoint((held->width() - draggingimage->width()) / 2,
                                                        -draggingimage->height() - m_scale.px(4))));
}

bool Tchat::seatKeyPress(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers != Qt::NoModifier && !(key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) return false;
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        m_keySeat = std::clamp(m_keySeat + (key == Qt::Key_Up ? -1 : 1), 1, 4);
        showKeyFocus();
        return true;
    }
    // The seat's menu, as a right click on its name opens it.
    if (isPress(key) || key == Qt::Key_Menu || key == Qt::Key_F10) {
        const int seat = m_keySeat;
        QLabel* name = label_playername[seat];
        label_playername1ContextPopup(seat);
        popup_kick->exec(name->mapToGlobal(QPoint(0, name->height())));
        return true;
    }
    return false;
}

void Tchat::showKeyFocus()
{
    // The rack as shown, each tile with the board column above its middle.
    const brixo::RackPositions& places = mirror().rackPositions();
    const std::vector<racklayout::Spot> spots = racklayout::spots(places.count());
    std::vector<brixo::KeyFocus::RackTile> shown;
    for (int p = 1; p <= places.count() && p <= int(spots.size()); ++p) {
        const brixo::RackSlot slot = places.slotAt(p);
        if (!slot.valid() || mirror().awaitingFree(slot)) continue;
        const racklayout::Spot& spot = spots[std::size_t(p - 1)];
        const int middle = kRackLeft + spot.x + spot.width / 2 - kBoardLeft;
        const int column = std::clamp(middle / kCellWidth + 1, brixo::KeyFocus::kFirstColumn, brixo::KeyFocus::kLastColumn);
        shown.push_back({slot, column});
    }
    m_keys.setRack(std::move(shown));

    board->setKeyCell(m_keys.cell());
    const brixo::RackSlot focused = m_keys.rackTile();
    for (CardImage* c : std::as_const(m_cards)) c->setKeyFocused(focused.valid() && c->tag() == focused.number());
    const auto* seats = panel_board->findChild<QFrame*>(QStringLiteral("panel_seats"));
    for (const brixo::Seat place : brixo::Seat::all()) {
        auto* row = panel_board->findChild<QFrame*>(QStringLiteral("seat_row") + QString::number(place.number()));
        const bool on = row && seats->hasFocus() && place.number() == m_keySeat;
        if (!row || row->property("keyFocused").toBool() == on) continue;
        row->setProperty("keyFocused", on);
        row->style()->unpolish(row);
        row->style()->polish(row);
    }
}
