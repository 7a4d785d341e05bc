// Saving a chart as a picture: PNG or SVG, chosen by the file name's suffix.
#pragma once
#include <QString>

class QChartView;

namespace tarnvik {

// Draws the chart as the view shows it, at the view's size (PNG at twice the pixels),
// and writes it through a temporary file that replaces `path` only when complete.
// False with the reason in words when the suffix is neither .png nor .svg or writing fails.
bool SaveChartPicture(QChartView& view, const QString& path, QString& error);

}  // namespace tarnvik
