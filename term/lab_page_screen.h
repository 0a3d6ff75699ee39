// The lab's page on the terminal, in place of the console until Esc: the running lab's own page
// when it came with one (a bundle), then every lab page the program ships, each as plain text.
// The arrows and PageUp/PageDown scroll, Left and Right (or n and p) turn to the next or previous
// page; the help line names the page and the keys.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "term/key_decoder.h"
#include "term/screen_layout.h"

namespace zorva {

struct LabPage {
  std::string title;  // as the help line names it
  std::string text;   // plain text, from page_text
};

// The pages the key shows: `own` first when the lab has one, then the shipped lab pages
// (labs/lab*.htm in the program directory) in their names' order.
std::vector<LabPage> lab_pages(const std::string& own_title, const std::string& own_html,
                               const std::filesystem::path& app_dir);

class LabPageScreen {
 public:
  void open(std::vector<LabPage> pages);
  bool is_open() const { return open_; }
  // Handles a key while open; Esc (and the key that opened it) closes it.
  void key(const KeyEvent& key, ScreenSize size);
  Frame frame(ScreenSize size);

 private:
  int rows_of(ScreenSize size) const;

  std::vector<LabPage> pages_;
  std::size_t page_ = 0;  // the page shown
  int top_ = 0;           // its first row on the screen
  bool open_ = false;
};

}  // namespace zorva
