// The player's presses: on the board and the rack, the turn's buttons, the
// sort buttons, the seat menus, and the window's size and place. Each
// becomes a request to the table's mirror, whose answer is then shown.
#include "table/qt/chatform.h"

#include "dialogs/gamestartform.h"
#include "table/qt/boardview.h"
#include "table/qt/cardimage.h"
#include "table/qt/soundplayer.h"

#include <QAction>
#include <QCursor>
#include <QLineEdit>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>

namespace {

brixo::Press pressOf(Qt::MouseButton button)
{
    if (button == Qt::LeftButton) return brixo::Press::Left;
    if (button == Qt::RightButton) return brixo::Press::Right;
    return brixo::Press::Other;
}

// Shift lays a run with the tile, Ctrl a group; Ctrl wins when both are held.
brixo::placerules::Completion completionOf(Qt::KeyboardModifiers modifiers)
{
    using brixo::placerules::Completion;
    if (modifiers & Qt::ControlModifier) return Completion::Group;
    if (modifiers & Qt::ShiftModifier) return Completion::Run;
    return Completion::None;
}

using Mirror = brixo::TableMirror;

} // namespace

// ---- board and rack -------------------------------------------------------------

void Tchat::boardMouseDown(Qt::MouseButton button, int x, int y)
{
    takeKeyboard();
    const brixo::BoardCell cell = m_scale.cellOfPress(x, y);
    const auto side = m_scale.edgeOfPress(x) == cell.col ? brixo::setinsertion::Side::Before
                                                         : brixo::setinsertion::Side::After;
    const bool emptyBefore = mirror().hand().empty();
    request([&](Mirror& m) { return m.pressBoard(pressOf(button), cell, side); });
    if (mirror().hand().empty()) return;
    showDragImageAt(board->pos() + QPoint(x + 3, y + 3));
    if (emptyBefore && button == Qt::LeftButton) beginCarry(board->mapToGlobal(QPoint(x, y)));
}

void Tchat::boardMouseMove(int x, int y)
{
    // The tile Show Me carries goes its own way.
    if (!mirror().mayPlay() || mirror().showingMe()) return;
    if (mirror().hand().empty()) {
        if (board->cursor().shape() == Qt::PointingHandCursor) board->unsetCursor();
        return;
    }
    board->setCursor(Qt::PointingHandCursor);
    showDragImageAt(board->pos() + QPoint(x + 3, y + 3));
    if (m_carry.pressed) carryTo(board->mapToGlobal(QPoint(x, y)));
}

// Playing a tile hands the keys back to the table from the chat line.
void Tchat::takeKeyboard()
{
    if (mychat->hasFocus()) centralWidget()->setFocus();
}

void Tchat::showDragImageAt(const QPoint& inPanel)
{
    draggingimage->move(inPanel);
    draggingimage->show();
    draggingimage->raise();
}

void Tchat::cardimagesMouseDown(CardImage* pressed, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (!pressed) return;
    takeKeyboard();
    const brixo::RackSlot slot(pressed->tag());
    const bool heldBefore = mirror().hand().holdsSlot(slot);
    request([&](Mirror& m) { return m.pressRackTile(slot, pressOf(button), completionOf(modifiers)); });
    // Until the pointer reaches the board the picked tile sits over its card.
    if (!heldBefore && mirror().hand().holdsSlot(slot)) {
        if (button == Qt::LeftButton) beginCarry(QCursor::pos());
        showDragImageAt(pressed->mapTo(panel_board, QPoint((pressed->width() - draggingimage->width()) / 2,
                                                           -draggingimage->height() - m_scale.px(4))));
    }
}

// ---- the turn's buttons and clock ----------------------------------------------------

void Tchat::button_clearClick()
{
    request([](Mirror& m) { return m.clearTurn(); });
}

void Tchat::button_finishClick()
{
    request([](Mirror& m) { return m.finishTurn(); });
}

void Tchat::button_drawClick()
{
    request([](Mirror& m) { return m.drawTile(); });
}

void Tchat::button_yesClick()
{
    request([](Mirror& m) { return m.acceptPenalty(); });
}

void Tchat::button_editClick()
{
    request([](Mirror& m) { return m.keepEditing(); });
}

void Tchat::image_edit2Click()
{
    request([](Mirror& m) { return m.keepEditing(); });
}

void Tchat::button_pauseClick()
{
    // The button shows whether the clock stands, which is the server's word.
    request([](Mirror& m) { return m.togglePause(); });
}

void Tchat::turntimeTimer()
{
    request([](Mirror& m) { return m.clockTick(); });
}

// ---- sorting ----------------------------------------------------------------------------

void Tchat::setSortChoice(SortChoice choice)
{
    m_sortChoice = choice;
    button_bynumber->setChecked(choice == SortChoice::ByNumber);
    button_bysuit->setChecked(choice == SortChoice::BySuit);
    applyPreferences();
}

void Tchat::sortthem()
{
    request([](Mirror& m) { return m.sortRack(); });
}

void Tchat::button_bysuitClick()
{
    sortthem();
    m_sounds->play(QStringLiteral("sort"));
    emit settingsChanged();
}

QString Tchat::sortby() const
{
    return m_sortChoice == SortChoice::BySuit ? QStringLiteral("2") : QStringLiteral("1");
}

void Tchat::applySortby(const QString& value)
{
    setSortChoice(value == QStringLiteral("1") ? SortChoice::ByNumber : SortChoice::BySuit);
}

// ---- seat management and the game menu ----------------------------------------------------

void Tchat::label_playername1ContextPopup(int seat)
{
    RemoveFromGame1->setEnabled(mirror().mayRemove(brixo::Slot(seat)));
    SettoJustWatch1->setEnabled(mirror().maySeatManage());
    UnsetJustWatch1->setEnabled(mirror().maySeatManage());
    m_popupSeat = seat;
}

void Tchat::kicking(int target)
{
    request([&](Mirror& m) { return m.removeFromGame(brixo::Slot(target)); });
}

void Tchat::RemoveFromGame1Click()
{
    kicking(m_popupSeat);
}

void Tchat::SettoJustWatch1Click()
{
    request([this](Mirror& m) { return m.setSeatWatching(brixo::Seat(m_popupSeat), true); });
}

void Tchat::UnsetJustWatch1Click()
{
    request([this](Mirror& m) { return m.setSeatWatching(brixo::Seat(m_popupSeat), false); });
}

void Tchat::JustWatch1Click()
{
    // The menu ticks itself when clicked; showing the mirror puts the mark
    // back, since it follows the server's answer, not the click.
    request([](Mirror& m) { return m.toggleJustWatch(); });
}

void Tchat::Hint1Click()
{
    request([](Mirror& m) { return m.askHint(); });
}

void Tchat::StartGame1Click()
{
    if (!mirror().loggedIn()) {
        QMessageBox::information(this, QStringLiteral("Brixo"), tr("You are not connected"));
        return;
    }
    // A game in play is not thrown away by a slip of the mouse.
    if (mirror().gameRunning() &&
        QMessageBox::question(this, QStringLiteral("Brixo"), tr("A game is being played. End it and start a new game?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    m_gamestart->show();
    m_gamestart->raise();
    m_gamestart->activateWindow();
}

// ---- the window -------------------------------------------------------------------------

// The board panel always fits in the window, with its margins.
void Tchat::FormResize()
{
    if (!panel_board || !centralWidget()) return; // still being built
    const QSize client(panel_board->width() + m_scale.px(8) + m_scale.px(15),
                       panel_board->height() + m_scale.px(4) + m_scale.px(12));
    const QSize now = centralWidget()->size();
    if (now.width() >= client.width() && now.height() >= client.height()) return;
    resize(width() + qMax(0, client.width() - now.width()), height() + qMax(0, client.height() - now.height()));
}

void Tchat::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // Fitted to the window, the table takes the new size first and then
    // always fits; at a fixed size the window grows to hold it.
    applyTableSize();
    FormResize();
}

void Tchat::ResetScreenLocation1Click()
{
    showNormal();
    placeFirst();
}
