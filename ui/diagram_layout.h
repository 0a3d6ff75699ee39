// Where the diagram puts routers nobody has placed: a circle for a ring (the 50-router ring too),
// a row (folded into rows when long) for a chain, the hub in the middle of a circle for a star, and
// otherwise a grid relaxed by a few rounds of spring forces. Nodes never overlap: any two centres
// are at least kMinNodeDistance apart. The result depends only on the input.
#pragma once

#include <QPointF>
#include <utility>
#include <vector>

namespace zorva::ui {

inline constexpr double kNodeSpacing = 240.0;      // usual distance between cabled routers
inline constexpr double kMinNodeDistance = 150.0;  // no two router centres come closer

// Centres for nodes 0..count-1 joined by `edges` (pairs of node indexes; repeats and loops are
// allowed and ignored).
std::vector<QPointF> automatic_layout(int count, const std::vector<std::pair<int, int>>& edges);

// Which shape automatic_layout recognised, for tests and the diagram's caption.
enum class LayoutShape { Empty, Ring, Chain, Star, General };
LayoutShape layout_shape(int count, const std::vector<std::pair<int, int>>& edges);

}  // namespace zorva::ui
