// What an export for a simulator will write, shown before anything is saved: the unit set
// and keywords, the tables in a line, the notes, every value adjusted from the
// correlations' with its reason, and whether to write the example deck too.
#pragma once
#include <QDialog>

#include "export/eclipse_deck.h"

class QCheckBox;

namespace tarnvik {

class ExportDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ExportDialog(const ExportPreview& preview, QWidget* parent = nullptr);

  // Whether the example deck is to be written beside the tables.
  bool writeDeck() const;

 private:
  QCheckBox* deck_ = nullptr;
};

}  // namespace tarnvik
