#include "table/qt/fittext.h"

#include <QFontMetrics>
#include <QLabel>

void setFittedText(QLabel* label, const QString& text, int largestPixelSize, int smallestPixelSize)
{
    QFont font = label->font();
    const int room = label->width() - label->contentsMargins().left() - label->contentsMargins().right() - 2;
    int size = largestPixelSize;
    for (; size > smallestPixelSize; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= room) break;
    }
    font.setPixelSize(size);
    label->setFont(font);
    label->setText(text);
}
