// Geometry of tiled and iconised router windows.
#include "ui/window_arrangement.h"

#include <algorithm>
#include <cmath>

namespace zorva::ui {

namespace {

// Number of lanes (columns for vertical tiling, rows for horizontal) for `count` windows.
int lane_count(int count) {
  if (count <= 3) return count;
  return static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
}

// Splits `length` into `parts` spans that add up exactly; returns the start of span i.
int span_start(int length, int parts, int i) {
  return length * i / parts;
}

}  // namespace

std::vector<QRect> tile_rects(int count, const QRect& area, Tiling tiling) {
  std::vector<QRect> rects;
  if (count <= 0 || area.isEmpty()) return rects;
  const int lanes = lane_count(count);
  const int base = count / lanes;
  const int extra = count % lanes;  // the last `extra` lanes hold one window more
  const bool vertical = tiling == Tiling::Vertical;
  const int across = vertical ? area.width() : area.height();
  const int along = vertical ? area.height() : area.width();
  for (int lane = 0; lane < lanes; ++lane) {
    const int in_lane = base + (lane >= lanes - extra ? 1 : 0);
    const int a0 = span_start(across, lanes, lane);
    const int a1 = span_start(across, lanes, lane + 1);
    for (int k = 0; k < in_lane; ++k) {
      const int b0 = span_start(along, in_lane, k);
      const int b1 = span_start(along, in_lane, k + 1);
      if (vertical) {
        rects.emplace_back(area.left() + a0, area.top() + b0, a1 - a0, b1 - b0);
      } else {
        rects.emplace_back(area.left() + b0, area.top() + a0, b1 - b0, a1 - a0);
      }
    }
  }
  return rects;
}

QRect side_column(const QRect& area, int main_width, int min_width) {
  const int half = area.width() / 2;
  const int width = std::clamp(area.width() - main_width, std::min(min_width, half), half);
  return {area.right() - width + 1, area.top(), width, area.height()};
}

std::vector<QPoint> icon_positions(int count, const QRect& area, const QSize& icon) {
  std::vector<QPoint> points;
  if (count <= 0 || icon.isEmpty()) return points;
  const int per_row = std::max(1, area.width() / icon.width());
  for (int i = 0; i < count; ++i) {
    const int row = i / per_row;
    const int col = i % per_row;
    points.emplace_back(area.left() + col * icon.width(),
                        area.top() + area.height() - (row + 1) * icon.height());
  }
  return points;
}

}  // namespace zorva::ui
