#include "gui/recent_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace tarnvik {
namespace {

const QString kRecentKey = QStringLiteral("files/recent");
const QString kFolderKey = QStringLiteral("files/lastFolder");

}  // namespace

QStringList RecentFiles() {
  QStringList files;
  for (const QString& path : QSettings().value(kRecentKey).toStringList()) {
    if (QFileInfo(path).isFile()) files << path;
  }
  return files;
}

void RememberFile(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList files = QSettings().value(kRecentKey).toStringList();
  files.removeAll(absolute);
  files.prepend(absolute);
  while (files.size() > kRecentFileCount) files.removeLast();
  QSettings settings;
  settings.setValue(kRecentKey, files);
  settings.setValue(kFolderKey, QFileInfo(absolute).absolutePath());
}

QString LastFolder() {
  const QString folder = QSettings().value(kFolderKey).toString();
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void UseProgramSettings() {
  QCoreApplication::setOrganizationName(QStringLiteral("Tarnvik"));
  QSettings settings;
  if (!settings.allKeys().isEmpty()) return;
  const QSettings before(QSettings::UserScope, QStringLiteral("Unknown Organization"),
                         QCoreApplication::applicationName());
  for (const QString& key : before.allKeys()) settings.setValue(key, before.value(key));
}

}  // namespace tarnvik
