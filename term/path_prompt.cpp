// The topology file question.
#include "term/path_prompt.h"

#include "console/key_handler.h"

namespace zorva {

namespace {

constexpr std::size_t kMaxPath = 4096;

}  // namespace

void PathPrompt::open() {
  open_ = true;
  typed_.clear();
}

std::optional<std::string> PathPrompt::key(const KeyEvent& key) {
  if (!open_ || key.kind != KeyEvent::Kind::Code) return std::nullopt;
  const int c = key.value;
  if (c == kEscape) {
    open_ = false;
  } else if (c == kBackspace) {
    if (!typed_.empty()) typed_.pop_back();
  } else if (c == kEnter && !typed_.empty()) {
    open_ = false;
    return typed_;
  } else if (c >= 32 && c < 127 && typed_.size() < kMaxPath) {
    typed_ += static_cast<char>(c);
  }
  return std::nullopt;
}

}  // namespace zorva
