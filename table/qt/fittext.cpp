#include "table/qt/fittext.h"

#include <QFontMetrics>
#include <QLabel>

int fittedPixelSize(const QLabel* label, const QString& text, int largestPixelSize, int smallestPixelSize)
{
    QFont font = label->font();
    const int room = label->width() - label->contentsMargins().left() - label->contentsMargins().right() - 2;
    int size = largestPixelSize;
    for (; size > smallestPixelSize; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= room) break;
    }
    return size;
}

void setFittedText(QLabel* label, const QString& text, int largestPixelSize, int smallestPixelSize)
{
    QFont font = label->font();
    font.setPixelSize(fittedPixelSize(label, text, largestPixelSize, smallestPixelSize));
    label->setFont(font);
    label->setText(text);
}

void setFittedSheet(QLabel* label, const QString& extra, int largestPixelSize)
{
    const QString sheet =
        extra + QStringLiteral(" font-size: %1px;").arg(fittedPixelSize(label, label->text(), largestPixelSize));
    // Setting a sheet polishes the label again: only when it changed.
    if (label->styleSheet() != sheet) label->setStyleSheet(sheet);
}
