#include "selection_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace tarnvik {
namespace {

template <std::size_t N>
QListWidget* MakeList(const char* name, const std::array<std::string_view, N>& items, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  for (std::string_view item : items) list->addItem(QString::fromUtf8(item.data(), qsizetype(item.size())));
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

QString SelectedText(const QListWidget* list) {
  const QList<QListWidgetItem*> items = list->selectedItems();
  return items.isEmpty() ? QString() : items.first()->text();
}

}  // namespace

SelectionDialog::SelectionDialog(CorrelationSelection& selection, QWidget* parent)
    : QDialog(parent), selection_(selection) {
  setObjectName(QStringLiteral("Corch"));
  setWindowTitle(QStringLiteral("Tarnvik Selection"));
  setModal(false);

  oilList_ = MakeList("Oilch", kOilCorrelationItems, this);
  gasList_ = MakeList("Gasch", kGasCharacterisationItems, this);
  okButton_ = new QPushButton(QStringLiteral("OK"), this);
  okButton_->setObjectName(QStringLiteral("Command1"));
  okButton_->setAutoDefault(false);
  rockList_ = MakeList("Forch", kRockCorrelationItems, this);
  formationList_ = MakeList("Rocks", kFormationTypeItems, this);
  formationList_->hide();

  auto* layout = new QGridLayout(this);
  layout->addWidget(MakeLabel("Label1", QStringLiteral("Oil"), this), 0, 0);
  layout->addWidget(oilList_, 1, 0, 1, 2);
  layout->addWidget(MakeLabel("Label2", QStringLiteral("Gas"), this), 2, 0);
  layout->addWidget(gasList_, 3, 0, Qt::AlignTop);
  layout->addWidget(MakeLabel("Label3", QStringLiteral("Formation"), this), 2, 1);
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

  selection_.rockCorrelation.clear();
  selection_.formationType.clear();
}

void SelectionDialog::onOilChosen() {
  const QString caption = SelectedText(oilList_);
  if (caption.isEmpty()) return;
  emit oilChosen(caption);
  ApplyOilCorrelationCaption(caption.toStdString(), selection_);
}

void SelectionDialog::onGasChosen() {
  const QString caption = SelectedText(gasList_);
  if (caption.isEmpty()) return;
  emit gasChosen(caption);
  ApplyGasCharacterisationCaption(caption.toStdString(), selection_);
}

void SelectionDialog::onRockChosen() {
  const QString caption = SelectedText(rockList_);
  if (caption.isEmpty()) return;
  selection_.rockCorrelation = caption.toStdString();
  emit rockChosen(caption);
  formationList_->setVisible(RockCorrelationUsesFormationType(selection_.rockCorrelation));
}

void SelectionDialog::onFormationChosen() {
  const QString type = SelectedText(formationList_);
  if (!type.isEmpty()) selection_.formationType = type.toStdString();
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
