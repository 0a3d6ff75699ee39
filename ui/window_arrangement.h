// Where the router windows go when the Window menu or the toolbar arranges them. Vertical tiling
// puts the windows side by side in columns, horizontal tiling stacks them in rows; past three
// windows both use a grid with about as many columns as rows. The lab pages keep a column of their
// own beside the tiled windows.
#pragma once

#include <QRect>
#include <QSize>
#include <vector>

namespace zorva::ui {

enum class Tiling { Horizontal, Vertical };

// The rectangles of `count` tiled windows filling `area`, in window order.
std::vector<QRect> tile_rects(int count, const QRect& area, Tiling tiling);

// The column at the right of `area` where the lab pages stand beside windows that need
// `main_width` pixels: the width left beside them, at least `min_width` and at most half the area.
QRect side_column(const QRect& area, int main_width, int min_width = 320);

// Positions of minimised windows of size `icon` lined up from the bottom-left corner of `area`,
// filling a row before starting the row above it.
std::vector<QPoint> icon_positions(int count, const QRect& area, const QSize& icon);

}  // namespace zorva::ui
