// The question "Go to router (1-N):" on the input line, which reaches any router of a topology,
// however many: F1..F12 and Alt+1..9 reach the first ones only. Digits build the number, Backspace
// takes one back, Enter goes there, Esc gives up.
#pragma once

#include <optional>
#include <string>

#include "term/key_decoder.h"

namespace zorva {

class RouterPicker {
 public:
  void open(int router_count);
  bool is_open() const { return open_; }

  // One key while the question is open. Returns the router chosen by Enter; a number that names
  // no router keeps the question open and says so.
  std::optional<int> key(const KeyEvent& key);

  // The input line while the question is open.
  std::string prompt() const;

 private:
  bool open_ = false;
  int count_ = 0;      // routers in the topology
  std::string typed_;  // the digits typed so far
  std::string note_;   // why the last number was not taken, or ""
};

}  // namespace zorva
