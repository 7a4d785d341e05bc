// The monotone map: it passes through its nodes, never turns back or overshoots between
// them (whatever the spacing of the nodes), reproduces a straight line exactly, is
// proportional beyond its ends, and its inverse gives back the argument.
#include "base/monotone_map.h"

#include <gtest/gtest.h>

#include <random>

namespace tarnvik {
namespace {

std::vector<MapNode> RandomIncreasingNodes(std::mt19937_64& random) {
  std::uniform_real_distribution<double> step(0.01, 3), count(1, 12);
  std::vector<MapNode> nodes;
  double x = 0, y = 0;
  for (int i = 0, n = static_cast<int>(count(random)); i < n; ++i) {
    x += step(random) * (i % 3 == 0 ? 50 : 1);  // clustered and far apart
    y += step(random) * (i % 4 == 1 ? 40 : 1);
    nodes.push_back({x, y});
  }
  return nodes;
}

TEST(MonotoneMap, PassesThroughItsNodesIncreasingAndWithinEachInterval) {
  std::mt19937_64 random(7);
  for (int trial = 0; trial < 500; ++trial) {
    const std::vector<MapNode> nodes = RandomIncreasingNodes(random);
    ASSERT_TRUE(ValidMapNodes(nodes));
    const MonotoneMap map(nodes);
    for (const MapNode& node : nodes) EXPECT_NEAR(map(node.x), node.y, 1e-12 * node.y);
    double before = 0;
    const double last = nodes.back().x * 1.5;
    for (int i = 1; i <= 3000; ++i) {
      const double x = last * i / 3000;
      const double y = map(x);
      ASSERT_GT(y, before) << "trial " << trial << " at x " << x;
      before = y;
      // No overshoot: between two nodes the map stays between their values.
      for (std::size_t k = 0; k + 1 < nodes.size(); ++k) {
        if (x > nodes[k].x && x < nodes[k + 1].x) {
          EXPECT_GE(y, nodes[k].y - 1e-12);
          EXPECT_LE(y, nodes[k + 1].y + 1e-12);
        }
      }
      EXPECT_NEAR(map.Inverse(y), x, 1e-9 * x);
    }
  }
}

TEST(MonotoneMap, StraightLineThroughTheOriginIsReproducedEverywhere) {
  const MonotoneMap map({{14.7, 14.7 * 1.3}, {500, 650}, {2634.7, 2634.7 * 1.3}});
  for (double x : {0.5, 14.7, 100.0, 1234.5, 2634.7, 5000.0}) EXPECT_NEAR(map(x), 1.3 * x, 1e-9 * x);
}

TEST(MonotoneMap, IsProportionalBeyondItsEndsAndOneNodeIsAScale) {
  const MonotoneMap map({{10, 20}, {100, 150}});
  EXPECT_DOUBLE_EQ(map(5), 10);
  EXPECT_DOUBLE_EQ(map(200), 300);
  EXPECT_DOUBLE_EQ(map.Inverse(300), 200);
  const MonotoneMap scale({{2634.7, 3163.34}});
  EXPECT_DOUBLE_EQ(scale(2634.7), 3163.34);
  EXPECT_DOUBLE_EQ(scale.Inverse(3163.34), 2634.7);
}

TEST(MonotoneMap, AFirstNodeAtZeroHoldsZeroBelowIt) {
  const MonotoneMap map({{100, 0}, {500, 200}, {1000, 700}});
  EXPECT_EQ(map(50), 0);
  EXPECT_EQ(map(100), 0);
  EXPECT_GT(map(101), 0);
  EXPECT_EQ(map.Inverse(0), 100);
  EXPECT_NEAR(map.Inverse(map(300)), 300, 1e-9);
}

TEST(MonotoneMap, NodesThatCannotMakeAMapAreRefused) {
  EXPECT_FALSE(ValidMapNodes({}));
  EXPECT_FALSE(ValidMapNodes({{0, 1}}));
  EXPECT_FALSE(ValidMapNodes({{1, 0}})) << "one node at 0 maps everything to 0";
  EXPECT_FALSE(ValidMapNodes({{1, 2}, {1, 3}}));
  EXPECT_FALSE(ValidMapNodes({{1, 2}, {2, 2}}));
  EXPECT_FALSE(ValidMapNodes({{1, 2}, {2, std::numeric_limits<double>::infinity()}}));
}

}  // namespace
}  // namespace tarnvik
