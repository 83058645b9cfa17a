#include "table/colourtext.h"

#include <array>
#include <utility>

namespace colourtext {

namespace {

// Values in 00BBGGRR order.
constexpr std::array<std::pair<const char*, unsigned>, 16> kNames{{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000},  {"clPurple", 0x800080}, {"clTeal", 0x808000},  {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},   {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
}};

QColor fromBgr(unsigned value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

unsigned toBgr(const QColor& c)
{
    return unsigned(c.red()) | (unsigned(c.green()) << 8) | (unsigned(c.blue()) << 16);
}

} // namespace

std::optional<QColor> read(const QString& text)
{
    const QString t = text.trimmed();
    for (const auto& [name, value] : kNames)
        if (t.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return fromBgr(value);
    bool ok = false;
    unsigned value = 0;
    if (t.startsWith(QLatin1Char('$'))) value = t.mid(1).toUInt(&ok, 16);
    else if (!t.isEmpty() && t[0].isDigit()) value = t.toUInt(&ok, 10);
    if (!ok || value > 0xFFFFFF) return std::nullopt;
    return fromBgr(value);
}

QString write(const QColor& colour)
{
    const unsigned value = toBgr(colour);
    for (const auto& [name, v] : kNames)
        if (v == value) return QLatin1String(name);
    return QStringLiteral("$%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace colourtext
