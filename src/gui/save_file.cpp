#include "gui/save_file.h"

#include <QFile>
#include <string>

#include "io/atomic_file.h"

namespace tarnvik {

bool SaveFile(const QString& path, const QByteArray& bytes, QString& error) {
  std::string reason;
  if (WriteFileAtomically(QFile::encodeName(path).toStdString(),
                          std::string_view(bytes.constData(), std::size_t(bytes.size())), reason)) {
    return true;
  }
  error = QString::fromLocal8Bit(reason.c_str());
  return false;
}

}  // namespace tarnvik
