#include "gui/case_file.h"

#include <QCoreApplication>
#include <QFile>
#include <sstream>
#include <string>

#include "gui/save_file.h"

namespace tarnvik {

bool ReadCaseFile(const QString& path, CaseRecord& record, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = file.errorString();
    return false;
  }
  if (file.size() > kMaxCaseFileBytes) {
    error = QCoreApplication::translate("CaseFile", "the file is larger than a case file can be (%1 bytes)")
                .arg(file.size());
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
    error = QCoreApplication::translate("CaseFile", "the file holds no case");
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
  const std::string line = WriteCaseRecord(record);
  return SaveFile(path, QByteArray(line.data(), qsizetype(line.size())), error);
}

}  // namespace tarnvik
