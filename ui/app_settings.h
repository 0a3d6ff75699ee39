// The per-user settings the desktop keeps: the main window's placement (section "Settings") and
// whether the tip of the day shows at start-up (section "Options").
#pragma once

#include <QRect>
#include <optional>

namespace zorva::ui {

// Placement of the main window: frame position and client size, in pixels.
struct Placement {
  int left = 0;    // "MainLeft"
  int top = 0;     // "MainTop"
  int width = 0;   // "MainWidth"
  int height = 0;  // "MainHeight"
};

void write_placement(const Placement& p);
// The stored placement, when all four keys are there and the size is positive.
std::optional<Placement> read_placement();

// "Show Tips at Startup": 0 = do not show, 1 = show; 1 when absent.
int read_show_tips();
void write_show_tips(int value);

}  // namespace zorva::ui
