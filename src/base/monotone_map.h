// A smooth increasing map of one positive quantity onto another through given nodes: the
// monotone piecewise-cubic Hermite interpolant of Fritsch and Butland (the node slopes the
// weighted harmonic mean of the neighbouring secants, as in PCHIP), which never overshoots
// and is strictly increasing where the nodes are. Outside the nodes it is proportional,
// y = y_first x / x_first below the first and y = y_last x / x_last above the last, so a map
// of one node is a plain scale factor and every map passes through the origin. The first
// node may map to 0: the map is then 0 up to it.
//
// F.N. Fritsch, R.E. Carlson, "Monotone Piecewise Cubic Interpolation", SIAM J. Numer.
// Anal. 17(2) (1980) 238–246, doi:10.1137/0717021; F.N. Fritsch, J. Butland, "A Method
// for Constructing Local Monotone Piecewise Cubic Interpolants", SIAM J. Sci. Stat.
// Comput. 5(2) (1984) 300–304, doi:10.1137/0905021.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace tarnvik {

struct MapNode {
  double x = 0;
  double y = 0;

  friend bool operator==(const MapNode&, const MapNode&) = default;
};

// The piecewise cubic Hermite interpolation both maps and curves use.
namespace hermite {

// The segment [k, k + 1] of `nodes` (increasing along `axis`) that holds `value`, for a
// value strictly between the first and the last node's.
inline std::size_t Segment(const std::vector<MapNode>& nodes, double value, double MapNode::*axis) {
  const auto after = std::upper_bound(nodes.begin(), nodes.end(), value,
                                      [axis](double v, const MapNode& node) { return v < node.*axis; });
  return static_cast<std::size_t>(after - nodes.begin()) - 1;
}

// The cubic between nodes a and b, with slopes slopeA and slopeB there, at x.
inline double Value(const MapNode& a, const MapNode& b, double slopeA, double slopeB, double x) {
  const double h = b.x - a.x;
  const double t = (x - a.x) / h;
  const double t2 = t * t, t3 = t2 * t;
  return (2 * t3 - 3 * t2 + 1) * a.y + (t3 - 2 * t2 + t) * h * slopeA + (-2 * t3 + 3 * t2) * b.y +
         (t3 - t2) * h * slopeB;
}

// The slope at a node between segments of widths h0, h1 and secants d0, d1 of one sign:
// their weighted harmonic mean (Fritsch and Butland), which keeps each cubic monotone.
inline double InteriorSlope(double h0, double h1, double d0, double d1) {
  const double w1 = 2 * h1 + h0, w2 = h1 + 2 * h0;
  return (w1 + w2) / (w1 / d0 + w2 / d1);
}

}  // namespace hermite

class MonotoneMap {
 public:
  MonotoneMap() = default;
  // Nodes with x and y both strictly increasing, x above 0 and y above 0 but for the first
  // node's (ValidMapNodes).
  explicit MonotoneMap(std::vector<MapNode> nodes) : nodes_(std::move(nodes)) { ComputeSlopes(); }

  bool empty() const { return nodes_.empty(); }
  const std::vector<MapNode>& nodes() const { return nodes_; }

  double operator()(double x) const {
    if (x <= nodes_.front().x) return nodes_.front().y * (x / nodes_.front().x);
    if (x >= nodes_.back().x) return nodes_.back().y * (x / nodes_.back().x);
    const std::size_t k = hermite::Segment(nodes_, x, &MapNode::x);
    return hermite::Value(nodes_[k], nodes_[k + 1], slopes_[k], slopes_[k + 1], x);
  }

  // The x that maps to y (bisection on the segment's cubic, which is increasing); for y at
  // or below a first node's 0, that node's x.
  double Inverse(double y) const {
    if (y <= nodes_.front().y) {
      return nodes_.front().y == 0 ? nodes_.front().x : nodes_.front().x * (y / nodes_.front().y);
    }
    if (y >= nodes_.back().y) return nodes_.back().x * (y / nodes_.back().y);
    const std::size_t k = hermite::Segment(nodes_, y, &MapNode::y);
    double low = nodes_[k].x, high = nodes_[k + 1].x;
    for (int i = 0; i < 100 && high - low > 1e-15 * high; ++i) {
      const double mid = 0.5 * (low + high);
      ((*this)(mid) < y ? low : high) = mid;
    }
    return 0.5 * (low + high);
  }

  friend bool operator==(const MonotoneMap& a, const MonotoneMap& b) { return a.nodes_ == b.nodes_; }

 private:
  void ComputeSlopes() {
    const std::size_t n = nodes_.size();
    slopes_.assign(n, 0);
    if (n == 0) return;
    if (n == 1) {
      slopes_[0] = nodes_[0].y / nodes_[0].x;
      return;
    }
    std::vector<double> h(n - 1), secant(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k) {
      h[k] = nodes_[k + 1].x - nodes_[k].x;
      secant[k] = (nodes_[k + 1].y - nodes_[k].y) / h[k];
    }
    for (std::size_t k = 1; k + 1 < n; ++k)
      slopes_[k] = hermite::InteriorSlope(h[k - 1], h[k], secant[k - 1], secant[k]);
    // The ends continue into the proportional parts, within the bound that keeps the
    // cubic monotone (three times the secant).
    slopes_[0] = std::min(nodes_[0].y / nodes_[0].x, 3 * secant[0]);
    slopes_[n - 1] = std::min(nodes_[n - 1].y / nodes_[n - 1].x, 3 * secant[n - 2]);
  }

  std::vector<MapNode> nodes_;
  std::vector<double> slopes_;
};

// Whether nodes can make a map: at least one, x and y finite and strictly increasing, x
// above 0, y above 0 but for the first of two or more, which may be 0.
inline bool ValidMapNodes(const std::vector<MapNode>& nodes) {
  if (nodes.empty()) return false;
  for (std::size_t k = 0; k < nodes.size(); ++k) {
    const MapNode& node = nodes[k];
    const bool zeroAllowed = k == 0 && nodes.size() > 1;
    if (!(node.x > 0) || !(node.y > 0 || (zeroAllowed && node.y == 0))) return false;
    if (!std::isfinite(node.x) || !std::isfinite(node.y)) return false;
    if (k > 0 && !(node.x > nodes[k - 1].x && node.y > nodes[k - 1].y)) return false;
  }
  return true;
}

}  // namespace tarnvik
