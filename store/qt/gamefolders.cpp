#include "store/qt/gamefolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace gamefolders {

namespace {

// The folder a file of this kind goes to, made if it is missing.
QString folderFor(QStandardPaths::StandardLocation userFolder)
{
    const QString chosen = qEnvironmentVariable("BRIXO_FILES_DIR");
    if (!chosen.isEmpty()) {
        QDir().mkpath(chosen);
        return chosen;
    }
    return pickFolder(programFolder(), QStandardPaths::writableLocation(userFolder) + QStringLiteral("/brixo"));
}

} // namespace

QString pickFolder(const QString& besideProgram, const QString& userFolder)
{
    const QFileInfo beside(besideProgram);
    if (beside.isDir() && beside.isWritable() && installedFolder(besideProgram).isEmpty()) return besideProgram;
    QDir().mkpath(userFolder);
    return userFolder;
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString installedFolder(const QString& programFolder)
{
    const QString folder = QDir::cleanPath(programFolder + QStringLiteral("/../share/brixo"));
    return QFileInfo(folder).isDir() ? folder : QString();
}

QString settingsFile(const QString& name)
{
    return folderFor(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + name;
}

QString dataFile(const QString& name)
{
    return folderFor(QStandardPaths::GenericDataLocation) + QLatin1Char('/') + name;
}

QString serviceFile(const QString& name)
{
    const QString state = qEnvironmentVariable("STATE_DIRECTORY").section(QLatin1Char(':'), 0, 0);
    return state.isEmpty() ? dataFile(name) : state + QLatin1Char('/') + name;
}

} // namespace gamefolders
