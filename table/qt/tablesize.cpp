// The table at the size the player chose: every part of the 100 % layout
// multiplied by one factor, the board and rack drawn at it, the text grown
// with it; or, fitted to the window, as large as the window allows.
#include "table/qt/chatform.h"

#include "resources/qt/artwork.h"
#include "table/qt/boardview.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace {

// The board panel with its margins at 100 %: 8 left, 4 above, 15 right and
// 12 below.
constexpr int kMarginLeft = 8;
constexpr int kMarginTop = 4;
constexpr int kBaseWidth = 750 + 8 + 15;
constexpr int kBaseHeight = 520 + 4 + 12;

} // namespace

void Tchat::TableSize1Click(int percent)
{
    m_settings.tableSize = percent;
    applyTableSize();
    saveinifile();
}

QSize Tchat::roomOnScreen() const
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return {kBaseWidth, kBaseHeight};
    const QSize work = s->availableGeometry().size();
    const QSize frame = frameGeometry().size() - geometry().size();
    return {work.width() - frame.width(), work.height() - frame.height() - menuBar()->sizeHint().height()};
}

void Tchat::applyTableSize()
{
    if (!panel_board) return; // still being built
    for (QAction* size : TableSize1->actions()) size->setChecked(size->data().toInt() == m_settings.tableSize);
    const QSize room = m_settings.tableSize == brixo::TableScale::kFitToWindow ? centralWidget()->size() : roomOnScreen();
    const brixo::TableScale scale(
        brixo::TableScale::forChoice(m_settings.tableSize, room.width(), room.height(), kBaseWidth, kBaseHeight));
    if (scale == m_scale) {
        placeBoardPanel();
        return;
    }
    m_scale = scale;
    m_layout.apply(m_scale);
    // The font first: setting the style sheet afterwards styles every part
    // anew from it.
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * m_scale.factor());
    centralWidget()->setFont(font);
    setStyleSheet(ScaledLayout::scaledStyleSheet(m_baseStyle, m_scale));
    rack_wood->setPixmap(artwork::rackWood(rack_wood->width(), rack_wood->height()));
    board->setScale(m_scale);
    m_pictures.setDensity(m_scale.factor() * devicePixelRatio());
    redrawTiles();
    showTextSize();
    // Texts fitted to their labels are fitted again at the new size.
    label_status->clear();
    label_winner1->clear();
    FormResize();
    placeBoardPanel();
    render();
}

// The board panel keeps its margins, and stands in the middle of a window
// wider or taller than it needs.
void Tchat::placeBoardPanel()
{
    const QSize room = centralWidget()->size();
    const int x = qMax(m_scale.px(kMarginLeft), (room.width() - panel_board->width()) / 2);
    const int y = qMax(m_scale.px(kMarginTop), (room.height() - panel_board->height()) / 2);
    panel_board->move(x, y);
}
