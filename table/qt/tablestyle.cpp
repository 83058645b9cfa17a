#include "table/qt/tablestyle.h"

#include <QMenu>
#include <QPainter>
#include <QPolygonF>
#include <QStyleOptionMenuItem>
#include <QToolButton>

namespace {

// Fusion's check column at its narrowest, and its share of a row's height
// once the rows are taller.
constexpr int kCheckColumn = 21;
constexpr double kCheckShare = 0.79;

} // namespace

TableStyle::TableStyle() = default;

QSize TableStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                   const QWidget* widget) const
{
    QSize s = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_MenuItem && baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0)
        s.rwidth() += qMax(0, int(s.height() * kCheckShare) - kCheckColumn);
    return s;
}

void TableStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    const bool arrow = element == PE_IndicatorArrowRight || element == PE_IndicatorArrowLeft ||
                       element == PE_IndicatorArrowUp || element == PE_IndicatorArrowDown;
    if (!arrow || !(qobject_cast<const QMenu*>(widget) || qobject_cast<const QToolButton*>(widget))) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A solid triangle filling the middle of the place it is given.
    const QRectF r = QRectF(option->rect).adjusted(option->rect.width() * 0.25, option->rect.height() * 0.22,
                                                  -option->rect.width() * 0.25, -option->rect.height() * 0.22);
    QPolygonF shape;
    switch (element) {
    case PE_IndicatorArrowRight: shape << r.topLeft() << r.bottomLeft() << QPointF(r.right(), r.center().y()); break;
    case PE_IndicatorArrowLeft: shape << r.topRight() << r.bottomRight() << QPointF(r.left(), r.center().y()); break;
    case PE_IndicatorArrowUp: shape << r.bottomLeft() << r.bottomRight() << QPointF(r.center().x(), r.top()); break;
    default: shape << r.topLeft() << r.topRight() << QPointF(r.center().x(), r.bottom()); break;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    const QPalette::ColorRole ink = qobject_cast<const QMenu*>(widget) ? QPalette::WindowText : QPalette::ButtonText;
    painter->setBrush(option->palette.color(option->state & State_Enabled ? QPalette::Active : QPalette::Disabled, ink));
    painter->drawPolygon(shape);
    painter->restore();
}
