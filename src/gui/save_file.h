// Saving a file the user chose: through the program's one atomic writer, so a failed save
// leaves an existing file as it was.
#pragma once
#include <QByteArray>
#include <QString>

namespace tarnvik {

// False with the reason in words ("No such file or directory") when the file could not be
// written in full.
bool SaveFile(const QString& path, const QByteArray& bytes, QString& error);

}  // namespace tarnvik
