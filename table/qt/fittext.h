// Sets a label's text in the largest font size, up to a limit, at which it
// fits the label's width, so long names and notices are never cut off.
#pragma once

#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

void setFittedText(QLabel* label, const QString& text, int largestPixelSize, int smallestPixelSize = 8);

// The largest font size, up to a limit, at which the text fits the
// widget's width less `margins` in the widget's font.
int fittedPixelSize(const QWidget* widget, const QString& text, int margins, int largestPixelSize,
                    int smallestPixelSize = 8);

// For a label whose font size a style sheet sets: its own sheet (`extra`
// and the fitted size) wins over its parents', so words longer in another
// language shrink to fit instead of being cut off.
void setFittedSheet(QLabel* label, const QString& extra, int largestPixelSize);
// The same for a button's caption.
void setFittedSheet(QAbstractButton* button, int largestPixelSize);
