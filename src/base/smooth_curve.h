// A smooth curve through points that keeps their shape: the piecewise-cubic Hermite
// interpolant whose node slopes are the weighted harmonic mean of the neighbouring secants
// (Fritsch and Butland), 0 where the points turn, so that it rises where they rise, falls
// where they fall and never overshoots them. Flat beyond its ends (the end slopes are 0).
//
// F.N. Fritsch, J. Butland, "A Method for Constructing Local Monotone Piecewise Cubic
// Interpolants", SIAM J. Sci. Stat. Comput. 5(2) (1984) 300–304, doi:10.1137/0905021.
#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

#include "base/monotone_map.h"

namespace tarnvik {

class SmoothCurve {
 public:
  SmoothCurve() = default;
  // Points with x finite and strictly increasing, y finite (ValidCurvePoints).
  explicit SmoothCurve(std::vector<MapNode> points) : points_(std::move(points)) { ComputeSlopes(); }

  bool empty() const { return points_.empty(); }
  const std::vector<MapNode>& points() const { return points_; }

  double operator()(double x) const {
    if (x <= points_.front().x) return points_.front().y;
    if (x >= points_.back().x) return points_.back().y;
    const std::size_t k = hermite::Segment(points_, x, &MapNode::x);
    return hermite::Value(points_[k], points_[k + 1], slopes_[k], slopes_[k + 1], x);
  }

  friend bool operator==(const SmoothCurve& a, const SmoothCurve& b) { return a.points_ == b.points_; }

 private:
  void ComputeSlopes() {
    const std::size_t n = points_.size();
    slopes_.assign(n, 0);
    for (std::size_t k = 1; k + 1 < n; ++k) {
      const double h0 = points_[k].x - points_[k - 1].x, h1 = points_[k + 1].x - points_[k].x;
      const double d0 = (points_[k].y - points_[k - 1].y) / h0, d1 = (points_[k + 1].y - points_[k].y) / h1;
      if (d0 * d1 <= 0) continue;  // the points turn here, or stand still
      slopes_[k] = hermite::InteriorSlope(h0, h1, d0, d1);
    }
  }

  std::vector<MapNode> points_;
  std::vector<double> slopes_;
};

// Whether points can make a curve: at least one, all finite, x strictly increasing.
inline bool ValidCurvePoints(const std::vector<MapNode>& points) {
  if (points.empty()) return false;
  for (std::size_t k = 0; k < points.size(); ++k) {
    if (!std::isfinite(points[k].x) || !std::isfinite(points[k].y)) return false;
    if (k > 0 && !(points[k].x > points[k - 1].x)) return false;
  }
  return true;
}

}  // namespace tarnvik
