// The two picture lists every tile is drawn from, indexed by tile code:
// small pictures (20 x 30) for the board, big ones (40 x 60) for the rack.
// Small picture 54 is the mark laid over cells the last finished turn
// changed. The built-in set is drawn here at twice the pixel density, so it
// stays crisp on high-density screens; a tile set read from a file can
// later replace both lists.
#pragma once

#include <QPixmap>
#include <QVector>

class TilePictures {
public:
    static constexpr int kSmallWidth = 20;
    static constexpr int kSmallHeight = 30;
    static constexpr int kBigWidth = 40;
    static constexpr int kBigHeight = 60;
    static constexpr int kMark = 54;
    static constexpr int kSmallCount = 56; // 0..55
    static constexpr int kBigCount = 55;   // 0..54

    // Draws the built-in set.
    TilePictures();

    // An empty (transparent) picture for an index outside the list.
    const QPixmap& small(int index) const;
    const QPixmap& big(int index) const;

    // The built-in pictures, also used to draw single tiles elsewhere.
    static QPixmap drawTile(int code, int width, int height, qreal scale);
    static QPixmap drawMark(int width, int height, qreal scale);

    QVector<QPixmap> imagelist_smallcards;
    QVector<QPixmap> imagelist_bigcards;

private:
    QPixmap m_emptySmall;
    QPixmap m_emptyBig;
};
