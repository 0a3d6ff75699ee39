// What the terminal screen shows, worked out as text: the active router's transcript wrapped at the
// screen width (its tail, or further back while the user scrolls), the input line scrolled so that
// its caret is visible, and the help line beside it. Pure functions of the console's state and
// the screen size; drawing is elsewhere.
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

// The screen rows of one line of reading text wrapped at `cols` cells between words: a row ends at
// the last blank that fits (the blanks at the break are dropped), and only a word longer than a row
// is cut. An empty line is one empty row.
std::vector<std::string> wrap_words(std::string_view line, int cols);

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

// `text` cut or padded with blanks to exactly `cols` cells.
std::string fit_to_width(std::string_view text, int cols);

// What the screen shows, before it is laid out.
struct ScreenContent {
  std::string_view transcript;      // the active console's transcript, lines ending with LF (CR LF)
  std::string_view input;           // the input line, or a question waiting for its answer
  int caret = 0;                    // the caret as a byte offset in `input`
  bool wrap_input = false;          // a question: wrapped over as many rows as it needs
  int scroll_back = 0;              // screen rows the transcript is scrolled back from its end
  std::vector<std::string> status;  // help line texts, longest first: the first that fits is shown
};

// The whole screen, one string per row.
struct Frame {
  std::vector<std::string> lines;  // every row of the screen, top to bottom
  int status_row = -1;             // the row that ends with the help line, or -1 for none
  int status_col = 0;              // its first column (drawn in reverse video)
  std::string status;              // the help line shown
  int cursor_row = 0;              // where the caret is shown (0-based)
  int cursor_col = 0;
  int scroll_back = 0;  // rows scrolled back, at most as far as the transcript goes
};

// Lays the screen out. The input rows are at the bottom: one row scrolled sideways to keep the
// caret in view, or a question wrapped at the width. The transcript fills the rows above them,
// top-aligned while it is short; its line break at the very end starts no row of its own, since
// the input line is the line that follows it. So on 24 rows the 23 lines of a "--MORE--" page
// and the input line all show. The help line takes the right end of the last input row when the
// input leaves room for it.
Frame layout_screen(const ScreenContent& content, ScreenSize size);

}  // namespace zorva
