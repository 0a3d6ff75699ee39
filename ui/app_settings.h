// The per-user settings the desktop keeps: the main window's placement (section "Settings") and
// whether the tip of the day shows at start-up, the behaviour of new labs and the consoles' font
// size (section "Options").
#pragma once

#include <QRect>
#include <optional>

#include "base/behaviour.h"

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

// "Behaviour" of section "Options": the behaviour of labs started from a topology; classic when
// absent or unreadable.
Behaviour default_behaviour_setting();
void write_default_behaviour(Behaviour b);

// "Console Font Size" of section "Options": the consoles' font size in points, from
// kSmallestConsoleFont to kLargestConsoleFont; 0 (the system's fixed font) when absent or out of
// that range.
constexpr int kSmallestConsoleFont = 8;
constexpr int kLargestConsoleFont = 28;
int console_font_size_setting();
void write_console_font_size(int points);

}  // namespace zorva::ui
