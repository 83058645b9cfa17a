// Where the game keeps its files. As the game always has, beside the
// program when that folder can be written; an installed program's folder
// cannot be, and then the settings go to the user's configuration folder
// and the tally to the user's data folder. BRIXO_FILES_DIR, when set, puts
// every file in that folder instead (tests, a portable copy).
#pragma once

#include <QString>

namespace gamefolders {

// The full path for a settings file of this name ("quorvinlobby.ini").
QString settingsFile(const QString& name);
// The full path for a data file of this name ("brixotally.tld").
QString dataFile(const QString& name);
// The program's own folder (where the tile sets are looked for).
QString programFolder();

// The folder beside the program when it can be written there, else the
// user's folder (made when missing).
QString pickFolder(const QString& besideProgram, const QString& userFolder);

} // namespace gamefolders
