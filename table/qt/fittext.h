// Sets a label's text in the largest font size, up to a limit, at which it
// fits the label's width, so long names and notices are never cut off.
#pragma once

#include <QString>

class QLabel;

void setFittedText(QLabel* label, const QString& text, int largestPixelSize, int smallestPixelSize = 8);
