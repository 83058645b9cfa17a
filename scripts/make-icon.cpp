// Draws the program's icon with the game's own tiles: a fan of three 7s
// in three colours, or one tile at the sizes where three would not read.
// The committed resources/icons/brixo-N.png come from it.
//
//   make_icon OUTFOLDER        (writes brixo-16.png ... brixo-256.png)
#include "resources/qt/tilepictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtMath>

#include <cstdio>

namespace {

constexpr int kOrange7 = 14 + 6;
constexpr int kRed7 = 27 + 6;
constexpr int kBlack7 = 40 + 6;

// One tile of the given height whose foot is centred on the origin.
void drawStandingTile(QPainter& p, int code, qreal height)
{
    const qreal width = height * TilePictures::kBigWidth / TilePictures::kBigHeight;
    // Drawn at twice the pixels it will take, then scaled smoothly.
    const qreal scale = 2.0 * height / TilePictures::kBigHeight;
    const QPixmap tile = TilePictures::drawTile(code, TilePictures::kBigWidth, TilePictures::kBigHeight, scale);
    p.drawPixmap(QRectF(-width / 2, -height, width, height), tile, QRectF(tile.rect()));
}

// The fan on a canvas of its own, then fitted into the icon with a small
// margin, so no tile is cut whatever the angles.
QImage drawFan(qreal height)
{
    const int side = qCeil(height * 3);
    QImage fan(side, side, QImage::Format_ARGB32_Premultiplied);
    fan.fill(Qt::transparent);
    QPainter p(&fan);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The tiles turn about a point below their feet, as tiles held in a hand.
    const qreal pivotBelow = height * 0.9;
    const int codes[] = {kOrange7, kBlack7, kRed7};
    const qreal angles[] = {-20.0, 20.0, 0.0};  // the middle tile last, on top
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(side / 2.0, side * 0.9);
        p.rotate(angles[i]);
        p.translate(0, -pivotBelow);
        drawStandingTile(p, codes[i], height);
        p.restore();
    }
    return fan;
}

QRect opaqueArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 8) area |= QRect(x, y, 1, 1);
    return area;
}

QImage drawIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (size <= 32) {
        p.translate(size / 2.0, size);
        drawStandingTile(p, kRed7, size);
        return icon;
    }
    const QImage fan = drawFan(size * 2.0);
    const QRect area = opaqueArea(fan);
    const qreal room = size * 0.94;
    const qreal scale = qMin(room / area.width(), room / area.height());
    const QSizeF fitted(area.width() * scale, area.height() * scale);
    const QRectF target(QPointF((size - fitted.width()) / 2, (size - fitted.height()) / 2), fitted);
    p.drawImage(target, fan, QRectF(area));
    return icon;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTFOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString file = folder.filePath(QStringLiteral("brixo-%1.png").arg(size));
        if (!drawIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
