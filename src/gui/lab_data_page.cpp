#include "gui/lab_data_page.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "gui/case_file.h"
#include "gui/display_text.h"
#include "gui/lab_analysis_view.h"
#include "gui/lab_page_widgets.h"
#include "gui/recent_files.h"
#include "gui/save_file.h"
#include "gui/user_dialogs.h"
#include "model/case_model.h"
#include "model/lab_file.h"
#include "present/selection_texts.h"

namespace tarnvik {
namespace {

// Values read back from text in the other unit system may differ in the last bit: the
// same to 12 significant digits is the same value.
bool Same(double a, double b) { return a == b || std::abs(a - b) <= 1e-12 * std::max(std::abs(a), std::abs(b)); }
bool Same(const std::optional<double>& a, const std::optional<double>& b) {
  return a.has_value() == b.has_value() && (!a || Same(*a, *b));
}
bool SameData(const std::optional<LabData>& a, const std::optional<LabData>& b) {
  if (a.has_value() != b.has_value()) return false;
  if (!a) return true;
  if (a->source != b->source || !Same(a->temperatureF, b->temperatureF) || !Same(a->bubblePoint, b->bubblePoint) ||
      !Same(a->gor, b->gor) || !Same(a->apiGravity, b->apiGravity) || !Same(a->gasGravity, b->gasGravity) ||
      a->separator.has_value() != b->separator.has_value() || a->points.size() != b->points.size()) {
    return false;
  }
  if (a->separator && (!Same(a->separator->bo, b->separator->bo) || !Same(a->separator->gor, b->separator->gor))) {
    return false;
  }
  for (std::size_t i = 0; i < a->points.size(); ++i) {
    const LabPoint& p = a->points[i];
    const LabPoint& q = b->points[i];
    if (!Same(p.pressure, q.pressure) || !Same(p.rs, q.rs) || !Same(p.bo, q.bo) ||
        !Same(p.oilViscosity, q.oilViscosity) || !Same(p.oilCompressibility, q.oilCompressibility) || !Same(p.z, q.z) ||
        !Same(p.bg, q.bg)) {
      return false;
    }
  }
  return true;
}

}  // namespace

LabDataPage::LabDataPage(UserDialogs& dialogs, CaseModel& model, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), model_(model) {
  setObjectName(QStringLiteral("labPage"));
  auto* layout = new QHBoxLayout(this);
  auto* splitter = new QSplitter(Qt::Horizontal, this);

  // The lab file's buttons above the report.
  auto* report = new QWidget(this);
  auto* reportLayout = new QVBoxLayout(report);
  reportLayout->setContentsMargins(0, 0, 0, 0);
  auto* files = new QHBoxLayout;
  QPushButton* open = MakeLabButton("openLabFile", tr("Open Lab File..."), report);
  open->setToolTip(tr("Reads a lab file: tarnvik-lab,1,field (or metric), the keys, then a table of pressures."));
  saveButton_ = MakeLabButton("saveLabFile", tr("Save Lab File..."), report);
  saveButton_->setToolTip(tr("Writes the lab data as a lab file, in the units shown."));
  removeButton_ = MakeLabButton("removeLabData", tr("Remove Lab Data"), report);
  removeButton_->setToolTip(tr("Takes the lab data, and any tuning to them, out of the case."));
  connect(open, &QPushButton::clicked, this, &LabDataPage::openLabFile);
  connect(saveButton_, &QPushButton::clicked, this, &LabDataPage::saveLabFile);
  connect(removeButton_, &QPushButton::clicked, this, &LabDataPage::removeLabData);
  files->addWidget(open);
  files->addWidget(saveButton_);
  files->addWidget(removeButton_);
  files->addStretch(1);
  reportLayout->addLayout(files);
  editor_ = new LabReportEditor(model_.units(), report);
  connect(editor_, &LabReportEditor::reportRead, this, &LabDataPage::takeReport);
  reportLayout->addWidget(editor_, 1);

  analysis_ = new LabAnalysisView(model_, this);
  connect(analysis_, &LabAnalysisView::applyTuningClicked, this, &LabDataPage::applyTuning);
  connect(analysis_, &LabAnalysisView::removeTuningClicked, this, &LabDataPage::removeTuning);

  splitter->addWidget(report);
  splitter->addWidget(analysis_);
  splitter->setStretchFactor(0, 2);
  splitter->setStretchFactor(1, 3);
  layout->addWidget(splitter);
  editor_->showReport(model_.labData(), model_.units());
}

bool LabDataPage::editPending() const { return editor_->editPending(); }

QTableView* LabDataPage::rankingView() const { return analysis_->rankingView(); }

QChartView* LabDataPage::currentChartView() const { return analysis_->currentChartView(); }

void LabDataPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) refresh();
}

void LabDataPage::refresh() {
  if (!isVisible()) {
    stale_ = true;
    return;
  }
  stale_ = false;
  const UnitSystem system = model_.units();
  if (system != editor_->units() && editor_->editPending()) {
    editor_->convertTyped(system);
  } else if (system != editor_->units() || !editor_->shows(model_.labData())) {
    // Other units, or lab data from elsewhere (a case opened): what is typed and not
    // taken gives way.
    editor_->showReport(model_.labData(), system);
  }
  showAnalysis();
}

void LabDataPage::discardEdits() {
  editor_->showReport(model_.labData(), editor_->units());
  showAnalysis();
}

void LabDataPage::takeReport(const std::optional<LabData>& report) {
  const bool changed = !SameData(report, model_.labData());
  if (changed) model_.setLabData(report);
  // Before the signal: the refresh it brings keeps what is typed, which is what was taken.
  editor_->setTaken(model_.labData());
  if (changed) emit labChanged();
  showAnalysis();
}

void LabDataPage::showAnalysis() {
  const bool hasLab = model_.labData().has_value();
  saveButton_->setEnabled(hasLab);
  removeButton_->setEnabled(hasLab || model_.tuned());
  analysis_->showAnalysis(editor_->units());
}

void LabDataPage::openLabFile() {
  const QString path = dialogs_.openFileName(this, tr("Open Lab File"), LastFolder());
  if (path.isEmpty()) return;
  QByteArray bytes;
  QString error;
  LabData lab;
  UnitSystem units = UnitSystem::Field;
  if (ReadSmallFile(path, qint64(kMaxLabFileBytes), tr("lab file"), bytes, error)) {
    std::string why;
    if (!ReadLabFile(std::string_view(bytes.constData(), std::size_t(bytes.size())), lab, units, why)) {
      error = QString::fromStdString(why);
    }
  }
  if (!error.isEmpty()) {
    dialogs_.showError(this, tr("Open Lab File"),
                       tr("The lab file \"%1\" could not be read: %2.\n\nNothing was changed.")
                           .arg(QDir::toNativeSeparators(path), error));
    return;
  }
  model_.setLabData(std::move(lab));
  editor_->showReport(model_.labData(), editor_->units());
  emit labChanged();
  showAnalysis();
}

void LabDataPage::saveLabFile() {
  if (!model_.labData()) return;
  if (editor_->editPending()) {
    dialogs_.showError(this, tr("Save Lab File"),
                       tr("What is typed on the page is not taken (%1). Correct it first; nothing was saved.")
                           .arg(editor_->editError()));
    return;
  }
  const QString path = dialogs_.saveFileName(this, tr("Save Lab File"), QString(), tr("Lab files (*.csv)"));
  if (path.isEmpty()) return;
  const std::string text = WriteLabFile(*model_.labData(), editor_->units());
  QString error;
  if (!SaveFile(path, QByteArray(text.data(), qsizetype(text.size())), error)) {
    dialogs_.showError(this, tr("Save Lab File"),
                       tr("The lab file could not be saved to \"%1\": %2.").arg(QDir::toNativeSeparators(path), error));
  }
}

void LabDataPage::removeLabData() {
  model_.setLabData(std::nullopt);
  editor_->showReport(std::nullopt, editor_->units());
  emit labChanged();
  showAnalysis();
}

void LabDataPage::applyTuning() {
  const std::optional<OilCorrelation> chosen = analysis_->familyInList();
  if (!chosen) return;
  if (editor_->editPending()) {
    dialogs_.showError(this, tr("Apply Tuning"),
                       tr("What is typed on the page is not taken (%1). Correct it first; nothing was tuned.")
                           .arg(editor_->editError()));
    return;
  }
  const OilCorrelation family = *chosen;
  OilTuningFit fit;
  std::string error;
  if (!model_.applyTuning(family, fit, error)) {
    dialogs_.showError(this, tr("Apply Tuning"),
                       tr("%1 could not be tuned to the lab data: %2.\n\nNothing was changed.")
                           .arg(FromView(OilCorrelationName(family)), QString::fromStdString(error)));
    return;
  }
  analysis_->chooseFamily(family);
  emit labChanged();
  showAnalysis();
}

void LabDataPage::removeTuning() {
  if (!model_.tuned()) return;
  model_.removeTuning();
  emit labChanged();
  showAnalysis();
}

}  // namespace tarnvik
