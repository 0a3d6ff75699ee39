// The screen of one router console as a model: the transcript that only grows, the one-line input
// area with its caret, and the window fields the key handler keeps. Faces only display it; they
// learn of changes through a ConsoleView.
#pragma once

#include <string>
#include <string_view>

#include "base/types.h"

namespace zorva {

class ConsoleView {
 public:
  virtual ~ConsoleView() = default;
  virtual void transcript_appended(std::string_view text) = 0;  // text added at the end
  virtual void input_changed() = 0;                             // input text or caret moved
};

class Console {
 public:
  const std::string& transcript() const { return transcript_; }
  const std::string& input_text() const { return input_text_; }
  // Caret position in the input text: its length less cursor_from_end, never below 0.
  int input_caret() const;

  void append(std::string_view text);
  void set_input(std::string text);
  void set_view(ConsoleView* view) { view_ = view; }

  Int16 cursor_from_end = 0;  // characters between the caret and the end of the typed line
  std::string banner_line;    // the banner line being typed
  std::string banner_text;    // banner (or password) text typed so far

 private:
  std::string transcript_;
  std::string input_text_;
  ConsoleView* view_ = nullptr;
};

}  // namespace zorva
