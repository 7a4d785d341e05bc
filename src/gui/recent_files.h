// The case files the user worked on last and the folder of the last one, remembered from
// one run of the program to the next (QSettings).
#pragma once
#include <QString>
#include <QStringList>

namespace tarnvik {

inline constexpr int kRecentFileCount = 8;

// Most recent first; files that no longer exist are left out.
QStringList RecentFiles();
// Puts `path` first in the list and its folder as the last folder.
void RememberFile(const QString& path);
// The folder of the last case opened or saved; the home folder before any.
QString LastFolder();

// Names the program's settings after it (organisation "Tarnvik"; the application name must
// be set first) and, the first time, takes over what versions before kept under Qt's
// stand-in "Unknown Organization": remembered units, recent files and folder.
void UseProgramSettings();

}  // namespace tarnvik
