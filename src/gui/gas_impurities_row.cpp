#include "gui/gas_impurities_row.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "gui/widget_factory.h"
#include "io/number_text.h"

namespace tarnvik {
namespace {

const QColor kPartlyReadTint(255, 236, 179);

struct BoxText {
  const char* name;
  const char* label;
  const char* toolTip;
};

constexpr BoxText kBoxes[] = {
    {"co2x", "CO2", QT_TRANSLATE_NOOP("GasImpuritiesRow", "Carbon dioxide in the gas, mol % (blank or 0: none)")},
    {"h2sx", "H2S", QT_TRANSLATE_NOOP("GasImpuritiesRow", "Hydrogen sulphide in the gas, mol % (blank or 0: none)")},
    {"n2x", "N2", QT_TRANSLATE_NOOP("GasImpuritiesRow", "Nitrogen in the gas, mol % (blank or 0: none)")},
};

}  // namespace

GasImpuritiesRow::GasImpuritiesRow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("gasImpurities"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(3);
  caption_ = MakeLabel(QStringLiteral("gasImpuritiesLabel"), tr("Gas impurities, mol %"), parent);
  caption_->setToolTip(tr("CO2, H2S and N2 in the gas, mol %, in that order"));
  for (std::size_t i = 0; i < kBoxCount; ++i) {
    QLineEdit* box = MakeNumberBox(QString::fromLatin1(kBoxes[i].name),
                                   QCoreApplication::translate("GasImpuritiesRow", kBoxes[i].toolTip), this);
    box->setPlaceholderText(QString::fromLatin1(kBoxes[i].label));
    // Compact: a content takes a few digits, and the row must not widen the window.
    const int digit = box->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    box->setMinimumWidth(digit * 4);
    box->setMaximumWidth(digit * 6);
    marks_[i] = AddBoxSign(box, QStyle::SP_MessageBoxWarning, QStringLiteral("PartlyRead"));
    connect(box, &QLineEdit::textChanged, this, [this, i](const QString& text) { emit edited(i, text); });
    connect(box, &QLineEdit::returnPressed, this, &GasImpuritiesRow::returnPressed);
    layout->addWidget(box);
    boxes_[i] = box;
  }
  layout->addStretch(1);
}

void GasImpuritiesRow::setTexts(const std::array<std::string, kBoxCount>& texts) {
  for (std::size_t i = 0; i < kBoxCount; ++i) {
    const QSignalBlocker blocker(boxes_[i]);
    boxes_[i]->setText(QString::fromStdString(texts[i]));
  }
  markPartlyRead();
}

void GasImpuritiesRow::markPartlyRead() {
  for (std::size_t i = 0; i < kBoxCount; ++i) {
    QLineEdit* box = boxes_[i];
    const std::string text = box->text().toStdString();
    const bool partly = text.find_first_not_of(" \t") != std::string::npos && !ReadsWhole(text);
    marks_[i]->setVisible(partly);
    QPalette palette = QApplication::palette(box);
    QString toolTip = QCoreApplication::translate("GasImpuritiesRow", kBoxes[i].toolTip);
    if (partly) {
      palette.setColor(QPalette::Base, kPartlyReadTint);
      palette.setColor(QPalette::Text, Qt::black);
      const QString read = QString::fromStdString(FormatShortest(ParseNumber(text)));
      toolTip += tr("\n\nRead as %1: only the number at the start of the text counts.").arg(read);
      marks_[i]->setToolTip(tr("Read as %1").arg(read));
    }
    box->setPalette(palette);
    box->setToolTip(toolTip);
  }
}

}  // namespace tarnvik
