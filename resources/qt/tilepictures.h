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
//
// Each colour may also carry its own symbol, for players who cannot tell
// the colours apart: Green a circle, Orange a square, Red a triangle, Black
// a diamond. The built-in pictures draw it under the number; a tile set's
// pictures get it laid over their top left corner.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <QPointF>
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

    // How the program draws tiles: its own look, a plainer one with
    // stronger colours and heavier numbers, or that one in colours that
    // colour-blind eyes keep apart too.
    enum class Style { Classic, Contrast, HighContrast };
    struct Look {
        Style style = Style::Classic; // of the built-in pictures only
        bool symbols = true;
        bool operator==(const Look&) const = default;
    };

    // Draws the built-in set.
    explicit TilePictures(Look look);
    TilePictures() : TilePictures(Look{}) {}

    // Draws the lists again in another look; a loaded tile set stays, with
    // or without the symbols over it.
    void setLook(Look look);
    Look look() const { return m_look; }
    // Device pixels per picture pixel to draw the built-in pictures at, so
    // they stay sharp on a table drawn larger; never below 2.
    void setDensity(qreal density);
    // Draws the built-in pictures again: the wild tile's word follows the
    // player's language.
    void redraw() { draw(); }

    // Replaces both lists with the pictures cut from a tile set's bitmap.
    // False, and nothing changes, for a bitmap smaller than a set.
    bool loadSet(const QImage& bitmap);
    // Back to the built-in pictures after a tile set.
    void useBuiltIn();
    // A whole set drawn by the program in the tile set layout, white
    // around the tiles. It has no symbols: the table lays them over any
    // set when the player wants them.
    static QImage drawSet(Style style);

    // An empty (transparent) picture for an index outside the list.
    const QPixmap& small(int index) const;
    const QPixmap& big(int index) const;

    // The built-in pictures, also used to draw single tiles elsewhere.
    static QPixmap drawTile(int code, int width, int height, qreal scale, Look look);
    static QPixmap drawTile(int code, int width, int height, qreal scale)
    {
        return drawTile(code, width, height, scale, Look{});
    }
    static QPixmap drawMark(int width, int height, qreal scale);
    // The outline of a colour's symbol (colour 1..4, as getsuit gives it),
    // centred on a point, about `size` across; empty for any other colour.
    static QPainterPath symbolPath(int colour, QPointF centre, qreal size);

    QVector<QPixmap> imagelist_smallcards;
    QVector<QPixmap> imagelist_bigcards;

private:
    void draw();

    Look m_look;
    qreal m_density;
    // The loaded tile set's pictures as its bitmap has them; empty for the
    // built-in set.
    QVector<QPixmap> m_setSmall;
    QVector<QPixmap> m_setBig;
    QPixmap m_emptySmall;
    QPixmap m_emptyBig;
};
