// How the tiles and the board look, for players who cannot tell the tile
// colours apart or want a plainer, starker table: each colour's symbol on
// its tiles, and the high contrast look (strong colour-blind-safe inks on a
// flat tile face, a nearly black board with a clear grid). Both are kept in
// the settings file.
#include "table/qt/chatform.h"
#include "table/qt/captions.h"

#include "resources/qt/artwork.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

void Tchat::buildLookMenu(QMenu* view)
{
    view->addSeparator();
    Symbols1 = withCaption(view->addAction(QString()), [] { return tr("Colour Symbols"); });
    Symbols1->setObjectName(QStringLiteral("Symbols1"));
    captions::statusTip(Symbols1, [] {
        return tr("A shape for each colour on the tiles: Green circle, Orange square, "
                  "Red triangle, Black diamond");
    });
    Symbols1->setCheckable(true);
    Symbols1->setChecked(m_settings.symbols);
    connect(Symbols1, &QAction::triggered, this, &Tchat::Symbols1Click);
    HighContrast1 = withCaption(view->addAction(QString()), [] { return tr("High Contrast"); });
    HighContrast1->setObjectName(QStringLiteral("HighContrast1"));
    captions::statusTip(HighContrast1,
                        [] { return tr("Strong tile colours that colour-blind eyes tell apart, on a dark board"); });
    HighContrast1->setCheckable(true);
    HighContrast1->setChecked(m_settings.highContrast);
    connect(HighContrast1, &QAction::triggered, this, &Tchat::HighContrast1Click);
}

void Tchat::Symbols1Click(bool on)
{
    m_settings.symbols = on;
    applyLook();
    saveinifile();
}

void Tchat::HighContrast1Click(bool on)
{
    m_settings.highContrast = on;
    applyLook();
    saveinifile();
}

// The tiles are drawn again only when their look changed; a loaded tile
// set keeps its own colours and gets the symbols laid over it.
void Tchat::applyLook()
{
    Symbols1->setChecked(m_settings.symbols);
    HighContrast1->setChecked(m_settings.highContrast);
    const TilePictures::Look look{
        m_settings.highContrast ? TilePictures::Style::HighContrast : TilePictures::Style::Classic, m_settings.symbols};
    boardimage->setPixmap(artwork::felt(m_settings.highContrast));
    if (look == m_pictures.look()) return;
    m_pictures.setLook(look);
    redrawTiles();
}
