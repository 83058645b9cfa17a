// The table at the size the player chose: every part of the 100 % layout
// multiplied by one factor, the board and rack drawn at it, the text, the
// menus and the side windows grown with it; or, fitted to the window, as
// large as the window allows.
#include "table/qt/chatform.h"

#include "resources/qt/artwork.h"
#include "table/qt/boardview.h"
#include "table/qt/sidewindowscale.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <cmath>

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

// The menu bar's text grows with the table; its height at a factor is
// taken as its 100 % height grown by the factor, which its text alone never
// passes.
int Tchat::menuBarHeightAt(double factor) const
{
    return int(std::ceil(m_menuBarHeight * factor));
}

QSize Tchat::roomOnScreen(double factor) const
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return {kBaseWidth, kBaseHeight};
    const QSize work = s->availableGeometry().size();
    const QSize frame = frameGeometry().size() - geometry().size();
    return {work.width() - frame.width(), work.height() - frame.height() - menuBarHeightAt(factor)};
}

// The factor at which the table fits the window below a menu bar grown to
// match. It follows from the window's size alone (the central part and the
// bar together), so the bar's growing does not move it.
double Tchat::fittingFactor() const
{
    const int width = centralWidget()->width();
    const int height = centralWidget()->height() + menuBar()->height();
    const double most = brixo::TableScale::fitting(width, height - m_menuBarHeight, kBaseWidth, kBaseHeight);
    return brixo::TableScale::fitting(width, height - menuBarHeightAt(most), kBaseWidth, kBaseHeight);
}

void Tchat::applyTableSize()
{
    if (!panel_board) return; // still being built
    for (QAction* size : TableSize1->actions()) size->setChecked(size->data().toInt() == m_settings.tableSize);
    double factor = 1.0;
    if (m_settings.tableSize == brixo::TableScale::kFitToWindow) {
        factor = fittingFactor();
    } else {
        const double wanted = m_settings.tableSize / 100.0;
        const QSize room = roomOnScreen(wanted);
        factor = brixo::TableScale::forChoice(m_settings.tableSize, room.width(), room.height(), kBaseWidth, kBaseHeight);
    }
    const brixo::TableScale scale(factor);
    if (scale == m_scale) {
        placeBoardPanel();
        return;
    }
    m_scale = scale;
    m_layout.apply(m_scale);
    // The font first: setting the style sheet afterwards styles every part
    // anew from it.
    centralWidget()->setFont(SideWindowScale::fontAt(m_scale.factor()));
    setStyleSheet(ScaledLayout::scaledStyleSheet(m_baseStyle, m_scale));
    rack_wood->setPixmap(artwork::rackWood(rack_wood->width(), rack_wood->height()));
    board->setScale(m_scale);
    m_pictures.setDensity(m_scale.factor() * devicePixelRatio());
    // Icons are only ever drawn smaller than their pictures: these are
    // drawn for the size they are shown at.
    const qreal density = qMax(2.0, m_scale.factor() * devicePixelRatio());
    button_bynumber->setIcon(QIcon(artwork::sortByNumber(density)));
    button_bysuit->setIcon(QIcon(artwork::sortBySuit(density)));
    m_sideScale->apply(m_scale.factor());
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
