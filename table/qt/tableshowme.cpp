// Show Me at a person's pace: each step's tile is lifted, seen on its way
// from its rack place or its cell to the cell it goes to, and put down,
// about four steps a second. The mirror makes the moves and decides when
// the run ends; the window keeps the time and draws the tile travelling.
#include "table/qt/chatform.h"

#include "table/qt/boardview.h"
#include "table/qt/cardimage.h"

#include <QAction>
#include <QEasingCurve>
#include <QLabel>
#include <QTimer>
#include <QVariantAnimation>

namespace {

// A step takes a quarter of a second: the tile on its way, then a rest
// before the next is lifted.
constexpr int kFlightMs = 170;
constexpr int kRestMs = 80;
// While the server's word on the last step is awaited: the mirror's
// patience (ShowMe::kMostWaits calls) is counted at this pace.
constexpr int kWaitMs = 125;

using Mirror = brixo::TableMirror;

} // namespace

void Tchat::buildShowMe()
{
    showmetimer = new QTimer(this);
    showmetimer->setObjectName(QStringLiteral("showmetimer"));
    showmetimer->setSingleShot(true);
    connect(showmetimer, &QTimer::timeout, this, &Tchat::showmetimerTimer);
    m_showMeFlight = new QVariantAnimation(this);
    m_showMeFlight->setObjectName(QStringLiteral("showmeflight"));
    m_showMeFlight->setDuration(kFlightMs);
    m_showMeFlight->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_showMeFlight, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& at) { draggingimage->move(at.toPoint()); });
    connect(m_showMeFlight, &QVariantAnimation::finished, this, &Tchat::showMeLanded);
}

void Tchat::ShowMe1Click()
{
    takeKeyboard();
    m_carry = {};
    request([](Mirror& m) { return m.showMe(); });
    if (mirror().showingMe()) showmetimer->start(0);
}

// Lifts the next step's tile, or waits for the server's word on the last.
void Tchat::showmetimerTimer()
{
    request([](Mirror& m) { return m.showMeNext(); });
    if (const auto step = mirror().showMeInHand()) flyShowMeTile(*step);
    else if (mirror().showingMe()) showmetimer->start(kWaitMs);
}

void Tchat::flyShowMeTile(const brixo::ShowMeStep& step)
{
    const QSize tile = draggingimage->size();
    const bool place = step.kind == brixo::ShowMeStep::Kind::Place;
    QPoint from;
    if (const CardImage* card = place ? m_cards.value(step.slot.number()) : nullptr)
        from = card->mapTo(panel_board, QPoint(card->width() - tile.width(), card->height() - tile.height()) / 2);
    else
        from = board->mapTo(panel_board, board->cellRect(step.from).topLeft());
    const QPoint to = board->mapTo(panel_board, board->cellRect(step.to).topLeft());
    showDragImageAt(from);
    m_showMeFlight->setStartValue(from);
    m_showMeFlight->setEndValue(to);
    m_showMeFlight->start();
}

// The tile is over its cell: it goes down there.
void Tchat::showMeLanded()
{
    request([](Mirror& m) { return m.showMeNext(); });
    if (mirror().showingMe()) showmetimer->start(kRestMs);
}

// A run the mirror ended (a press, a turn's end, a refused step) stops
// the clock and the tile on its way; the tile has gone back already.
void Tchat::renderShowMe()
{
    if (!showmetimer) return; // still being built
    ShowMe1->setEnabled(mirror().mayShowMe() || mirror().showingMe());
    ShowMe1->setText(mirror().showingMe() ? tr("Stop Show Me") : tr("Show Me"));
    if (mirror().showingMe()) return;
    showmetimer->stop();
    m_showMeFlight->stop();
}
