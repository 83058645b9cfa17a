// The tile sets a player can choose: the bitmaps in the folder
// "brixotiles" beside the program (a build, a portable copy) or, when there
// is none, in the installed share/brixo/brixotiles; each named by its file
// name up to the first ".".
#pragma once

#include <QString>
#include <QStringList>

namespace tilesets {

QString folder();
// The folder for a program in that folder.
QString folderFor(const QString& programFolder);
// The sets found, in the order the folder lists them.
QStringList names();
// The bitmap of a set (which may be missing).
QString fileOf(const QString& name);

} // namespace tilesets
