// Loading the tips file and drawing tips at random.
#include "ui/tip_list.h"

#include <filesystem>
#include <fstream>

namespace zorva::ui {

bool TipList::load(const std::string& path) {
  std::error_code ec;
  if (path.empty() || !std::filesystem::is_regular_file(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  tips_.clear();
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    tips_.push_back(line);
  }
  current_ = 0;
  return true;
}

void TipList::choose_next(double random) {
  if (tips_.empty()) return;
  int i = static_cast<int>(static_cast<double>(tips_.size()) * random) + 1;
  if (i > count()) i = count();  // a random number of exactly 1 would run past the end
  if (i < 1) i = 1;
  current_ = i;
}

const std::string& TipList::tip(int i) const {
  static const std::string kNone;
  if (i < 1 || i > count()) return kNone;
  return tips_[static_cast<std::size_t>(i - 1)];
}

std::string missing_tips_text() {
  const std::string name = kTipsFile;
  return "That the " + name + " file was not found? " + "\r\n" + "\r\n" +
         "Create a text file named " + name + " using NotePad with 1 tip per line. " +
         "Then place it in the same directory as the application. ";
}

}  // namespace zorva::ui
