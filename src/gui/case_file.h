// Reading and writing a case file chosen by the user. The record itself is encoded by
// io/case_record.h; this adds the file: a size limit, atomic replacement, errors in words.
#pragma once
#include <QString>

#include "io/case_record.h"

namespace tarnvik {

// A case file is one short line; anything larger is not a case file.
inline constexpr qint64 kMaxCaseFileBytes = 1 << 20;

// Reads the first record of the file. On failure returns false with `error` saying what
// is wrong in words; `record` is then unchanged.
bool ReadCaseFile(const QString& path, CaseRecord& record, QString& error);

// Writes the record whole, or leaves an existing file as it was.
bool WriteCaseFile(const QString& path, const CaseRecord& record, QString& error);

}  // namespace tarnvik
