#include "table/qt/fittext.h"

#include <QFontMetrics>
#include <QAbstractButton>
#include <QLabel>

namespace {

int labelMargins(const QLabel* label)
{
    return label->contentsMargins().left() + label->contentsMargins().right() + 2;
}

void setOwnSheet(QWidget* widget, const QString& sheet)
{
    // Setting a sheet polishes the widget again: only when it changed.
    if (widget->styleSheet() != sheet) widget->setStyleSheet(sheet);
}

} // namespace

int fittedPixelSize(const QWidget* widget, const QString& text, int margins, int largestPixelSize, int smallestPixelSize)
{
    QFont font = widget->font();
    const int room = widget->width() - margins;
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
    font.setPixelSize(fittedPixelSize(label, text, labelMargins(label), largestPixelSize, smallestPixelSize));
    label->setFont(font);
    label->setText(text);
}

void setFittedSheet(QLabel* label, const QString& extra, int largestPixelSize)
{
    const int size = fittedPixelSize(label, label->text(), labelMargins(label), largestPixelSize);
    setOwnSheet(label, extra + QStringLiteral(" font-size: %1px;").arg(size));
}

void setFittedSheet(QAbstractButton* button, int largestPixelSize)
{
    // The caption's Alt letter takes no room; the button's frame and
    // padding some.
    const QString words = QString(button->text()).remove(QLatin1Char('&'));
    const int size = fittedPixelSize(button, words, 8, largestPixelSize);
    setOwnSheet(button, QStringLiteral("font-size: %1px;").arg(size));
}
