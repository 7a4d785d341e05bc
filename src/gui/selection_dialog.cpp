#include "gui/selection_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "gui/display_text.h"
#include "present/selection_texts.h"

namespace tarnvik {
namespace {

template <std::size_t N>
QListWidget* MakeList(const char* name, const std::array<std::string_view, N>& items, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  for (std::string_view item : items) list->addItem(FromView(item));
  list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + 8);
  list->setMaximumHeight(list->sizeHintForRow(0) * int(N) + 2 * list->frameWidth() + 4);
  return list;
}

QLabel* MakeLabel(const char* name, const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  return label;
}

// The row of the selected item, or −1.
int SelectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> items = list->selectedItems();
  return items.isEmpty() ? -1 : list->row(items.first());
}

}  // namespace

SelectionDialog::SelectionDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Corch"));
  setWindowTitle(tr("Tarnvik Selection"));
  setModal(false);

  oilList_ = MakeList("Oilch", kOilCorrelationItems, this);
  gasList_ = MakeList("Gasch", kGasCharacterisationItems, this);
  okButton_ = new QPushButton(tr("OK"), this);
  okButton_->setObjectName(QStringLiteral("Command1"));
  okButton_->setAutoDefault(false);
  rockList_ = MakeList("Forch", kRockCorrelationItems, this);
  formationList_ = MakeList("Rocks", kFormationTypeItems, this);
  formationList_->hide();

  auto* layout = new QGridLayout(this);
  layout->addWidget(MakeLabel("Label1", tr("Oil"), this), 0, 0);
  layout->addWidget(oilList_, 1, 0, 1, 2);
  layout->addWidget(MakeLabel("Label2", tr("Gas"), this), 2, 0);
  layout->addWidget(gasList_, 3, 0, Qt::AlignTop);
  layout->addWidget(MakeLabel("Label3", tr("Formation"), this), 2, 1);
  layout->addWidget(rockList_, 3, 1, Qt::AlignTop);
  layout->addWidget(formationList_, 4, 1);
  layout->addWidget(okButton_, 5, 1, Qt::AlignRight);
  layout->setRowStretch(6, 1);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(oilList_, gasList_);
  setTabOrder(gasList_, okButton_);
  setTabOrder(okButton_, rockList_);
  setTabOrder(rockList_, formationList_);

  connect(oilList_, &QListWidget::itemSelectionChanged, this, &SelectionDialog::onOilChosen);
  connect(gasList_, &QListWidget::itemSelectionChanged, this, &SelectionDialog::onGasChosen);
  connect(rockList_, &QListWidget::itemSelectionChanged, this, &SelectionDialog::onRockChosen);
  connect(formationList_, &QListWidget::itemSelectionChanged, this, &SelectionDialog::onFormationChosen);
  connect(okButton_, &QPushButton::clicked, this, &SelectionDialog::onOk);
}

void SelectionDialog::onOilChosen() {
  const int row = SelectedRow(oilList_);
  if (row >= 0) emit oilChosen(static_cast<OilCorrelation>(row));
}

void SelectionDialog::onGasChosen() {
  const int row = SelectedRow(gasList_);
  if (row >= 0) emit gasChosen(static_cast<GasCharacterisation>(row));
}

void SelectionDialog::onRockChosen() {
  const int row = SelectedRow(rockList_);
  if (row < 0) return;
  const RockCorrelation rock = kRockCorrelationOrder[std::size_t(row)];
  formationList_->setVisible(UsesFormationType(rock));
  emit rockChosen(rock);
}

void SelectionDialog::onFormationChosen() {
  const int row = SelectedRow(formationList_);
  if (row >= 0) emit formationChosen(static_cast<FormationType>(row + 1));
}

void SelectionDialog::onOk() {
  hide();
  emit confirmed();
}

void SelectionDialog::closeEvent(QCloseEvent* event) {
  QDialog::closeEvent(event);
  if (event->isAccepted()) emit discarded();
}

}  // namespace tarnvik
