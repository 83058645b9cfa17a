// The two picture lists every tile is drawn from, indexed by tile code:
// small pictures (20 x 30) for the board, big ones (40 x 60) for the rack.
// Small picture 54 is the mark laid over cells the last finished turn
// changed. The built-in set is drawn here at twice the pixel density, so it
// stays crisp on high-density screens; a tile set's bitmap can replace both
// lists.
//
// A tile set's bitmap holds a band of small pictures, picture i at
// (i * 20, 0), 20 x 30, for i = 0..55, and below it a band of big ones,
// picture i at (i * 40, 31), 40 x 59, stretched to 40 x 60, for i = 0..54.
// White is transparent in both.
#pragma once

#include <QImage>
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

    static constexpr int kBigBandTop = 31;
    static constexpr int kBigBandHeight = 59;
    // The smallest bitmap a tile set may come in.
    static constexpr int kSetMinWidth = 1120;
    static constexpr int kSetMinHeight = 90;

    // How the program draws tiles: its own look, or a plainer one with
    // stronger colours and heavier numbers.
    enum class Style { Classic, Contrast };

    // Draws the built-in set.
    TilePictures();

    // Replaces both lists with the pictures cut from a tile set's bitmap.
    // False, and nothing changes, for a bitmap smaller than a set.
    bool loadSet(const QImage& bitmap);
    // A whole set drawn by the program in the tile set layout, white
    // around the tiles.
    static QImage drawSet(Style style);

    // An empty (transparent) picture for an index outside the list.
    const QPixmap& small(int index) const;
    const QPixmap& big(int index) const;

    // The built-in pictures, also used to draw single tiles elsewhere.
    static QPixmap drawTile(int code, int width, int height, qreal scale, Style style = Style::Classic);
    static QPixmap drawMark(int width, int height, qreal scale);

    QVector<QPixmap> imagelist_smallcards;
    QVector<QPixmap> imagelist_bigcards;

private:
    QPixmap m_emptySmall;
    QPixmap m_emptyBig;
};
