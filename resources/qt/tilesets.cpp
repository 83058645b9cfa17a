#include "resources/qt/tilesets.h"

#include "store/qt/gamefolders.h"

#include <QDir>
#include <QFileInfo>

namespace tilesets {

QString folder()
{
    return folderFor(gamefolders::programFolder());
}

QString folderFor(const QString& programFolder)
{
    const QString beside = programFolder + QStringLiteral("/brixotiles");
    if (QFileInfo(beside).isDir()) return beside;
    const QString installed = gamefolders::installedFolder(programFolder);
    if (!installed.isEmpty() && QFileInfo(installed + QStringLiteral("/brixotiles")).isDir())
        return installed + QStringLiteral("/brixotiles");
    return beside;
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
