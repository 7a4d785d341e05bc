// The report editor of the Lab data page: the laboratory report in boxes for its source
// and keys and a table of its points, in the units of one unit system, to type into and
// paste rows of a spreadsheet into.
//
// What is typed is taken only when the whole report reads as a lab file would: the editor
// builds the lab file's text from its boxes and cells (gui/lab_typed_report.h), in the
// units shown, and reads it with the lab file's own reader, so one place holds the rules.
// A report that reads is handed on by a signal; one that does not is said in words,
// naming the box or the row and column, and stays as typed, pending.
#pragma once
#include <QWidget>
#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "base/unit_system.h"
#include "calc/lab_data.h"
#include "model/lab_quantities.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace tarnvik {

struct TypedLabReport;

class LabReportEditor : public QWidget {
  Q_OBJECT

 public:
  // Keys of the report, in the order of their boxes, and the columns of its table.
  static constexpr std::size_t kKeyCount = kLabKeys.size();
  static constexpr std::size_t kColumnCount = kLabColumns.size();

  explicit LabReportEditor(UnitSystem system, QWidget* parent = nullptr);

  // The unit system the boxes and table show values in.
  UnitSystem units() const { return system_; }

  // Shows `data` in `system`'s units, blank when none; what was typed and not taken goes.
  void showReport(const std::optional<LabData>& data, UnitSystem system);
  // Converts what the boxes and cells hold to `system`'s units, as typed, and reads it
  // again in them.
  void convertTyped(UnitSystem system);

  // Whether the boxes and table show `lab`: the report they were last filled with, or
  // the case's lab data after a report read here was taken (see setTaken).
  bool shows(const std::optional<LabData>& lab) const { return lab == shownData_; }
  // The case's lab data once the report handed on by reportRead was taken: equal to it
  // to the last bits, they are what the boxes show from now on.
  void setTaken(const std::optional<LabData>& lab) { shownData_ = lab; }

  // Whether what is typed does not read, and why, in the words shown under the table.
  bool editPending() const { return editPending_; }
  QString editError() const;

 signals:
  // What is typed reads whole and is not the text shown before: the report, or none when
  // every box and cell is blank.
  void reportRead(const std::optional<LabData>& report);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showUnits();
  // After an edit: hands the report on when it reads whole, otherwise says why.
  void takeEdits();
  TypedLabReport typed() const;
  void showEditError(const QString& error);
  void ensureBlankRow();
  void pastePoints();
  void clearSelectedCells();
  void copySelectedCells();

  UnitSystem system_;
  bool filling_ = false;
  // The report the boxes and table were last filled with or took, and its text: typing
  // that gives this text again changes nothing.
  std::optional<LabData> shownData_;
  std::string shownText_;
  bool editPending_ = false;  // what is typed does not read; the case keeps its lab data

  QLineEdit* source_ = nullptr;
  std::array<QLineEdit*, kKeyCount> keys_{};
  std::array<QLabel*, kKeyCount> keyUnits_{};
  QTableWidget* points_ = nullptr;
  QLabel* editError_ = nullptr;
};

}  // namespace tarnvik
