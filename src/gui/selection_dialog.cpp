#include "gui/selection_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>
#include <utility>

#include "gui/display_text.h"
#include "gui/widget_factory.h"
#include "present/selection_texts.h"

namespace tarnvik {
namespace {

// Every item in view, without scrolling.
void ShowAllRows(QListWidget* list) {
  int height = 2 * list->frameWidth() + 4;
  for (int row = 0; row < list->count(); ++row) height += list->sizeHintForRow(row);
  list->setFixedHeight(height);
}

template <std::size_t N>
QListWidget* MakeList(const char* name, const std::array<std::string_view, N>& items, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  for (std::string_view item : items) list->addItem(FromView(item));
  list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + 8);
  ShowAllRows(list);
  return list;
}

// The row of the selected item, or −1.
int SelectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> items = list->selectedItems();
  return items.isEmpty() ? -1 : list->row(items.first());
}

}  // namespace

SelectionDialog::SelectionDialog(const CorrelationSelection& inForce, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Corch"));
  setWindowTitle(tr("Tarnvik Selection"));
  setModal(false);

  oilList_ = MakeList("Oilch", kOilCorrelationItems, this);
  // Each family is marked by whether the inputs lie inside its data: rows with room for
  // the mark from the start, and a legend under the list.
  const int side = style()->pixelMetric(QStyle::PM_SmallIconSize);
  oilList_->setIconSize(QSize(side, side));
  QPixmap blank(side, side);
  blank.fill(Qt::transparent);
  for (int row = 0; row < oilList_->count(); ++row) oilList_->item(row)->setIcon(QIcon(blank));
  ShowAllRows(oilList_);
  auto* legend = new QWidget(this);
  legend->setObjectName(QStringLiteral("oilLegend"));
  auto* legendLayout = new QHBoxLayout(legend);
  legendLayout->setContentsMargins(0, 0, 0, 0);
  const std::pair<QStyle::StandardPixmap, QString> marks[] = {
      {QStyle::SP_DialogApplyButton, tr("inputs inside the family's data")},
      {QStyle::SP_MessageBoxWarning, tr("outside them")},
      {QStyle::SP_MessageBoxQuestion, tr("ranges not published")}};
  for (const auto& [icon, words] : marks) {
    auto* mark = new QLabel(legend);
    mark->setPixmap(style()->standardIcon(icon).pixmap(side, side));
    legendLayout->addWidget(mark);
    legendLayout->addWidget(MakeMutedLabel(QString(), words, legend));
    legendLayout->addSpacing(6);
  }
  legendLayout->addStretch(1);
  gasList_ = MakeList("Gasch", kGasCharacterisationItems, this);
  okButton_ = new QPushButton(tr("OK"), this);
  okButton_->setObjectName(QStringLiteral("Command1"));
  okButton_->setAutoDefault(false);
  rockList_ = MakeList("Forch", kRockCorrelationItems, this);
  formationList_ = MakeList("Rocks", kFormationTypeItems, this);
  formationLabel_ = MakeLabel(QStringLiteral("formationLabel"), tr("Formation type"), this);
  formationLabel_->setBuddy(formationList_);

  auto* layout = new QGridLayout(this);
  layout->addWidget(MakeLabel(QStringLiteral("Label1"), tr("Oil"), this), 0, 0);
  layout->addWidget(oilList_, 1, 0, 1, 2);
  layout->addWidget(legend, 2, 0, 1, 2);
  layout->addWidget(MakeLabel(QStringLiteral("Label2"), tr("Gas"), this), 3, 0);
  layout->addWidget(gasList_, 4, 0, Qt::AlignTop);
  layout->addWidget(MakeLabel(QStringLiteral("Label3"), tr("Formation"), this), 3, 1);
  layout->addWidget(rockList_, 4, 1, Qt::AlignTop);
  layout->addWidget(formationLabel_, 5, 1);
  layout->addWidget(formationList_, 6, 1);
  layout->addWidget(okButton_, 7, 1, Qt::AlignRight);
  layout->setRowStretch(8, 1);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(oilList_, gasList_);
  setTabOrder(gasList_, okButton_);
  setTabOrder(okButton_, rockList_);
  setTabOrder(rockList_, formationList_);

  // A new highlight, or a click on the item already highlighted, applies it.
  const std::pair<QListWidget*, void (SelectionDialog::*)()> lists[] = {
      {oilList_, &SelectionDialog::onOilChosen},
      {gasList_, &SelectionDialog::onGasChosen},
      {rockList_, &SelectionDialog::onRockChosen},
      {formationList_, &SelectionDialog::onFormationChosen}};
  for (const auto& [list, chosen] : lists) {
    connect(list, &QListWidget::itemSelectionChanged, this, chosen);
    connect(list, &QListWidget::itemClicked, this, chosen);
  }
  connect(okButton_, &QPushButton::clicked, this, &SelectionDialog::onOk);
  showSelection(inForce);
}

void SelectionDialog::showFits(const std::array<FamilyFit, kOilCorrelationCount>& fits, GorSelectorMode gorMode,
                               UnitSystem system) {
  for (std::size_t i = 0; i < fits.size() && int(i) < oilList_->count(); ++i) {
    QListWidgetItem* item = oilList_->item(int(i));
    switch (fits[i].fit) {
      case DataFit::Inside:
        item->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
        item->setToolTip(tr("The inputs lie inside this family's published data."));
        break;
      case DataFit::Outside:
        item->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
        item->setToolTip(tr("Outside this family's data: %1.")
                             .arg(QString::fromStdString(WarningSentences(fits[i].outside, gorMode, system))));
        break;
      case DataFit::Unknown:
        item->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
        item->setToolTip(tr("The paper's data ranges are not known."));
        break;
    }
    item->setData(Qt::UserRole, QString::fromLatin1(DataFitText(fits[i].fit).data()));
  }
  ShowAllRows(oilList_);
}

void SelectionDialog::showSelection(const CorrelationSelection& inForce) {
  const auto highlight = [](QListWidget* list, int row) {
    const QSignalBlocker blocker(list);
    list->clearSelection();
    if (row >= 0 && row < list->count()) list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  };
  highlight(oilList_, int(inForce.oilCorrelation));
  highlight(gasList_, int(inForce.gasCharacterisation));
  const auto rock = std::find(kRockCorrelationOrder.begin(), kRockCorrelationOrder.end(), inForce.rockCorrelation);
  highlight(rockList_, rock == kRockCorrelationOrder.end() ? -1 : int(rock - kRockCorrelationOrder.begin()));
  highlight(formationList_, int(inForce.formationType) - 1);
  const bool formation = UsesFormationType(inForce.rockCorrelation);
  formationLabel_->setVisible(formation);
  formationList_->setVisible(formation);
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
  formationLabel_->setVisible(UsesFormationType(rock));
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
