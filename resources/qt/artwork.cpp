#include "resources/qt/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace artwork {

namespace {

constexpr qreal kScale = 2.0;

// A transparent picture of the given size at twice the pixel density,
// drawn by `draw` with smooth edges.
template <class Draw>
QPixmap drawn(int width, int height, Draw&& draw, qreal density = kScale)
{
    QPixmap pixmap(qRound(width * density), qRound(height * density));
    pixmap.setDevicePixelRatio(density);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pixmap;
}

// The bold face the marks' words and signs are drawn in.
QFont boldFont(int pixelSize, bool italic = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setItalic(italic);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

QPixmap felt(bool highContrast)
{
    const int width = 460, height = 380;
    return drawn(width, height, [&](QPainter& p) {
        QRadialGradient cloth(QPointF(width * 0.45, height * 0.4), width * 0.8);
        cloth.setColorAt(0.0, highContrast ? QColor(0x0e, 0x26, 0x18) : QColor(0x2f, 0x7d, 0x4f));
        cloth.setColorAt(1.0, highContrast ? QColor(0x05, 0x10, 0x0a) : QColor(0x17, 0x4d, 0x30));
        p.fillRect(QRectF(0, 0, width, height), cloth);

        // A fixed sprinkle of lighter and darker fibres gives the cloth a nap.
        QRandomGenerator fibres(20240611);
        for (int i = 0; i < (highContrast ? 0 : 9000); ++i) {
            const qreal x = fibres.bounded(width * 10) / 10.0;
            const qreal y = fibres.bounded(height * 10) / 10.0;
            const int light = fibres.bounded(2);
            p.setPen(QPen(light ? QColor(255, 255, 255, 10) : QColor(0, 0, 0, 16), 0.5));
            p.drawLine(QPointF(x, y), QPointF(x + 1.2, y + 0.4));
        }

        // The playing area: cells of columns 1..22 and rows 1..12.
        const QRectF area(10, 10, 22 * 20, 12 * 30);
        p.setPen(QPen(QColor(255, 255, 255, highContrast ? 60 : 18), 0.5));
        for (int c = 1; c < 22; ++c) p.drawLine(QPointF(10 + c * 20, 10), QPointF(10 + c * 20, 10 + 12 * 30));
        for (int r = 1; r < 12; ++r) p.drawLine(QPointF(10, 10 + r * 30), QPointF(10 + 22 * 20, 10 + r * 30));
        p.setPen(QPen(QColor(0, 0, 0, 60), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(area.adjusted(-2, -2, 2, 2), 4, 4);
        p.setPen(QPen(QColor(255, 255, 255, highContrast ? 110 : 30), 1.0));
        p.drawRoundedRect(area.adjusted(-3, -3, 3, 3), 5, 5);

        // A dark rim, like the edge of a card table.
        p.setPen(QPen(QColor(0x0c, 0x2a, 0x1a), 2.0));
        p.drawRect(QRectF(1, 1, width - 2, height - 2));
    });
}

QPixmap cloth()
{
    constexpr int kSide = 256;
    return drawn(kSide, kSide, [&](QPainter& p) {
        p.fillRect(QRectF(0, 0, kSide, kSide), QColor(0x22, 0x63, 0x3f));
        // Fibres that cross an edge come back at the other, so the tiles meet.
        QRandomGenerator fibres(20240612);
        for (int i = 0; i < 3500; ++i) {
            const qreal x = fibres.bounded(kSide * 10) / 10.0;
            const qreal y = fibres.bounded(kSide * 10) / 10.0;
            p.setPen(QPen(fibres.bounded(2) ? QColor(255, 255, 255, 10) : QColor(0, 0, 0, 16), 0.5));
            for (const qreal dx : {0.0, -qreal(kSide)})
                for (const qreal dy : {0.0, -qreal(kSide)}) p.drawLine(QPointF(x + dx, y + dy), QPointF(x + dx + 1.2, y + dy + 0.4));
        }
    });
}

QPixmap rackWood(int width, int height)
{
    return drawn(width, height, [&](QPainter& p) {
        QLinearGradient wood(0, 0, 0, height);
        wood.setColorAt(0.0, QColor(0x9a, 0x62, 0x34));
        wood.setColorAt(0.55, QColor(0x7a, 0x47, 0x22));
        wood.setColorAt(1.0, QColor(0x5a, 0x32, 0x16));
        p.fillRect(QRectF(0, 0, width, height), wood);
        QRandomGenerator grain(77);
        for (int i = 0; i < width / 6; ++i) {
            const qreal y = grain.bounded(height * 10) / 10.0;
            const qreal x = grain.bounded(width * 10) / 10.0;
            p.setPen(QPen(QColor(0x3a, 0x1e, 0x0a, 40), 0.6));
            p.drawLine(QPointF(x, y), QPointF(x + 30 + grain.bounded(60), y + grain.bounded(3) - 1));
        }
        // The ledge the tiles stand on.
        p.fillRect(QRectF(0, height - 14, width, 14), QColor(0x4a, 0x28, 0x10, 150));
        p.setPen(QPen(QColor(0xc8, 0x94, 0x5e, 120), 1.0));
        p.drawLine(QPointF(0, height - 14), QPointF(width, height - 14));
    });
}

QPixmap eyes()
{
    return drawn(24, 14, [&](QPainter& p) {
        for (int i = 0; i < 2; ++i) {
            const QPointF c(6 + i * 12, 7);
            p.setPen(QPen(QColor(0x30, 0x30, 0x30), 0.8));
            p.setBrush(Qt::white);
            p.drawEllipse(c, 5.2, 4.6);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x2a, 0x5d, 0xb0));
            p.drawEllipse(c + QPointF(0.8, 0.6), 2.4, 2.4);
            p.setBrush(Qt::black);
            p.drawEllipse(c + QPointF(0.8, 0.6), 1.2, 1.2);
        }
    });
}

QPixmap sitout()
{
    return drawn(22, 16, [&](QPainter& p) {
        p.setFont(boldFont(10, true));
        p.setPen(QColor(0xf4, 0xe0, 0x8a));
        p.drawText(QRectF(0, 0, 22, 16), Qt::AlignCenter, QStringLiteral("zZ"));
    });
}

QPixmap turnArrow()
{
    return drawn(16, 16, [&](QPainter& p) {
        QPainterPath arrow;
        arrow.moveTo(2, 3);
        arrow.lineTo(14, 8);
        arrow.lineTo(2, 13);
        arrow.lineTo(5, 8);
        arrow.closeSubpath();
        QLinearGradient gold(0, 3, 0, 13);
        gold.setColorAt(0.0, QColor(0xff, 0xe0, 0x60));
        gold.setColorAt(1.0, QColor(0xe0, 0x98, 0x10));
        p.setBrush(gold);
        p.setPen(QPen(QColor(0x7a, 0x50, 0x00), 0.8));
        p.drawPath(arrow);
    });
}

QPixmap teamBadge()
{
    return drawn(30, 16, [&](QPainter& p) {
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 0.8));
        p.setBrush(QColor(0x12, 0x8a, 0x4a));
        p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        p.setBrush(QColor(0x8a, 0x5a, 0x2a));
        p.drawEllipse(QPointF(22, 8), 6.5, 6.5);
    });
}

QPixmap partnerBadge(bool greenTeam)
{
    return drawn(22, 16, [&](QPainter& p) {
        const QColor team = greenTeam ? QColor(0x12, 0x8a, 0x4a) : QColor(0x8a, 0x5a, 0x2a);
        p.setBrush(Qt::NoBrush);
        for (const qreal x : {7.5, 14.5}) {
            // A light rim under each ring keeps it clear on any seat row.
            p.setPen(QPen(QColor(0xf4, 0xf0, 0xe0), 4.2));
            p.drawEllipse(QPointF(x, 8), 5, 5);
        }
        for (const qreal x : {7.5, 14.5}) {
            p.setPen(QPen(team, 2.4));
            p.drawEllipse(QPointF(x, 8), 5, 5);
        }
    });
}

QPixmap incompleteFrame(int frame)
{
    return drawn(26, 26, [&](QPainter& p) {
        QPainterPath sign;
        sign.moveTo(13, 2);
        sign.lineTo(24.5, 23);
        sign.lineTo(1.5, 23);
        sign.closeSubpath();
        p.setPen(QPen(frame ? QColor(0x80, 0x10, 0x10) : QColor(0x6a, 0x5a, 0x30), 1.2));
        p.setBrush(frame ? QColor(0xff, 0x4a, 0x3a) : QColor(0xc9, 0xb0, 0x60));
        p.drawPath(sign);
        p.setFont(boldFont(14));
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 6, 26, 18), Qt::AlignCenter, QStringLiteral("!"));
    });
}

QPixmap pauseSign()
{
    return drawn(160, 110, [&](QPainter& p) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 2));
        p.setBrush(QColor(20, 20, 20, 200));
        p.drawRoundedRect(QRectF(2, 2, 156, 106), 14, 14);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf0, 0xf0, 0xf0));
        p.drawRoundedRect(QRectF(58, 16, 14, 46), 3, 3);
        p.drawRoundedRect(QRectF(88, 16, 14, 46), 3, 3);
        p.setFont(boldFont(18));
        p.setPen(QColor(0xf0, 0xf0, 0xf0));
        p.drawText(QRectF(0, 68, 160, 30), Qt::AlignCenter, QStringLiteral("PAUSED"));
    });
}

QPixmap sortByNumber(qreal density)
{
    return drawn(21, 21, [&](QPainter& p) {
        QFont font = p.font();
        font.setPixelSize(10);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0x1f, 0x2a, 0x30));
        p.drawText(QRectF(0, 0, 21, 21), Qt::AlignCenter, QStringLiteral("123"));
    }, qMax(density, kScale));
}

QPixmap sortBySuit(qreal density)
{
    return drawn(21, 21, [&](QPainter& p) {
        // The tile colours in their order: green, orange, red, black.
        const QColor colours[4] = {QColor(0x12, 0x8a, 0x4a), QColor(0xf0, 0x82, 0x00), QColor(0xd0, 0x1f, 0x2e),
                                   QColor(0x1b, 0x1f, 0x3b)};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(colours[i]);
            p.drawRoundedRect(QRectF(1.5 + i * 4.6, 5, 4, 11), 1, 1);
        }
    }, qMax(density, kScale));
}

} // namespace artwork
