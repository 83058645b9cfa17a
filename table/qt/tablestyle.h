// The desktop's style with the menus drawn right at every size: the table
// grows its menus' words with itself, and in the Fusion style a menu's
// check column then grows with its rows while the room it asks for does
// not, so the widest words were cut short; and the arrows of submenus and
// of arrow buttons are drawn as large as their places.
#pragma once

#include <QProxyStyle>

class TableStyle : public QProxyStyle {
public:
    // Over the application's style as it stands.
    TableStyle();

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};
