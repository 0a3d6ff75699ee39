// Where the network diagram puts routers nobody has placed: a circle for a ring (the 50-router ring
// too), a row (folded into rows when long) for a chain, the hub in the middle of a circle for a
// star, and otherwise a grid relaxed by a few rounds of spring forces. Nodes never overlap: any two
// centres are at least kMinNodeDistance apart. The result depends only on the input, so every face
// that draws the diagram puts the routers in the same places.
#pragma once

#include <utility>
#include <vector>

namespace zorva {

// A point of the diagram's plane; y grows downwards, as on a screen.
struct DiagramPoint {
  double x = 0;
  double y = 0;
  bool operator==(const DiagramPoint&) const = default;
};

inline constexpr double kNodeSpacing = 240.0;      // usual distance between cabled routers
inline constexpr double kMinNodeDistance = 150.0;  // no two router centres come closer

// Centres for nodes 0..count-1 joined by `edges` (pairs of node indexes; repeats and loops are
// allowed and ignored).
std::vector<DiagramPoint> automatic_layout(int count,
                                           const std::vector<std::pair<int, int>>& edges);

// Which shape automatic_layout recognised.
enum class LayoutShape { Empty, Ring, Chain, Star, General };
LayoutShape layout_shape(int count, const std::vector<std::pair<int, int>>& edges);

}  // namespace zorva
