#include "table/qt/roundlinesview.h"

#include "resources/qt/tilepictures.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

RoundLinesView::RoundLinesView(const TilePictures& pictures, QWidget* parent) : QWidget(parent), m_pictures(pictures)
{
}

void RoundLinesView::setRows(std::vector<Row> rows, double factor)
{
    if (rows == m_rows && factor == m_factor) return;
    m_rows = std::move(rows);
    m_factor = factor;
    setToolTip(text());
    update();
}

QString RoundLinesView::text() const
{
    QStringList lines;
    for (const Row& row : m_rows) lines << row.line;
    return lines.join(QLatin1Char('\n'));
}

void RoundLinesView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const auto px = [this](double base) { return int(std::lround(base * m_factor)); };
    const QColor ink(0x2a, 0x20, 0x10);
    QFont bold = font();
    bold.setBold(true);
    const int textWidth = px(kTextWidth);
    const int tilesLeft = textWidth + px(4);
    const int room = width() - tilesLeft;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row& row = m_rows[i];
        const int top = px(double(kRowHeight) * double(i));
        const int half = px(kRowHeight / 2.0);
        p.setPen(ink);
        p.setFont(bold);
        p.drawText(QRect(0, top, textWidth, half), Qt::AlignLeft | Qt::AlignBottom,
                   QFontMetrics(bold).elidedText(row.name, Qt::ElideRight, textWidth));
        p.setFont(font());
        p.drawText(QRect(0, top + half, textWidth, half), Qt::AlignLeft | Qt::AlignTop, row.points);

        const int count = int(row.tiles.size());
        if (count == 0) {
            // The seat went out, or the server did not show the tiles.
            const QString words = row.tilesLeft == 0   ? tr("No tiles left")
                                  : row.tilesLeft == 1 ? tr("1 tile left")
                                                       : tr("%1 tiles left").arg(row.tilesLeft);
            QFont quiet = font();
            quiet.setItalic(true);
            p.setFont(quiet);
            p.drawText(QRect(tilesLeft, top, room, px(kRowHeight)), Qt::AlignLeft | Qt::AlignVCenter, words);
            continue;
        }
        // Full size while they fit in one line, narrower when they do not.
        const int full = px(kTileWidth);
        const int tileWidth = std::max(1, std::min(full, room / count));
        const int tileHeight = tileWidth * kTileHeight / kTileWidth;
        const int tileTop = top + (px(kRowHeight) - tileHeight) / 2;
        for (int n = 0; n < count; ++n)
            p.drawPixmap(QRect(tilesLeft + n * tileWidth, tileTop, tileWidth, tileHeight), m_pictures.small(row.tiles[std::size_t(n)]));
    }
}
