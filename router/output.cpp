#include "router/output.h"

#include "router/router.h"

namespace zorva {

namespace {

// Number of characters of the first page: up to and including the character right after the
// last carriage return of a screen (24 unless a real router's `terminal length` changed it), or
// npos when the text fits on one screen or the terminal never pauses.
std::size_t first_page_length(const std::string& text, int screen) {
  if (screen <= 0) return std::string::npos;
  int returns = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && ++returns == screen) return i + 2;
  }
  return std::string::npos;
}

}  // namespace

void output_text(Router& r, const std::string& text) {
  const std::size_t cut = first_page_length(text, r.record.terminal_length);
  if (cut == std::string::npos) {
    r.console.append(text);
    return;
  }
  const std::size_t shown = std::min(cut, text.size());
  r.console.append(std::string_view(text).substr(0, shown));
  r.console.set_input(kMoreMarker);
  r.record.paging_state = -1;
  r.record.paging_rest = text.substr(shown);
}

void continue_pause(Router& r, int key) {
  RouterRecord& rec = r.record;
  if (key == 13) {
    const std::size_t cr = rec.paging_rest.find('\r');
    const std::size_t n = cr == std::string::npos ? 1 : cr + 2;
    const std::size_t take = std::min(n, rec.paging_rest.size());
    r.console.append(std::string_view(rec.paging_rest).substr(0, take));
    rec.paging_rest.erase(0, take);
    if (rec.paging_rest.find('\r') == std::string::npos) rec.paging_state = 0;
  } else if (key == ' ') {
    rec.paging_state = 0;
    const std::string rest = rec.paging_rest;
    output_text(r, rest);
  } else {
    rec.paging_state = 0;
    show_prompt(r);
  }
}

void show_prompt(Router& r, const std::string& typed) {
  r.console.set_input(r.record.hostname + r.record.prompt + typed);
}

}  // namespace zorva
