#include "gui/case_file.h"

#include <QCoreApplication>
#include <QFile>
#include <filesystem>
#include <sstream>
#include <string>
#include <system_error>

#include "gui/save_file.h"

namespace tarnvik {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("CaseFile", text); }

// Why the file cannot be a case file, before anything is opened: opening a pipe would
// wait for a writer, and a device can be endless.
QString NotARegularFile(const QString& path) {
  std::error_code code;
  const auto status = std::filesystem::status(path.toStdString(), code);
  if (code) return QString::fromStdString(code.message());
  switch (status.type()) {
    case std::filesystem::file_type::regular:
      return {};
    case std::filesystem::file_type::directory:
      return Tr("it is a folder");
    case std::filesystem::file_type::fifo:
      return Tr("it is a pipe, not a file");
    case std::filesystem::file_type::character:
    case std::filesystem::file_type::block:
      return Tr("it is a device, not a file");
    default:
      return Tr("it is not a regular file");
  }
}

}  // namespace

bool ReadCaseFile(const QString& path, std::vector<CaseRecord>& records, QString& error) {
  std::vector<CaseEntry> cases;
  if (!ReadCaseFile(path, cases, error)) return false;
  records.clear();
  for (CaseEntry& entry : cases) records.push_back(std::move(entry.record));
  return true;
}

bool ReadSmallFile(const QString& path, qint64 maxBytes, const QString& kind, QByteArray& bytes, QString& error) {
  if (QString reason = NotARegularFile(path); !reason.isEmpty()) {
    error = reason;
    return false;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = file.errorString();
    return false;
  }
  QByteArray read = file.read(maxBytes + 1);
  if (file.error() != QFileDevice::NoError) {
    error = file.errorString();
    return false;
  }
  if (read.size() > maxBytes) {
    error = Tr("the file is larger than a %1 can be (over %2 bytes)").arg(kind).arg(maxBytes);
    return false;
  }
  bytes = std::move(read);
  return true;
}

bool ReadCaseFile(const QString& path, std::vector<CaseEntry>& cases, QString& error) {
  QByteArray bytes;
  if (!ReadSmallFile(path, kMaxCaseFileBytes, Tr("case file"), bytes, error)) return false;

  std::istringstream stream(bytes.toStdString());
  CaseEntryReader reader(stream);
  std::vector<CaseEntry> parsed;
  CaseEntry entry;
  CaseEntryReader::Outcome outcome;
  while (reader.Next(entry, outcome)) {
    if (!outcome.ok) {
      // "line 3: field 9 ..." or "line 3, column 2 ..."
      const QString pattern = outcome.error.starts_with("column ") ? Tr("line %1, %2") : Tr("line %1: %2");
      error = pattern.arg(outcome.line).arg(QString::fromStdString(outcome.error));
      return false;
    }
    parsed.push_back(std::move(entry));
    entry = CaseEntry{};
  }
  if (parsed.empty()) {
    error = Tr("the file holds no case");
    return false;
  }
  cases = std::move(parsed);
  return true;
}

bool WriteCaseFile(const QString& path, const CaseRecord& record, QString& error) {
  const std::string line = WriteCaseRecord(record);
  return SaveFile(path, QByteArray(line.data(), qsizetype(line.size())), error);
}

bool WriteCaseFileText(const QString& path, const std::string& text, QString& error) {
  return SaveFile(path, QByteArray(text.data(), qsizetype(text.size())), error);
}

}  // namespace tarnvik
