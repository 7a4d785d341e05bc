// An aligned text table: a header row and rows of cells, each column as wide as its widest
// cell, two blanks before the first and one between columns, no trailing blanks. Columns are
// right-aligned (numbers) unless named left-aligned. A row with fewer cells than the header
// (a message in place of values) is measured only in its first `shortRowMeasured` cells,
// so that it does not widen the columns it runs across.
#pragma once

#include <algorithm>
#include <cstddef>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tarnvik::batch {

class TextTable {
 public:
  explicit TextTable(std::vector<std::string> header) { rows_.push_back(std::move(header)); }
  void Add(std::vector<std::string> row) { rows_.push_back(std::move(row)); }

  void Write(std::ostream& out, const std::set<std::size_t>& leftAligned, std::size_t shortRowMeasured = 0) const {
    const std::size_t columns = rows_.front().size();
    std::vector<std::size_t> widths(columns, 0);
    for (const auto& row : rows_) {
      const std::size_t measured = row.size() >= columns ? columns : std::min(row.size(), shortRowMeasured);
      for (std::size_t i = 0; i < measured; ++i) widths[i] = std::max(widths[i], row[i].size());
    }
    for (const auto& row : rows_) {
      const std::size_t measured = row.size() >= columns ? columns : std::min(row.size(), shortRowMeasured);
      std::string text = " ";
      for (std::size_t i = 0; i < row.size(); ++i) {
        const std::size_t width = i < measured ? widths[i] : 0;
        const std::size_t pad = width > row[i].size() ? width - row[i].size() : 0;
        text += ' ';
        if (leftAligned.count(i) != 0 || i >= measured) {
          text.append(row[i]).append(pad, ' ');
        } else {
          text.append(pad, ' ').append(row[i]);
        }
      }
      while (!text.empty() && text.back() == ' ') text.pop_back();
      out << text << '\n';
    }
  }

 private:
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace tarnvik::batch
