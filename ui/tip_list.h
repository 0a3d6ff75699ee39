// The tips of the tip-of-the-day window: every line of TIPOFDAY.TXT is one tip (empty lines too),
// and the next tip is drawn at random, so the same tip may come twice running.
#pragma once

#include <string>
#include <vector>

namespace zorva::ui {

inline constexpr const char* kTipsFile = "TIPOFDAY.TXT";

class TipList {
 public:
  // Reads every line of `path` (CR LF or LF line ends); false when the path is empty or no such
  // file exists, in which case the list is left as it was.
  bool load(const std::string& path);

  // Draws the next tip from a random number in [0, 1): tip int(count * random) + 1.
  void choose_next(double random);

  int count() const { return static_cast<int>(tips_.size()); }
  int current() const { return current_; }  // 1-based index of the tip on show, 0 for none
  // Tip number i (1-based); "" outside 1..count.
  const std::string& tip(int i) const;

 private:
  std::vector<std::string> tips_;  // the lines of the file, in order
  int current_ = 0;                // `CurrentTip`
};

// The tip label's text when the tips file cannot be loaded.
std::string missing_tips_text();

}  // namespace zorva::ui
