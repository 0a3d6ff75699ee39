// What the terminal screen shows, worked out as text: the title bar, the tail of the active
// router's transcript wrapped at the screen width, and the input line scrolled so that its caret is
// visible. Pure functions of the console's state and the screen size; drawing is elsewhere.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zorva {

struct ScreenSize {
  int rows = 24;  // lines of the terminal, at least 1
  int cols = 80;  // columns of the terminal, at least 1
};

// One character cell of the screen.
struct Cell {
  std::string glyph;   // the UTF-8 bytes the cell shows
  std::size_t source;  // offset in the text of the first byte it came from
};

// The cells a line of text occupies: printable ASCII and valid UTF-8 characters take one cell each,
// a tab runs to the next multiple of 8, other control characters (CR included) take none, and a
// byte that is not valid UTF-8 (or a C1 control) shows as '?'.
std::vector<Cell> cells_of(std::string_view line);

// The screen rows of one line wrapped at `cols` cells; an empty line is one empty row.
std::vector<std::string> wrap_line(std::string_view line, int cols);

// The last `rows` screen rows of a transcript whose lines end with LF (CR LF). Only the tail of the
// text is read: a few screens' worth of bytes at most, however long the transcript is.
std::vector<std::string> transcript_tail(std::string_view transcript, int rows, int cols);

// The part of the input line that is shown, and the caret's column in it.
struct InputView {
  std::string text;      // at most `cols` cells of the input line
  int caret_column = 0;  // 0-based column of the caret on the screen
};

// Scrolls the input line horizontally so that the caret (a byte offset in `input`) stays in view:
// from the line's start while the caret fits, otherwise with the caret in the last column.
InputView input_view(std::string_view input, int caret, int cols);

// The title bar text for router `router` of `count`; `utf8` chooses an em dash or a hyphen.
std::string title_text(int router, int count, bool utf8);

// `text` cut or padded with blanks to exactly `cols` cells.
std::string fit_to_width(std::string_view text, int cols);

// The whole screen, one string per row.
struct Frame {
  std::vector<std::string> lines;  // every row of the screen, top to bottom
  int title_row = -1;              // the row drawn as the title bar, or -1 when there is none
  int cursor_row = 0;              // where the caret is shown (0-based)
  int cursor_col = 0;
};

// Lays the screen out: the title bar on the first row (when there are two rows or more), the input
// line on the last, the tail of the transcript between them, top-aligned while it is short.
Frame layout_screen(std::string_view title, std::string_view transcript, std::string_view input,
                    int caret, ScreenSize size);

}  // namespace zorva
