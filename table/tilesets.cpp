#include "table/tilesets.h"

#include "store/qt/gamefolders.h"

#include <QDir>
#include <QFileInfo>

namespace tilesets {

QString folder()
{
    return gamefolders::programFolder() + QStringLiteral("/brixotiles");
}

QStringList names()
{
    QStringList found;
    const QStringList files = QDir(folder()).entryList({QStringLiteral("*.bmp"), QStringLiteral("*.BMP")}, QDir::Files);
    for (const QString& file : files) {
        const QString name = file.section(QLatin1Char('.'), 0, 0);
        if (!name.isEmpty() && !found.contains(name)) found << name;
    }
    return found;
}

QString fileOf(const QString& name)
{
    return folder() + QLatin1Char('/') + name + QStringLiteral(".bmp");
}

} // namespace tilesets
