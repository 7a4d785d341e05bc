// Reading and writing a case file chosen by the user. The cases themselves are read and
// written by model/case_entry.h, as every face reads them; this adds the file: regular
// files only, a size limit, atomic replacement, errors in words.
#pragma once
#include <QString>
#include <vector>

#include <string>

#include "io/case_record.h"
#include "model/case_entry.h"

namespace tarnvik {

// A case file holds a few short lines; anything larger is not a case file.
inline constexpr qint64 kMaxCaseFileBytes = 1 << 20;

// Reads a small text file the user chose: only a regular file (or a link to one), never a
// device, pipe or folder, and only up to `maxBytes`. False with the reason in words, which
// names a file too large as what it should have been (`kind`: "case file").
bool ReadSmallFile(const QString& path, qint64 maxBytes, const QString& kind, QByteArray& bytes, QString& error);

// Reads every record of the file. Only a regular file (or a link to one) is read, never a
// device, pipe or folder, and only up to the size limit. On failure returns false with
// `error` saying what is wrong in words (for a malformed record: its line and field);
// `records` is then unchanged.
bool ReadCaseFile(const QString& path, std::vector<CaseRecord>& records, QString& error);

// The same, each record with the lines saved with it; a line attached to a record that
// does not read fails the whole file, naming the line.
bool ReadCaseFile(const QString& path, std::vector<CaseEntry>& cases, QString& error);

// Writes the record whole, or leaves an existing file as it was.
bool WriteCaseFile(const QString& path, const CaseRecord& record, QString& error);
// Writes the whole text of a case file (CaseModel::fileToSave) the same way.
bool WriteCaseFileText(const QString& path, const std::string& text, QString& error);

}  // namespace tarnvik
