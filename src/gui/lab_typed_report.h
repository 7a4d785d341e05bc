// A laboratory report as typed into the boxes and table of the Lab data page, made into a
// lab file's text (model/lab_file.h) for the lab file's own reader to read, and that
// reader's errors said in the page's words: the box, or the row and the column's caption.
#pragma once
#include <QString>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "base/unit_system.h"
#include "model/lab_quantities.h"

namespace tarnvik {

// What the boxes and cells hold, as typed; a cell never filled is blank.
struct TypedLabReport {
  QString source;
  std::array<QString, kLabKeys.size()> keys;
  std::vector<std::array<QString, kLabColumns.size()>> rows;  // the table's rows, in its order

  // True when the boxes and cells are all blank.
  bool blank() const;
};

struct TypedLabText {
  std::string text;  // the lab file's text
  // What each line of the text is in the page's words ("row 3", "Temperature"); the
  // first line's name is empty.
  std::vector<QString> lineNames;
  // The first required key that is blank, with what to do ("Temperature: give a value");
  // empty when none is.
  QString blank;
};

// The lab file's text of `typed`, its values taken as in `system`'s units. Rows that hold
// anything are written by pressure where it reads as a number (rows may be typed in any
// order), the others after them as they come.
TypedLabText LabFileText(const TypedLabReport& typed, UnitSystem system);

// The lab file reader's error on such a text, "line N, column M (name): what", in the
// page's words, by `lineNames`; as it is when it names no line.
QString ErrorInPageWords(const QString& error, const std::vector<QString>& lineNames);

// A key's caption beside its box and in messages: the optional keys say so.
QString LabKeyCaption(std::size_t key);

}  // namespace tarnvik
