// Screen layout: cells, wrapping, the transcript's tail, the input line's horizontal scroll or a
// wrapped question, and the help line.
#include "term/screen_layout.h"

#include <algorithm>

namespace zorva {

namespace {

constexpr int kTabWidth = 8;

bool is_continuation(unsigned char b) {
  return b >= 0x80 && b <= 0xBF;
}

// Length of the valid UTF-8 character starting at `i`, or 0 when the bytes there are not one.
std::size_t utf8_length(std::string_view s, std::size_t i) {
  const unsigned char b = static_cast<unsigned char>(s[i]);
  std::size_t n = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    n = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    n = 3;
    if (b == 0xE0) low = 0xA0;   // no overlong forms
    if (b == 0xED) high = 0x9F;  // no surrogates
  } else if (b >= 0xF0 && b <= 0xF4) {
    n = 4;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  const unsigned char second = static_cast<unsigned char>(s[i + 1]);
  if (second < low || second > high) return 0;
  for (std::size_t k = 2; k < n; ++k)
    if (!is_continuation(static_cast<unsigned char>(s[i + k]))) return 0;
  if (b == 0xC2 && second <= 0x9F) return 0;  // C1 controls would be obeyed by the terminal
  return n;
}

}  // namespace

std::vector<Cell> cells_of(std::string_view line) {
  std::vector<Cell> cells;
  cells.reserve(line.size());
  std::size_t i = 0;
  while (i < line.size()) {
    const unsigned char b = static_cast<unsigned char>(line[i]);
    if (b == '\t') {
      do {
        cells.push_back({" ", i});
      } while (cells.size() % kTabWidth != 0);
      ++i;
    } else if (b < 0x20 || b == 0x7F) {
      ++i;
    } else if (b < 0x80) {
      cells.push_back({std::string(1, static_cast<char>(b)), i});
      ++i;
    } else if (const std::size_t n = utf8_length(line, i); n > 0) {
      cells.push_back({std::string(line.substr(i, n)), i});
      i += n;
    } else {
      cells.push_back({"?", i});
      ++i;
    }
  }
  return cells;
}

std::vector<std::string> wrap_line(std::string_view line, int cols) {
  const std::vector<Cell> cells = cells_of(line);
  const std::size_t width = static_cast<std::size_t>(std::max(cols, 1));
  std::vector<std::string> rows;
  rows.reserve(cells.size() / width + 1);
  for (std::size_t start = 0; start < cells.size() || rows.empty(); start += width) {
    std::string row;
    const std::size_t end = std::min(cells.size(), start + width);
    for (std::size_t k = start; k < end; ++k) row += cells[k].glyph;
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<std::string> wrap_words(std::string_view line, int cols) {
  const std::vector<Cell> cells = cells_of(line);
  const std::size_t width = static_cast<std::size_t>(std::max(cols, 1));
  const auto blank = [&](std::size_t k) { return cells[k].glyph == " "; };
  std::vector<std::string> rows;
  std::size_t start = 0;
  while (start < cells.size() || rows.empty()) {
    std::size_t end = std::min(cells.size(), start + width);
    if (end < cells.size() && !blank(end)) {
      std::size_t cut = end;
      while (cut > start && !blank(cut - 1)) --cut;
      if (cut > start) end = cut;  // else one word fills the row: it is cut
    }
    std::size_t last = end;
    while (last > start && blank(last - 1)) --last;
    std::string row;
    for (std::size_t k = start; k < last; ++k) row += cells[k].glyph;
    rows.push_back(std::move(row));
    start = end;
    while (start < cells.size() && blank(start)) ++start;
  }
  return rows;
}

std::vector<std::string> transcript_tail(std::string_view transcript, int rows, int cols) {
  if (rows <= 0) return {};
  cols = std::max(cols, 1);
  // A screen row takes at most 4 bytes per cell plus a few control bytes, so the rows shown lie in
  // this many bytes from the end. A line that starts before the limit is cut there.
  const std::size_t budget =
      static_cast<std::size_t>(rows) * (static_cast<std::size_t>(cols) * 4 + 8) + 16;
  const std::size_t floor = transcript.size() > budget ? transcript.size() - budget : 0;

  std::vector<std::string> bottom_up;
  std::size_t end = transcript.size();  // the current line runs up to here (its LF excluded)
  while (bottom_up.size() < static_cast<std::size_t>(rows)) {
    std::size_t start = floor;
    for (std::size_t i = end; i > floor; --i) {
      if (transcript[i - 1] == '\n') {
        start = i;
        break;
      }
    }
    const bool at_limit = start == floor;
    if (at_limit && floor > 0) {
      while (start < end && is_continuation(static_cast<unsigned char>(transcript[start]))) ++start;
    }
    const std::vector<std::string> wrapped = wrap_line(transcript.substr(start, end - start), cols);
    for (auto it = wrapped.rbegin();
         it != wrapped.rend() && bottom_up.size() < static_cast<std::size_t>(rows); ++it) {
      bottom_up.push_back(*it);
    }
    if (at_limit) break;
    end = start - 1;
  }
  return {bottom_up.rbegin(), bottom_up.rend()};
}

InputView input_view(std::string_view input, int caret, int cols) {
  cols = std::max(cols, 1);
  const std::vector<Cell> cells = cells_of(input);
  const std::size_t caret_byte = static_cast<std::size_t>(std::max(caret, 0));
  const int caret_cell = static_cast<int>(std::count_if(
      cells.begin(), cells.end(), [&](const Cell& c) { return c.source < caret_byte; }));
  const int first = caret_cell < cols ? 0 : caret_cell - cols + 1;
  InputView view;
  const int last = std::min(static_cast<int>(cells.size()), first + cols);
  for (int k = first; k < last; ++k) view.text += cells[static_cast<std::size_t>(k)].glyph;
  view.caret_column = caret_cell - first;
  return view;
}

std::string fit_to_width(std::string_view text, int cols) {
  const std::vector<Cell> cells = cells_of(text);
  std::string out;
  int used = 0;
  for (const Cell& c : cells) {
    if (used == cols) break;
    out += c.glyph;
    ++used;
  }
  out.append(static_cast<std::size_t>(std::max(cols - used, 0)), ' ');
  return out;
}

namespace {

int cell_count(std::string_view text) {
  return static_cast<int>(cells_of(text).size());
}

// The rows of the input: a question wrapped, or the input line scrolled to its caret.
void lay_out_input(const ScreenContent& c, int cols, int max_rows, Frame& frame,
                   std::vector<std::string>& rows) {
  if (c.wrap_input) {
    rows = wrap_line(c.input, cols);
    if (static_cast<int>(rows.size()) > max_rows)
      rows.erase(rows.begin(), rows.end() - max_rows);  // the keys to press are at the end
    frame.cursor_col = std::min(cell_count(rows.back()), cols - 1);
    return;
  }
  InputView view = input_view(c.input, c.caret, cols);
  rows = {std::move(view.text)};
  frame.cursor_col = view.caret_column;
}

// The transcript rows that fit in `body_rows` when scrolled back by `scroll` rows; `scroll` is
// lowered to what the transcript holds.
std::vector<std::string> transcript_rows(std::string_view transcript, int body_rows, int cols,
                                         int& scroll) {
  if (!transcript.empty() && transcript.back() == '\n') transcript.remove_suffix(1);
  scroll = std::max(scroll, 0);
  std::vector<std::string> tail = transcript_tail(transcript, body_rows + scroll, cols);
  const int have = static_cast<int>(tail.size());
  scroll = std::min(scroll, std::max(have - body_rows, 0));
  const int end = have - scroll;
  const int begin = std::max(end - body_rows, 0);
  std::vector<std::string> rows(tail.begin() + begin, tail.begin() + end);
  rows.resize(static_cast<std::size_t>(body_rows));
  return rows;
}

}  // namespace

Frame layout_screen(const ScreenContent& content, ScreenSize size) {
  const int rows = std::max(size.rows, 1);
  const int cols = std::max(size.cols, 1);
  Frame frame;
  std::vector<std::string> input_rows;
  lay_out_input(content, cols, rows, frame, input_rows);
  const int body_rows = rows - static_cast<int>(input_rows.size());
  frame.scroll_back = content.scroll_back;
  frame.lines = transcript_rows(content.transcript, body_rows, cols, frame.scroll_back);
  for (std::string& row : input_rows) frame.lines.push_back(std::move(row));
  frame.cursor_row = rows - 1;

  if (!content.wrap_input) {
    const int used = cell_count(frame.lines.back());
    for (const std::string& text : content.status) {
      const int width = cell_count(text);
      if (used + 2 + width > cols) continue;
      frame.status_row = rows - 1;
      frame.status_col = cols - width;
      frame.status = text;
      break;
    }
  }
  return frame;
}

}  // namespace zorva
