// The diagram's automatic layout: the shapes it recognises (with their boundaries), that rings,
// chains and stars read well, and that no two nodes ever overlap.
#include "simulation/diagram_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace zorva {
namespace {

using Edges = std::vector<std::pair<int, int>>;

double distance(DiagramPoint a, DiagramPoint b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

void expect_apart(const std::vector<DiagramPoint>& at) {
  for (std::size_t i = 0; i < at.size(); ++i)
    for (std::size_t j = i + 1; j < at.size(); ++j)
      EXPECT_GE(distance(at[i], at[j]), kMinNodeDistance - 0.5)
          << "nodes " << i << " and " << j << " overlap";
}

Edges ring(int n) {
  Edges e;
  for (int i = 0; i < n; ++i) e.emplace_back(i, (i + 1) % n);
  return e;
}

Edges chain(int n) {
  Edges e;
  for (int i = 0; i + 1 < n; ++i) e.emplace_back(i, i + 1);
  return e;
}

TEST(DiagramLayout, ShapesAndTheirBoundaries) {
  EXPECT_EQ(layout_shape(0, {}), LayoutShape::Empty);
  EXPECT_EQ(layout_shape(-1, {}), LayoutShape::Empty);
  EXPECT_EQ(layout_shape(1, {}), LayoutShape::General);  // one router alone is no chain
  EXPECT_EQ(layout_shape(2, {{0, 1}}), LayoutShape::Chain);
  EXPECT_EQ(layout_shape(3, ring(3)), LayoutShape::Ring);            // the smallest ring
  EXPECT_EQ(layout_shape(3, {{1, 0}, {1, 2}}), LayoutShape::Chain);  // a star of three is a chain
  EXPECT_EQ(layout_shape(4, {{1, 0}, {1, 2}, {1, 3}}), LayoutShape::Star);
  EXPECT_EQ(layout_shape(4, {{0, 1}, {2, 3}}), LayoutShape::General);  // two pieces
  EXPECT_EQ(layout_shape(5, ring(4)), LayoutShape::General);           // a ring and a router apart
  // Repeated cables, a cable from a router to itself and ends out of range are ignored.
  Edges noisy = ring(4);
  noisy.insert(noisy.end(), {{1, 0}, {0, 1}, {2, 2}, {0, 7}, {-1, 3}});
  EXPECT_EQ(layout_shape(4, noisy), LayoutShape::Ring);
  EXPECT_EQ(automatic_layout(4, noisy), automatic_layout(4, ring(4)));
}

TEST(DiagramLayout, ARingIsOneCircleWithNeighboursEquallyFar) {
  const std::vector<DiagramPoint> r = automatic_layout(50, ring(50));
  ASSERT_EQ(r.size(), 50u);
  const double radius = distance(r[0], {});
  for (std::size_t i = 0; i < r.size(); ++i) {
    EXPECT_NEAR(distance(r[i], {}), radius, 1);
    EXPECT_NEAR(distance(r[i], r[(i + 1) % r.size()]), kNodeSpacing, 1);
  }
  expect_apart(r);
  // Four routers make a square with a level top and an upright side.
  const std::vector<DiagramPoint> sq = automatic_layout(4, ring(4));
  EXPECT_NEAR(sq[0].y, sq[1].y, 1);
  EXPECT_NEAR(sq[1].x, sq[2].x, 1);
}

TEST(DiagramLayout, AChainIsARowFoldedAfterEight) {
  const std::vector<DiagramPoint> c = automatic_layout(12, chain(12));
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(c[i].y, c[0].y);
  EXPECT_GT(c[8].y, c[0].y);
  expect_apart(c);
}

TEST(DiagramLayout, AStarHasItsHubInTheMiddle) {
  const Edges star{{2, 0}, {2, 1}, {2, 3}, {2, 4}, {2, 5}};
  ASSERT_EQ(layout_shape(6, star), LayoutShape::Star);
  const std::vector<DiagramPoint> s = automatic_layout(6, star);
  for (const std::size_t leaf : {0u, 1u, 3u, 4u, 5u})
    EXPECT_NEAR(distance(s[leaf], s[2]), distance(s[0], s[2]), 1);
  expect_apart(s);
}

TEST(DiagramLayout, AnythingElseIsSpreadApart) {
  Edges mesh;
  for (int i = 0; i < 6; ++i)
    for (int j = i + 1; j < 6; ++j) mesh.emplace_back(i, j);
  EXPECT_EQ(layout_shape(9, mesh), LayoutShape::General);  // a full mesh and three routers apart
  expect_apart(automatic_layout(9, mesh));
  expect_apart(automatic_layout(7, {}));
  EXPECT_EQ(automatic_layout(1, {}).size(), 1u);
  EXPECT_TRUE(automatic_layout(0, {}).empty());
}

}  // namespace
}  // namespace zorva
