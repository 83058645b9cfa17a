#include "table/qt/keyframe.h"

#include <QPainter>

#include <cmath>

namespace keyframe {

namespace {

// One band's width: two pixels at 100 %, never thinner.
qreal band(double factor)
{
    return std::max(2.0, std::round(2 * factor));
}

} // namespace

int margin(double factor)
{
    return static_cast<int>(band(factor)) + 1;
}

void paint(QPainter& painter, const QRect& rect, double factor, Placing placing)
{
    const qreal w = band(factor);
    const QRectF dark = placing == Around ? QRectF(rect) : QRectF(rect).adjusted(w, w, -w, -w);
    const QRectF light = dark.adjusted(-w, -w, w, w);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    // Each pen is centred on its line: half a band in from the band's outer edge.
    painter.setPen(QPen(QColor(255, 255, 255), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(light.adjusted(w / 2, w / 2, -w / 2, -w / 2));
    painter.setPen(QPen(QColor(0, 0, 0), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(dark.adjusted(w / 2, w / 2, -w / 2, -w / 2));
    painter.restore();
}

} // namespace keyframe
