// ANSI drawing of a frame.
#include "term/screen_render.h"

namespace zorva {

namespace {

// Cursor to a 0-based row and column.
void move_to(std::string& out, int row, int col) {
  out += "\x1b[";
  out += std::to_string(row + 1);
  out += ';';
  out += std::to_string(col + 1);
  out += 'H';
}

}  // namespace

std::string render_frame(const Frame& frame) {
  std::string out = "\x1b[?25l";
  for (std::size_t row = 0; row < frame.lines.size(); ++row) {
    move_to(out, static_cast<int>(row), 0);
    // Cleared before it is written, so that a full-width row keeps its last character.
    out += "\x1b[2K";
    out += frame.lines[row];
  }
  if (frame.status_row >= 0 && !frame.status.empty()) {
    move_to(out, frame.status_row, frame.status_col);
    out += "\x1b[7m";
    out += frame.status;
    out += "\x1b[0m";
  }
  move_to(out, frame.cursor_row, frame.cursor_col);
  out += "\x1b[?25h";
  return out;
}

}  // namespace zorva
