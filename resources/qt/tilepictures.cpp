#include "resources/qt/tilepictures.h"

#include "model/tile.h"

#include <QCoreApplication>
#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

// Pixels per logical pixel of the built-in pictures.
constexpr qreal kScale = 2.0;

// A bluish green, a warm orange, a crimson red and a blue-black. The green
// and the red differ mostly in hue, which the commonest colour blindness
// does not see: the symbols, or the high contrast inks, tell them apart.
const QColor kInk[5] = {
    QColor(0, 0, 0),
    QColor(0x12, 0x8a, 0x4a), // Green
    QColor(0xf0, 0x82, 0x00), // Orange
    QColor(0xd0, 0x1f, 0x2e), // Red
    QColor(0x1b, 0x1f, 0x3b), // Black
};
// The contrast set: full colours on a paler face.
const QColor kStrongInk[5] = {
    QColor(0, 0, 0),
    QColor(0x00, 0x80, 0x10), // Green
    QColor(0xe0, 0x5a, 0x00), // Orange
    QColor(0xc8, 0x00, 0x00), // Red
    QColor(0x00, 0x00, 0x00), // Black
};
// High contrast: full colours that eyes without red or green cones still
// see as four: a blue-leaning green (seen as blue-grey), an orange light
// enough to read as yellow, a deep red (a dark brown, far darker than the
// orange's yellow) and black.
const QColor kSafeInk[5] = {
    QColor(0, 0, 0),
    QColor(0x00, 0x85, 0x7a), // Green
    QColor(0xe0, 0x78, 0x00), // Orange
    QColor(0x90, 0x00, 0x00), // Red
    QColor(0x00, 0x00, 0x00), // Black
};

const QColor& ink(int colour, TilePictures::Style style)
{
    switch (style) {
    case TilePictures::Style::Contrast:
        return kStrongInk[colour];
    case TilePictures::Style::HighContrast:
        return kSafeInk[colour];
    case TilePictures::Style::Classic:
        break;
    }
    return kInk[colour];
}

QPixmap canvas(int width, int height, qreal scale)
{
    QPixmap pixmap(qRound(width * scale), qRound(height * scale));
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Cream face with a soft shadow to the lower right and a thin border; the
// contrast face is a flat near-white (never pure white, which a tile set
// takes for transparent) with a dark border.
void drawFace(QPainter& p, int width, int height, TilePictures::Style style)
{
    const qreal radius = width * 0.16;
    const QRectF face(0.5, 0.5, width - 2.0, height - 2.0);
    if (style != TilePictures::Style::Classic) {
        p.setBrush(QColor(0xfa, 0xfa, 0xf4));
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), width >= 40 ? 1.6 : 1.0));
        p.drawRoundedRect(face, radius, radius);
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(face.translated(1.2, 1.2), radius, radius);

    QLinearGradient cream(face.topLeft(), face.bottomRight());
    cream.setColorAt(0.0, QColor(0xff, 0xfb, 0xef));
    cream.setColorAt(1.0, QColor(0xf1, 0xe6, 0xcc));
    p.setBrush(cream);
    p.setPen(QPen(QColor(0x9c, 0x8a, 0x68), width >= 40 ? 1.0 : 0.7));
    p.drawRoundedRect(face, radius, radius);
}

QString faceText(int code)
{
    return QString::number(brixo::facenumber(code));
}

void drawNumber(QPainter& p, int code, int width, int height, TilePictures::Look look)
{
    const QString text = faceText(code);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    if (look.style != TilePictures::Style::Classic) font.setWeight(QFont::Black);
    font.setStyleStrategy(QFont::PreferAntialias);
    // Two digits need a narrower font to stay inside the face.
    const qreal size = text.size() > 1 ? width * 0.50 : width * 0.62;
    font.setPixelSize(qMax(7, qRound(size)));
    if (text.size() > 1) font.setStretch(width >= 40 ? 88 : 80);
    p.setFont(font);
    const int colour = brixo::getsuit(code);
    // The symbol needs a little more room than the dot: the number moves up.
    const QRectF area = look.symbols ? QRectF(0, height * 0.02, width - 1.0, height * 0.66)
                                     : QRectF(0, height * 0.06, width - 1.0, height * 0.70);
    p.setPen(ink(colour, look.style));
    p.drawText(area, Qt::AlignCenter, text);

    const QPointF below((width - 1.0) / 2.0, height * 0.80);
    if (look.symbols) {
        p.setPen(Qt::NoPen);
        p.setBrush(ink(colour, look.style));
        p.drawPath(TilePictures::symbolPath(colour, below, width >= 40 ? 12.0 : 7.0));
        return;
    }
    // Without symbols a dot of the colour under the number still helps
    // tell the colours apart.
    const qreal dot = width >= 40 ? 4.0 : 2.4;
    p.setPen(Qt::NoPen);
    p.setBrush(ink(colour, look.style));
    p.drawEllipse(below, dot, dot);
}

// The wild tile: a four-coloured star with a smiling jester's face.
void drawWild(QPainter& p, int width, int height, TilePictures::Style style)
{
    const QPointF centre((width - 1.0) / 2.0, (height - 1.0) * 0.47);
    const qreal outer = width * 0.42;
    const qreal inner = outer * 0.45;
    for (int i = 0; i < 8; ++i) {
        QPainterPath point;
        const qreal a0 = (i * 45.0 - 90.0 - 22.5) * M_PI / 180.0;
        const qreal a1 = (i * 45.0 - 90.0) * M_PI / 180.0;
        const qreal a2 = (i * 45.0 - 90.0 + 22.5) * M_PI / 180.0;
        point.moveTo(centre);
        point.lineTo(centre + QPointF(std::cos(a0) * inner, std::sin(a0) * inner));
        point.lineTo(centre + QPointF(std::cos(a1) * outer, std::sin(a1) * outer));
        point.lineTo(centre + QPointF(std::cos(a2) * inner, std::sin(a2) * inner));
        point.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(ink(i % 4 + 1, style));
        p.drawPath(point);
    }
    const qreal head = outer * 0.42;
    QRadialGradient gold(centre - QPointF(head * 0.3, head * 0.3), head * 1.4);
    gold.setColorAt(0.0, QColor(0xff, 0xf3, 0xb0));
    gold.setColorAt(1.0, QColor(0xf2, 0xc2, 0x30));
    p.setBrush(gold);
    p.setPen(QPen(QColor(0x6a, 0x4a, 0x10), width >= 40 ? 0.8 : 0.5));
    p.drawEllipse(centre, head, head);
    if (width >= 40) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0x20, 0x10));
        p.drawEllipse(centre + QPointF(-head * 0.38, -head * 0.2), head * 0.13, head * 0.13);
        p.drawEllipse(centre + QPointF(head * 0.38, -head * 0.2), head * 0.13, head * 0.13);
        p.setPen(QPen(QColor(0x30, 0x20, 0x10), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(centre.x() - head * 0.5, centre.y() - head * 0.35, head, head * 0.8), -20 * 16, -140 * 16);
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qMax(5, qRound(width * (width >= 40 ? 0.2 : 0.24))));
    p.setFont(font);
    p.setPen(QColor(0x5a, 0x2d, 0x82));
    // The wild tile's name in the player's language ("JOKER" in German);
    // a small tile shows its first letter.
    const QString word = QCoreApplication::translate("Tile", "WILD").toUpper();
    p.drawText(QRectF(0, height * 0.76, width - 1.0, height * 0.2), Qt::AlignCenter, width >= 40 ? word : word.left(1));
}

// White becomes transparent, as a tile set's bitmap asks.
QPixmap withoutWhite(QImage picture)
{
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if ((line[x] & 0xFFFFFF) == 0xFFFFFF) line[x] = 0;
    }
    return QPixmap::fromImage(picture);
}

// A tile set's picture with its colour's symbol in the top left corner,
// ringed in white so it shows on any face. The set's own pixels stay as
// they are, at the set's own density.
QPixmap withSymbol(const QPixmap& picture, int code)
{
    const int colour = brixo::getsuit(code);
    if (colour < 1 || colour > 4) return picture;
    const bool big = picture.width() >= TilePictures::kBigWidth;
    const qreal size = big ? 11.0 : 8.0;
    const QPointF corner(big ? 8.0 : 5.5, big ? 8.0 : 5.5);
    QPixmap out = picture;
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xff, 0xff, 0xff, 230), big ? 2.0 : 1.4));
    p.setBrush(ink(colour, TilePictures::Style::HighContrast));
    p.drawPath(TilePictures::symbolPath(colour, corner, size));
    return out;
}

} // namespace

TilePictures::TilePictures(Look look)
    : m_look(look), m_density(kScale), m_emptySmall(canvas(kSmallWidth, kSmallHeight, kScale)),
      m_emptyBig(canvas(kBigWidth, kBigHeight, kScale))
{
    draw();
}

void TilePictures::setLook(Look look)
{
    if (look == m_look) return;
    m_look = look;
    draw();
}

void TilePictures::setDensity(qreal density)
{
    // Quarter steps, so a window resized by a few pixels redraws nothing.
    density = std::max(kScale, std::ceil(density * 4) / 4);
    if (density == m_density) return;
    m_density = density;
    draw();
}

void TilePictures::draw()
{
    imagelist_smallcards.clear();
    imagelist_bigcards.clear();
    if (!m_setSmall.isEmpty()) {
        for (int i = 0; i < kSmallCount; ++i)
            imagelist_smallcards.append(m_look.symbols ? withSymbol(m_setSmall[i], i) : m_setSmall[i]);
        for (int i = 0; i < kBigCount; ++i)
            imagelist_bigcards.append(m_look.symbols ? withSymbol(m_setBig[i], i) : m_setBig[i]);
        return;
    }
    for (int i = 0; i < kSmallCount; ++i) {
        if (i == kMark) imagelist_smallcards.append(drawMark(kSmallWidth, kSmallHeight, m_density));
        else imagelist_smallcards.append(drawTile(i, kSmallWidth, kSmallHeight, m_density, m_look));
    }
    for (int i = 0; i < kBigCount; ++i) {
        if (i == kMark) imagelist_bigcards.append(drawMark(kBigWidth, kBigHeight, m_density));
        else imagelist_bigcards.append(drawTile(i, kBigWidth, kBigHeight, m_density, m_look));
    }
}

const QPixmap& TilePictures::small(int index) const
{
    return index >= 0 && index < imagelist_smallcards.size() ? imagelist_smallcards[index] : m_emptySmall;
}

const QPixmap& TilePictures::big(int index) const
{
    return index >= 0 && index < imagelist_bigcards.size() ? imagelist_bigcards[index] : m_emptyBig;
}

QPixmap TilePictures::drawTile(int code, int width, int height, qreal scale, Look look)
{
    QPixmap pixmap = canvas(width, height, scale);
    if (!brixo::isTile(code)) return pixmap;
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawFace(p, width, height, look.style);
    if (code == brixo::kWildTile) drawWild(p, width, height, look.style);
    else drawNumber(p, code, width, height, look);
    return pixmap;
}

// Four shapes that stay apart at six pixels across: a round, a flat-sided,
// a pointed and a tall pointed one, of about the same weight. The square is
// as wide as the circle, so its corners tell the two apart even when tiny.
QPainterPath TilePictures::symbolPath(int colour, QPointF centre, qreal size)
{
    const qreal h = size / 2.0;
    QPainterPath path;
    switch (colour) {
    case 1: // Green: a circle
        path.addEllipse(centre, h * 0.9, h * 0.9);
        break;
    case 2: // Orange: a square
        path.addRect(QRectF(centre.x() - h * 0.85, centre.y() - h * 0.85, h * 1.7, h * 1.7));
        break;
    case 3: // Red: a triangle standing on its base
        path.moveTo(centre + QPointF(0, -h * 1.05));
        path.lineTo(centre + QPointF(h * 1.1, h * 0.85));
        path.lineTo(centre + QPointF(-h * 1.1, h * 0.85));
        path.closeSubpath();
        break;
    case 4: // Black: a diamond, taller than wide
        path.moveTo(centre + QPointF(0, -h * 1.2));
        path.lineTo(centre + QPointF(h * 0.85, 0));
        path.lineTo(centre + QPointF(0, h * 1.2));
        path.lineTo(centre + QPointF(-h * 0.85, 0));
        path.closeSubpath();
        break;
    default:
        break;
    }
    return path;
}

bool TilePictures::loadSet(const QImage& bitmap)
{
    if (bitmap.width() < kSetMinWidth || bitmap.height() < kSetMinHeight) return false;
    QVector<QPixmap> small;
    QVector<QPixmap> big;
    for (int i = 0; i < kSmallCount; ++i)
        small.append(withoutWhite(bitmap.copy(i * kSmallWidth, 0, kSmallWidth, kSmallHeight)));
    for (int i = 0; i < kBigCount; ++i) {
        const QImage cut = bitmap.copy(i * kBigWidth, kBigBandTop, kBigWidth, kBigBandHeight);
        big.append(withoutWhite(cut.scaled(kBigWidth, kBigHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
    m_setSmall = small;
    m_setBig = big;
    draw();
    return true;
}

void TilePictures::useBuiltIn()
{
    if (m_setSmall.isEmpty()) return;
    m_setSmall.clear();
    m_setBig.clear();
    draw();
}

QImage TilePictures::drawSet(Style style)
{
    QImage set(kBigCount * kBigWidth, kBigBandTop + kBigBandHeight, QImage::Format_RGB32);
    set.fill(Qt::white);
    QPainter p(&set);
    p.setRenderHint(QPainter::Antialiasing);
    const Look look{style, false};
    for (int i = 1; i < kSmallCount; ++i)
        if (i != kMark) p.drawPixmap(i * kSmallWidth, 0, drawTile(i, kSmallWidth, kSmallHeight, 1.0, look));
    for (int i = 1; i < kBigCount; ++i)
        if (i != kMark) p.drawPixmap(i * kBigWidth, kBigBandTop, drawTile(i, kBigWidth, kBigBandHeight, 1.0, look));
    // A bitmap has no translucency: the mark is a frame whose inside is
    // white, so the tile under it shows through.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xff, 0xcc, 0x00), 2.0));
    p.drawRoundedRect(QRectF(kMark * kSmallWidth + 1.0, 1.0, kSmallWidth - 3.0, kSmallHeight - 3.0), 3, 3);
    return set;
}

// A translucent yellow frame with a faint wash, laid over a tile.
QPixmap TilePictures::drawMark(int width, int height, qreal scale)
{
    QPixmap pixmap = canvas(width, height, scale);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal radius = width * 0.16;
    p.setBrush(QColor(255, 230, 40, 45));
    p.setPen(QPen(QColor(255, 204, 0, 220), width >= 40 ? 3.0 : 2.0));
    p.drawRoundedRect(QRectF(1.0, 1.0, width - 3.0, height - 3.0), radius, radius);
    return pixmap;
}
