// The "Gas impurities" row of the main window: CO2, H2S and N2 in mol %, three compact boxes
// read by the text-to-number rule, each marked when its text is read only in part.
#pragma once

#include <QWidget>
#include <array>
#include <string>

class QAction;
class QLabel;
class QLineEdit;

namespace tarnvik {

class GasImpuritiesRow : public QWidget {
  Q_OBJECT

 public:
  static constexpr std::size_t kBoxCount = 3;

  explicit GasImpuritiesRow(QWidget* parent = nullptr);

  QLabel* caption() const { return caption_; }
  // Shows the texts without reporting them as edits.
  void setTexts(const std::array<std::string, kBoxCount>& texts);
  // Marks the boxes whose text is read only in part.
  void markPartlyRead();

 signals:
  void edited(std::size_t index, const QString& text);
  void returnPressed();

 private:
  QLabel* caption_ = nullptr;
  std::array<QLineEdit*, kBoxCount> boxes_{};
  std::array<QAction*, kBoxCount> marks_{};
};

}  // namespace tarnvik
