// The router number question.
#include "term/router_picker.h"

#include "console/key_handler.h"

namespace zorva {

namespace {

constexpr std::size_t kMaxDigits = 3;

}  // namespace

void RouterPicker::open(int router_count) {
  open_ = true;
  count_ = router_count;
  typed_.clear();
  note_.clear();
}

std::optional<int> RouterPicker::key(const KeyEvent& key) {
  if (!open_ || key.kind != KeyEvent::Kind::Code) return std::nullopt;
  const int c = key.value;
  if (c == kEscape) {
    open_ = false;
  } else if (c == kBackspace) {
    if (!typed_.empty()) typed_.pop_back();
  } else if (c >= '0' && c <= '9') {
    if (typed_.size() < kMaxDigits) typed_ += static_cast<char>(c);
  } else if (c == kEnter && !typed_.empty()) {
    const int n = std::stoi(typed_);
    if (n >= 1 && n <= count_) {
      open_ = false;
      return n;
    }
    note_ = "No router " + typed_ + ". ";
    typed_.clear();
  }
  return std::nullopt;
}

std::string RouterPicker::prompt() const {
  return note_ + "Go to router (1-" + std::to_string(count_) + ", Esc gives up): " + typed_;
}

}  // namespace zorva
