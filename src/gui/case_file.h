// Reading and writing a case file chosen by the user. The record itself is encoded by
// io/case_record.h; this adds the file: regular files only, a size limit, atomic
// replacement, errors in words.
#pragma once
#include <QString>
#include <vector>

#include "io/case_record.h"

namespace tarnvik {

// A case file holds a few short lines; anything larger is not a case file.
inline constexpr qint64 kMaxCaseFileBytes = 1 << 20;

// Reads every record of the file. Only a regular file (or a link to one) is read, never a
// device, pipe or folder, and only up to the size limit. On failure returns false with
// `error` saying what is wrong in words (for a malformed record: its line and field);
// `records` is then unchanged.
bool ReadCaseFile(const QString& path, std::vector<CaseRecord>& records, QString& error);

// Writes the record whole, or leaves an existing file as it was.
bool WriteCaseFile(const QString& path, const CaseRecord& record, QString& error);

}  // namespace tarnvik
