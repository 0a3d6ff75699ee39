// Message box prompts and the keys that answer them.
#include "term/box_prompt.h"

#include <cctype>

namespace zorva {

namespace {

// The text on one line: each run of CR and LF becomes one blank.
std::string one_line(std::string_view text) {
  std::string out;
  bool in_break = false;
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      if (!in_break) out += ' ';
      in_break = true;
    } else {
      out += c;
      in_break = false;
    }
  }
  return out;
}

const char* keys_of(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return "[Enter] OK";
    case Buttons::OkCancel:
      return "[Enter] OK/[c]ancel";
    case Buttons::YesNoCancel:
      return "[y]es/[n]o/[c]ancel";
  }
  return "";
}

}  // namespace

std::string box_prompt(std::string_view title, std::string_view text, Buttons buttons) {
  std::string prompt = one_line(title);
  if (!prompt.empty()) prompt += ": ";
  prompt += one_line(text);
  prompt += ' ';
  prompt += keys_of(buttons);
  return prompt;
}

std::optional<Answer> box_answer(Buttons buttons, const KeyEvent& key) {
  if (key.kind != KeyEvent::Kind::Code) return std::nullopt;
  const int c = key.value >= 0 && key.value < 128 ? std::tolower(key.value) : key.value;
  const bool ok_key = c == kEnter || c == 'o';
  const bool cancel_key = c == 'c' || c == kEscape;
  switch (buttons) {
    case Buttons::Ok:
      if (ok_key || c == kEscape) return Answer::Ok;
      break;
    case Buttons::OkCancel:
      if (ok_key) return Answer::Ok;
      if (cancel_key) return Answer::Cancel;
      break;
    case Buttons::YesNoCancel:
      if (c == 'y') return Answer::Yes;
      if (c == 'n') return Answer::No;
      if (cancel_key) return Answer::Cancel;
      break;
  }
  return std::nullopt;
}

Answer box_default_answer(Buttons buttons) {
  return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

}  // namespace zorva
