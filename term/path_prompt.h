// The question "Open topology file:" on the input line (Ctrl+O): printable characters build the
// path, Backspace takes one back, Enter gives the path, Esc gives up.
#pragma once

#include <optional>
#include <string>

#include "term/key_decoder.h"

namespace zorva {

class PathPrompt {
 public:
  void open();
  bool is_open() const { return open_; }

  // One key while the question is open. Returns the path typed when Enter ends it.
  std::optional<std::string> key(const KeyEvent& key);

  // The input line while the question is open.
  std::string prompt() const { return "Open topology file (Esc: no): " + typed_; }

 private:
  bool open_ = false;
  std::string typed_;
};

}  // namespace zorva
