#include "gui/export_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/display_text.h"
#include "gui/widget_factory.h"

namespace tarnvik {
namespace {

// A wrapped line the user may select and copy.
QLabel* MakeNote(const char* name, const QString& text, QWidget* parent) {
  QLabel* label = MakeWrappedLabel(QString::fromLatin1(name), text, parent);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

ExportDialog::ExportDialog(const ExportPreview& preview, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("exportDialog"));
  setWindowTitle(tr("Export for Simulator"));
  auto* layout = new QVBoxLayout(this);
  QStringList keywords;
  for (const std::string& keyword : preview.keywords) keywords << QString::fromStdString(keyword);
  layout->addWidget(MakeNote("exportSummary",
                             tr("Black-oil tables in %1 units: %2 (%3).")
                                 .arg(QString::fromStdString(preview.units), keywords.join(QLatin1Char(' ')),
                                      QString::fromStdString(preview.tables)),
                             this));
  for (const std::string& note : preview.notes) {
    layout->addWidget(MakeNote("exportNote", tr("Note: %1.").arg(QString::fromStdString(note)), this));
  }
  auto* adjusted = new QListWidget(this);
  adjusted->setObjectName(QStringLiteral("exportAdjustments"));
  for (const std::string& adjustment : preview.adjustments) adjusted->addItem(QString::fromStdString(adjustment));
  if (preview.adjustments.empty()) {
    layout->addWidget(
        MakeNote("exportAdjusted", tr("No value was adjusted: every row is the correlations' own."), this));
    adjusted->hide();
  } else {
    const int count = int(preview.adjustments.size());
    layout->addWidget(MakeNote("exportAdjusted",
                               (count == 1 ? tr("1 value adjusted") : tr("%1 values adjusted").arg(count)) +
                                   tr(" from the correlations', so that the tables describe a physical fluid (the "
                                      "file's header lists them too):"),
                               this));
    // Long lines wrap; the list shows about ten of them and scrolls.
    adjusted->setWordWrap(true);
    adjusted->setResizeMode(QListView::Adjust);
    adjusted->setAlternatingRowColors(true);
    adjusted->setMinimumHeight(adjusted->fontMetrics().lineSpacing() * 16);
  }
  setMinimumWidth(fontMetrics().averageCharWidth() * 120);
  layout->addWidget(adjusted, 1);

  deck_ =
      new QCheckBox(tr("Also write an example &deck that includes the tables (a 5 x 5 x 3 box, one producer)"), this);
  deck_->setObjectName(QStringLiteral("exportDeck"));
  deck_->setChecked(preview.deckError.empty());
  deck_->setEnabled(preview.deckError.empty());
  if (!preview.deckError.empty()) {
    deck_->setToolTip(tr("No deck: %1.").arg(QString::fromStdString(preview.deckError)));
    layout->addWidget(deck_);
    layout->addWidget(MakeNote("exportDeckError", deck_->toolTip(), this));
  } else {
    layout->addWidget(deck_);
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Save)->setText(tr("&Save..."));
  buttons->button(QDialogButtonBox::Save)->setObjectName(QStringLiteral("exportSave"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

bool ExportDialog::writeDeck() const { return deck_->isEnabled() && deck_->isChecked(); }

}  // namespace tarnvik
