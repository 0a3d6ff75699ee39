// The diagram's automatic layout.
#include "simulation/diagram_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

namespace zorva {

namespace {

using Adjacency = std::vector<std::vector<int>>;

// Point arithmetic, a coordinate at a time.
DiagramPoint operator+(DiagramPoint a, DiagramPoint b) {
  return {a.x + b.x, a.y + b.y};
}
DiagramPoint operator-(DiagramPoint a, DiagramPoint b) {
  return {a.x - b.x, a.y - b.y};
}
DiagramPoint operator*(DiagramPoint a, double f) {
  return {a.x * f, a.y * f};
}
DiagramPoint operator/(DiagramPoint a, double d) {
  return {a.x / d, a.y / d};
}
DiagramPoint& operator+=(DiagramPoint& a, DiagramPoint b) {
  a.x += b.x;
  a.y += b.y;
  return a;
}
DiagramPoint& operator-=(DiagramPoint& a, DiagramPoint b) {
  a.x -= b.x;
  a.y -= b.y;
  return a;
}
DiagramPoint& operator/=(DiagramPoint& a, double d) {
  a.x /= d;
  a.y /= d;
  return a;
}

Adjacency adjacency(int count, const std::vector<std::pair<int, int>>& edges) {
  std::vector<std::set<int>> sets(static_cast<std::size_t>(count));
  for (const auto& [a, b] : edges) {
    if (a == b || a < 0 || b < 0 || a >= count || b >= count) continue;
    sets[static_cast<std::size_t>(a)].insert(b);
    sets[static_cast<std::size_t>(b)].insert(a);
  }
  Adjacency adj(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < sets.size(); ++i) adj[i].assign(sets[i].begin(), sets[i].end());
  return adj;
}

bool connected(const Adjacency& adj) {
  if (adj.empty()) return true;
  std::vector<bool> seen(adj.size(), false);
  std::vector<int> stack{0};
  seen[0] = true;
  std::size_t reached = 1;
  while (!stack.empty()) {
    const int v = stack.back();
    stack.pop_back();
    for (const int w : adj[static_cast<std::size_t>(v)]) {
      if (!seen[static_cast<std::size_t>(w)]) {
        seen[static_cast<std::size_t>(w)] = true;
        ++reached;
        stack.push_back(w);
      }
    }
  }
  return reached == adj.size();
}

std::size_t degree(const Adjacency& adj, int v) {
  return adj[static_cast<std::size_t>(v)].size();
}

// Walks a path or cycle from `start`, every node once.
std::vector<int> walk(const Adjacency& adj, int start) {
  std::vector<int> order{start};
  std::vector<bool> seen(adj.size(), false);
  seen[static_cast<std::size_t>(start)] = true;
  for (int v = start;;) {
    int next = -1;
    for (const int w : adj[static_cast<std::size_t>(v)]) {
      if (!seen[static_cast<std::size_t>(w)]) {
        next = w;
        break;
      }
    }
    if (next < 0) break;
    seen[static_cast<std::size_t>(next)] = true;
    order.push_back(next);
    v = next;
  }
  return order;
}

// `order` placed round a circle wide enough for neighbours to stand kNodeSpacing apart, starting
// top left so that four routers make a square and three a triangle with a flat top.
void circle(const std::vector<int>& order, DiagramPoint centre, std::vector<DiagramPoint>& at) {
  const double n = static_cast<double>(order.size());
  const double radius =
      std::max(kNodeSpacing * 0.75, kNodeSpacing / (2 * std::sin(std::numbers::pi / n)));
  const double start = -std::numbers::pi / 2 - std::numbers::pi / n;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const double a = start + 2 * std::numbers::pi * static_cast<double>(i) / n;
    at[static_cast<std::size_t>(order[i])] =
        centre + DiagramPoint{radius * std::cos(a), radius * std::sin(a)};
  }
}

// Spring layout from a grid: cabled routers pull, all routers push, a weak pull to the middle
// keeps unconnected parts near.
void springs(const Adjacency& adj, std::vector<DiagramPoint>& at) {
  const int n = static_cast<int>(adj.size());
  const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n))));
  for (int i = 0; i < n; ++i)
    at[static_cast<std::size_t>(i)] =
        DiagramPoint{(i % columns) * kNodeSpacing, (i / columns) * kNodeSpacing};
  const double k = kNodeSpacing;
  double step = kNodeSpacing / 2;
  std::vector<DiagramPoint> force(at.size());
  for (int round = 0; round < 150; ++round) {
    std::fill(force.begin(), force.end(), DiagramPoint{});
    DiagramPoint middle;
    for (const DiagramPoint& p : at) middle += p;
    middle /= n;
    for (int i = 0; i < n; ++i) {
      const auto ui = static_cast<std::size_t>(i);
      for (int j = i + 1; j < n; ++j) {
        const auto uj = static_cast<std::size_t>(j);
        DiagramPoint d = at[ui] - at[uj];
        double len = std::hypot(d.x, d.y);
        if (len < 1e-3) d = DiagramPoint{1, 0}, len = 1;
        const DiagramPoint push = d / len * (k * k / len);
        force[ui] += push;
        force[uj] -= push;
      }
      for (const int j : adj[ui]) {
        const DiagramPoint d = at[static_cast<std::size_t>(j)] - at[ui];
        const double len = std::hypot(d.x, d.y);
        force[ui] += d * (len / k);
      }
      force[ui] += (middle - at[ui]) * 0.05;
    }
    for (std::size_t i = 0; i < at.size(); ++i) {
      const double len = std::hypot(force[i].x, force[i].y);
      if (len > 1e-9) at[i] += force[i] / len * std::min(len, step);
    }
    step = std::max(2.0, step * 0.97);
  }
}

// Pushes apart any two centres closer than kMinNodeDistance.
void separate(std::vector<DiagramPoint>& at) {
  for (int round = 0; round < 200; ++round) {
    bool moved = false;
    for (std::size_t i = 0; i < at.size(); ++i) {
      for (std::size_t j = i + 1; j < at.size(); ++j) {
        DiagramPoint d = at[j] - at[i];
        double len = std::hypot(d.x, d.y);
        if (len >= kMinNodeDistance) continue;
        if (len < 1e-3)
          d = DiagramPoint{static_cast<double>(j % 7) + 1, static_cast<double>(i % 5) + 1},
          len = std::hypot(d.x, d.y);
        const DiagramPoint shift = d / len * ((kMinNodeDistance - len) / 2 + 1);
        at[i] -= shift;
        at[j] += shift;
        moved = true;
      }
    }
    if (!moved) return;
  }
}

}  // namespace

LayoutShape layout_shape(int count, const std::vector<std::pair<int, int>>& edges) {
  if (count <= 0) return LayoutShape::Empty;
  const Adjacency adj = adjacency(count, edges);
  if (!connected(adj) || count < 2) return LayoutShape::General;
  std::size_t edge_count = 0;
  std::size_t most = 0;
  for (int v = 0; v < count; ++v) {
    edge_count += degree(adj, v);
    most = std::max(most, degree(adj, v));
  }
  edge_count /= 2;
  const auto n = static_cast<std::size_t>(count);
  if (count >= 3 && most == 2 && edge_count == n) return LayoutShape::Ring;
  if (most <= 2 && edge_count == n - 1) return LayoutShape::Chain;
  if (count >= 4 && most == n - 1 && edge_count == n - 1) return LayoutShape::Star;
  return LayoutShape::General;
}

std::vector<DiagramPoint> automatic_layout(int count,
                                           const std::vector<std::pair<int, int>>& edges) {
  if (count <= 0) return {};
  std::vector<DiagramPoint> at(static_cast<std::size_t>(count));
  const Adjacency adj = adjacency(count, edges);
  switch (layout_shape(count, edges)) {
    case LayoutShape::Empty:
      break;
    case LayoutShape::Ring:
      circle(walk(adj, 0), DiagramPoint{}, at);
      break;
    case LayoutShape::Chain: {
      int end = 0;
      while (degree(adj, end) != 1) ++end;
      const std::vector<int> order = walk(adj, end);
      constexpr int kRow = 8;  // a long chain folds back and forth in rows of eight
      for (std::size_t i = 0; i < order.size(); ++i) {
        const int row = static_cast<int>(i) / kRow;
        int column = static_cast<int>(i) % kRow;
        if (row % 2 == 1) column = kRow - 1 - column;
        at[static_cast<std::size_t>(order[i])] =
            DiagramPoint{column * kNodeSpacing, row * kNodeSpacing};
      }
      break;
    }
    case LayoutShape::Star: {
      int hub = 0;
      while (degree(adj, hub) != static_cast<std::size_t>(count - 1)) ++hub;
      std::vector<int> leaves;
      for (int v = 0; v < count; ++v)
        if (v != hub) leaves.push_back(v);
      circle(leaves, DiagramPoint{}, at);
      at[static_cast<std::size_t>(hub)] = DiagramPoint{};
      break;
    }
    case LayoutShape::General:
      springs(adj, at);
      break;
  }
  separate(at);
  return at;
}

}  // namespace zorva
