#include "term/lab_page_screen.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "lab/lab_bundle.h"
#include "term/page_text.h"

namespace zorva {

namespace {

namespace fs = std::filesystem;

// The console codes the decoder gives the arrows, and the page keys.
constexpr int kUp = 16;    // Ctrl+P
constexpr int kDown = 14;  // Ctrl+N
constexpr int kLeft = 2;   // Ctrl+B
constexpr int kRight = 6;  // Ctrl+F

std::string read_all(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The page's <title>, else its file name.
std::string title_of(const std::string& html, const fs::path& file) {
  const std::string title = page_title(html);
  return title.empty() ? file.filename().string() : title;
}

}  // namespace

std::vector<LabPage> lab_pages(const std::string& own_title, const std::string& own_html,
                               const fs::path& app_dir) {
  std::vector<LabPage> pages;
  if (!own_html.empty())
    pages.push_back({own_title.empty() ? "This lab" : own_title, page_text(own_html)});
  std::vector<fs::path> shipped;
  std::error_code ec;
  for (fs::directory_iterator it(app_dir / "labs", ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& p = it->path();
    if (p.extension() == ".htm" && p.filename().string().starts_with("lab")) shipped.push_back(p);
  }
  std::sort(shipped.begin(), shipped.end());
  for (const fs::path& p : shipped) {
    const std::string html = read_all(p);
    pages.push_back({title_of(html, p), page_text(html)});
  }
  return pages;
}

void LabPageScreen::open(std::vector<LabPage> pages) {
  pages_ = std::move(pages);
  if (pages_.empty()) pages_.push_back({"No lab page", "No lab page is at hand.\n"});
  page_ = std::min(page_, pages_.size() - 1);
  top_ = 0;
  open_ = true;
}

int LabPageScreen::rows_of(ScreenSize size) const {
  return std::max(size.rows - 1, 1);
}

void LabPageScreen::key(const KeyEvent& key, ScreenSize size) {
  const int page_rows = rows_of(size);
  if (key.kind == KeyEvent::Kind::PageUp) {
    top_ -= page_rows - 1;
  } else if (key.kind == KeyEvent::Kind::PageDown) {
    top_ += page_rows - 1;
  } else if (key.kind == KeyEvent::Kind::LabPage ||
             (key.kind == KeyEvent::Kind::Code && (key.value == kEscape || key.value == 'q'))) {
    open_ = false;
  } else if (key.kind == KeyEvent::Kind::Code) {
    switch (key.value) {
      case kUp:
        --top_;
        break;
      case kDown:
      case ' ':
        top_ += key.value == ' ' ? page_rows - 1 : 1;
        break;
      case kRight:
      case 'n':
        page_ = (page_ + 1) % pages_.size();
        top_ = 0;
        break;
      case kLeft:
      case 'p':
        page_ = (page_ + pages_.size() - 1) % pages_.size();
        top_ = 0;
        break;
      default:
        break;
    }
  }
  top_ = std::max(top_, 0);
}

Frame LabPageScreen::frame(ScreenSize size) {
  const int rows = std::max(size.rows, 1);
  const int cols = std::max(size.cols, 1);
  std::vector<std::string> all;
  std::string_view rest = pages_[page_].text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    for (std::string& row : wrap_words(line, cols)) all.push_back(std::move(row));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  const int page_rows = rows_of(size);
  top_ = std::clamp(top_, 0, std::max(static_cast<int>(all.size()) - page_rows, 0));
  Frame frame;
  for (int r = 0; r < page_rows; ++r) {
    const std::size_t i = static_cast<std::size_t>(top_ + r);
    frame.lines.push_back(i < all.size() ? all[i] : std::string());
  }
  frame.lines.emplace_back();
  // The keys always show; the page's title takes what room is left.
  const std::string keys = " (" + std::to_string(page_ + 1) + "/" + std::to_string(pages_.size()) +
                           ")  n/p: page  Esc: back";
  std::string title = pages_[page_].title;
  const int room = cols - static_cast<int>(keys.size());
  if (static_cast<int>(title.size()) > room) {
    title.resize(static_cast<std::size_t>(std::max(room - 3, 0)));
    while (!title.empty() && (static_cast<unsigned char>(title.back()) & 0xC0) == 0x80)
      title.pop_back();  // not in the middle of a character
    if (!title.empty() && (static_cast<unsigned char>(title.back()) & 0x80)) title.pop_back();
    if (room >= 3) title += "...";
  }
  std::string status = title + keys;
  if (static_cast<int>(status.size()) > cols) status = "Esc: back";
  frame.status = status;
  frame.status_row = rows - 1;
  frame.status_col = 0;
  frame.cursor_row = rows - 1;
  frame.cursor_col = 0;
  return frame;
}

}  // namespace zorva
