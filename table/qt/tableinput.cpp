// The player's presses: on the board and the rack, the turn's buttons, the
// sort buttons, the seat menus, and the window's size and place. Each
// becomes a request to the table's mirror, whose answer is then shown.
#include "table/qt/chatform.h"

#include "dialogs/gamestartform.h"
#include "table/qt/boardview.h"
#include "table/qt/cardimage.h"
#include "table/tablehint.h"

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
placerules::Completion completionOf(Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ControlModifier) return placerules::Completion::Group;
    if (modifiers & Qt::ShiftModifier) return placerules::Completion::Run;
    return placerules::Completion::None;
}

} // namespace

// ---- board and rack -------------------------------------------------------------

void Tchat::boardMouseDown(Qt::MouseButton button, int x, int y)
{
    takeKeyboard();
    const placerules::PressCell cell = m_scale.cellOfPress(x, y);
    const bool emptyBefore = m_mirror.hand().empty();
    apply(m_mirror.boardMouseDown(pressOf(button), cell.col, cell.row));
    if (m_mirror.hand().empty()) return;
    showDragImageAt(board->pos() + QPoint(x + 3, y + 3));
    if (emptyBefore && button == Qt::LeftButton) beginCarry(board->mapToGlobal(QPoint(x, y)));
}

void Tchat::boardMouseMove(int x, int y)
{
    if (!m_mirror.mayPlay()) return;
    if (m_mirror.hand().empty()) {
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
    const int slot = pressed->tag();
    const bool heldBefore = m_mirror.hand().holdsSlot(slot);
    apply(m_mirror.cardimagesMouseDown(slot, pressOf(button), completionOf(modifiers)));
    // Until the pointer reaches the board the picked tile sits over its card.
    if (!heldBefore && m_mirror.hand().holdsSlot(slot)) {
        if (button == Qt::LeftButton) beginCarry(QCursor::pos());
        showDragImageAt(pressed->mapTo(panel_board, QPoint((pressed->width() - draggingimage->width()) / 2,
                                                           -draggingimage->height() - m_scale.px(4))));
    }
}

// ---- the turn's buttons and clock ----------------------------------------------------

void Tchat::button_clearClick()
{
    apply(m_mirror.button_clearClick());
}

void Tchat::button_finishClick()
{
    apply(m_mirror.button_finishClick());
}

void Tchat::button_drawClick()
{
    apply(m_mirror.button_drawClick());
}

void Tchat::button_yesClick()
{
    apply(m_mirror.button_yesClick());
}

void Tchat::button_editClick()
{
    apply(m_mirror.button_editClick());
}

void Tchat::image_edit2Click()
{
    apply(m_mirror.image_edit2Click());
}

void Tchat::button_pauseClick()
{
    // The button shows whether the clock stands, which is the server's word.
    apply(m_mirror.button_pauseClick());
}

void Tchat::turntimeTimer()
{
    apply(m_mirror.turntimeTimer());
}

// ---- sorting ----------------------------------------------------------------------------

void Tchat::setSortChoice(SortChoice choice)
{
    m_sortChoice = choice;
    button_bynumber->setChecked(choice == SortChoice::ByNumber);
    button_bysuit->setChecked(choice == SortChoice::BySuit);
    m_mirror.setSortByNumber(choice == SortChoice::ByNumber);
}

void Tchat::sortthem()
{
    apply(m_mirror.sortthem());
}

void Tchat::button_bysuitClick()
{
    sortthem();
    playsounds(QStringLiteral("sort"));
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
    RemoveFromGame1->setEnabled(m_mirror.mayRemove(seat));
    SettoJustWatch1->setEnabled(m_mirror.maySeatManage());
    UnsetJustWatch1->setEnabled(m_mirror.maySeatManage());
    m_popupSeat = seat;
}

void Tchat::kicking(int target)
{
    apply(m_mirror.kicking(target));
}

void Tchat::RemoveFromGame1Click()
{
    kicking(m_popupSeat);
}

void Tchat::SettoJustWatch1Click()
{
    apply(m_mirror.setJustWatch(m_popupSeat, true));
}

void Tchat::UnsetJustWatch1Click()
{
    apply(m_mirror.setJustWatch(m_popupSeat, false));
}

void Tchat::JustWatch1Click()
{
    // The menu ticks itself when clicked; showing the mirror puts the mark
    // back, since it follows the server's answer, not the click.
    apply(m_mirror.JustWatch1Click());
}

void Tchat::Hint1Click()
{
    if (!brixo::mayhint(m_mirror)) return;
    const brixo::TableHint hint = brixo::tablehint(m_mirror);
    m_hintSlots = hint.rackSlots;
    m_hintTurn = m_mirror.turnSeat();
    addlinetochat(QString::fromStdString(hint.text), kNoticeColour);
    renderRack();
}

void Tchat::StartGame1Click()
{
    if (!m_mirror.loggedIn()) {
        QMessageBox::information(this, QStringLiteral("Brixo"), QStringLiteral("You are not connected"));
        return;
    }
    // A game in play is not thrown away by a slip of the mouse.
    if (m_mirror.options().known && !m_mirror.startOffered() &&
        QMessageBox::question(this, QStringLiteral("Brixo"),
                              QStringLiteral("A game is being played. End it and start a new game?"),
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
    FormResize();
    applyTableSize();
}

void Tchat::ResetScreenLocation1Click()
{
    showNormal();
    move(3, 3);
    resize(kDefaultWidth, kDefaultHeight);
}
