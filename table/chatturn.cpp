// The controls of a turn (clear, finish, draw, the penalty question, the
// first-lay-down notice, pause), the turn clock, sorting the rack, and the
// window's size and place.
#include "table/chatform.h"

#include "net/catalogue.h"
#include "table/blinksign.h"
#include "table/cardimage.h"
#include "table/racksort.h"
#include "table/seattext.h"

#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>

namespace {
const QString kClockColour = QStringLiteral("color: #e0e39d;");
const QString kClockRed = QStringLiteral("color: #ff0000;");
} // namespace

// ---- turn buttons -------------------------------------------------------------

void Tchat::button_clearClick()
{
    if (!myTurn()) return;
    if (m_handSlot != -1) {
        refuse(QStringLiteral("You cannot clear when you have a tile in your hand."));
        return;
    }
    if (m_loggedIn) send(brixo::msg::undothemRequest(m_mySeat));
}

void Tchat::button_finishClick()
{
    if (!myTurn()) return;
    if (m_handSlot != -1) {
        refuse(QStringLiteral("You cannot end your turn when you have a tile in your hand."));
        return;
    }
    if (m_loggedIn) send(brixo::msg::finish(m_mySeat));
    for (QWidget* w : {static_cast<QWidget*>(panel_penalty), static_cast<QWidget*>(panel_laydown),
                       static_cast<QWidget*>(button_clear), static_cast<QWidget*>(button_finish),
                       static_cast<QWidget*>(button_draw)})
        w->hide();
}

void Tchat::button_drawClick()
{
    if (!myTurn()) return;
    if (m_handSlot != -1) {
        refuse(QStringLiteral("You cannot draw a tile when you have a tile in your hand."));
        return;
    }
    if (m_loggedIn) send(brixo::msg::drawcard(m_mySeat));
    for (QWidget* w : {static_cast<QWidget*>(panel_penalty), static_cast<QWidget*>(panel_laydown),
                       static_cast<QWidget*>(button_clear), static_cast<QWidget*>(button_finish),
                       static_cast<QWidget*>(button_draw)})
        w->hide();
}

void Tchat::button_yesClick()
{
    panel_penalty->hide();
    if (!myTurn()) return;
    if (m_loggedIn) send(brixo::msg::clickyes(m_mySeat));
    playsounds(QStringLiteral("pressyes"));
}

void Tchat::button_editClick()
{
    panel_penalty->hide();
    if (!myTurn()) return;
    button_clear->show();
    button_finish->show();
    playsounds(QStringLiteral("pressedit"));
}

void Tchat::image_edit2Click()
{
    panel_laydown->hide();
    if (!myTurn()) return;
    button_clear->show();
    button_finish->show();
    playsounds(QStringLiteral("pressedit"));
}

void Tchat::button_pauseClick()
{
    const bool down = button_pause->isChecked();
    // The button shows whether the clock stands, and that is the server's
    // word ("CMD_gamepause"): a request it refuses leaves the button as it was.
    button_pause->setChecked(!image_pause->isHidden());
    send(brixo::msg::pause(m_mySeat, down ? 1 : 0));
}

// ---- the clock ---------------------------------------------------------------------

void Tchat::showClock()
{
    image_timer->resize(m_clock.barWidth(), image_timer->height());
    label_timer->setStyleSheet(m_clock.red() ? kClockRed : kClockColour);
    label_timer->setText(seattext::clockText(m_clock.secondsLeft()));
}

void Tchat::turntimeTimer()
{
    m_clock.tick();
    if (m_clock.running()) {
        showClock();
        if (m_clock.ticksAloud()) playsounds(QStringLiteral("time"));
        return;
    }
    label_timer->setText(QStringLiteral("Time: 0:00"));
    image_timer->resize(0, image_timer->height());
    if (m_clock.serverSilent()) {
        // The server has stayed silent past the turn: offer no more moves.
        m_turnSeat = 0;
        button_clear->hide();
        button_draw->hide();
        button_finish->hide();
        animated_incomplete->hide();
    }
}

// ---- sorting --------------------------------------------------------------------------

void Tchat::sortthem()
{
    racksort::sortthem(m_rackPositions, button_bynumber->isChecked(), [this](int slot) {
        const CardImage* c = card(slot);
        return c ? c->tile() : 0;
    });
    layOutCards();
}

void Tchat::button_bysuitClick()
{
    sortthem();
    playsounds(QStringLiteral("sort"));
    emit settingsChanged();
}

QString Tchat::sortby() const
{
    return button_bysuit->isChecked() ? QStringLiteral("2") : QStringLiteral("1");
}

void Tchat::applySortby(const QString& value)
{
    const bool byNumber = value == QStringLiteral("1");
    button_bynumber->setChecked(byNumber);
    button_bysuit->setChecked(!byNumber);
}

// ---- the window --------------------------------------------------------------------

// The board panel always fits in the window, with its margins.
void Tchat::FormResize()
{
    if (!panel_board || !centralWidget()) return; // still being built
    const QRect panel = panel_board->geometry();
    const QSize client(panel.right() + 1 + 15, panel.bottom() + 1 + 12);
    const QSize now = centralWidget()->size();
    if (now.width() >= client.width() && now.height() >= client.height()) return;
    resize(width() + qMax(0, client.width() - now.width()), height() + qMax(0, client.height() - now.height()));
}

void Tchat::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void Tchat::ResetScreenLocation1Click()
{
    showNormal();
    move(3, 3);
    resize(kDefaultWidth, kDefaultHeight);
}
