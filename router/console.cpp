#include "router/console.h"

namespace zorva {

int Console::input_caret() const {
  const int caret = static_cast<int>(input_text_.size()) - cursor_from_end;
  return caret < 0 ? 0 : caret;
}

void Console::append(std::string_view text) {
  if (text.empty()) return;
  transcript_.append(text);
  if (view_) view_->transcript_appended(text);
}

void Console::set_input(std::string text) {
  input_text_ = std::move(text);
  if (view_) view_->input_changed();
}

}  // namespace zorva
