// Where the game keeps its files. As the game always has, beside the
// program when that folder can be written; when it cannot, or when the
// program is installed (its shipped files in <bin>/../share/brixo, so even
// a root user keeps nothing in /usr/bin), the settings go to the user's
// configuration folder and the tally to the user's data folder.
// BRIXO_FILES_DIR, when set, puts every file in that folder instead (tests,
// a portable copy).
#pragma once

#include <QString>

namespace gamefolders {

// The full path for a settings file of this name ("quorvinlobby.ini").
QString settingsFile(const QString& name);
// The full path for a data file of this name ("brixotally.tld").
QString dataFile(const QString& name);
// The full path for a file a service keeps (a server's game journal): in
// its state folder when systemd's StateDirectory= gave it one
// (STATE_DIRECTORY, the first of several), else as dataFile().
QString serviceFile(const QString& name);
// The program's own folder (where the tile sets are looked for first).
QString programFolder();
// The folder an install puts the shipped files in, found relative to the
// program's folder so that a moved or DESTDIR install finds its own:
// <programFolder>/../share/brixo, or empty when there is none.
QString installedFolder(const QString& programFolder);

// The folder beside the program when it can be written there and the
// program is not installed, else the user's folder (made when missing).
QString pickFolder(const QString& besideProgram, const QString& userFolder);

} // namespace gamefolders
