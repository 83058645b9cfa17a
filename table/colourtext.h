// Colours as chat messages write them: a colour name such as "clGreen"
// (any letter case), "$" and eight hex digits in 00BBGGRR order, or a plain
// decimal number of the same value.
#pragma once

#include <QColor>
#include <QString>

#include <optional>

namespace colourtext {

// Nothing when the text names no colour.
std::optional<QColor> read(const QString& text);
// The name when the colour has one, else the "$" form.
QString write(const QColor& colour);

} // namespace colourtext
