#include "case_file.h"

#include <QFile>
#include <QSaveFile>
#include <sstream>
#include <string>

namespace tarnvik {

bool ReadCaseFile(const QString& path, CaseRecord& record, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = file.errorString();
    return false;
  }
  if (file.size() > kMaxCaseFileBytes) {
    error = QStringLiteral("the file is larger than a case file can be (%1 bytes)").arg(file.size());
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    error = file.errorString();
    return false;
  }

  std::istringstream stream(bytes.toStdString());
  CaseRecordReader reader(stream);
  CaseRecord parsed;
  CaseRecordReader::Entry entry;
  if (!reader.Next(parsed, entry)) {
    error = QStringLiteral("the file holds no case");
    return false;
  }
  if (!entry.ok) {
    error = QString::fromStdString(entry.error);
    return false;
  }
  record = std::move(parsed);
  return true;
}

bool WriteCaseFile(const QString& path, const CaseRecord& record, QString& error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = file.errorString();
    return false;
  }
  const std::string line = WriteCaseRecord(record);
  if (file.write(line.data(), static_cast<qint64>(line.size())) != static_cast<qint64>(line.size()) ||
      !file.commit()) {
    error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace tarnvik
