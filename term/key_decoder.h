// Turns the bytes a terminal sends for key presses into key events for the router consoles:
// character codes for the console's key handler, a router number for the F-keys and Alt+digit, and
// the face's own keys (Alt+0, PageUp, PageDown, Alt+H).
// Escape sequences may arrive split across reads; the decoder keeps the unfinished part.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "console/key_handler.h"

namespace zorva {

struct KeyEvent {
  // Code: a character code for the console; Function: F1..F12 or Alt+1..9; PickRouter: Alt+0,
  // which asks for a router number; PageUp and PageDown (with or without Shift): the transcript;
  // KeyHelp: Alt+H or Alt+?, the list of every key; LabPage: Alt+L, the lab's page; Student:
  // Alt+N, the student's name.
  enum class Kind { Code, Function, PickRouter, PageUp, PageDown, KeyHelp, LabPage, Student };
  Kind kind = Kind::Code;
  int value = 0;  // the character code, or the function key's number 1..12

  static KeyEvent code(int c) { return {Kind::Code, c}; }
  static KeyEvent function(int n) { return {Kind::Function, n}; }
  static KeyEvent of(Kind k) { return {k, 0}; }
  bool operator==(const KeyEvent&) const = default;
};

class KeyDecoder {
 public:
  // Decodes `bytes`, appending every finished key to `out`. An unfinished escape sequence is kept
  // until more bytes arrive or `flush` is called.
  void feed(std::string_view bytes, std::vector<KeyEvent>& out);

  // No byte came for a while: a lone Esc becomes code 27, an unfinished sequence is dropped, and
  // a line feed is no longer taken as the second half of a CR LF.
  void flush(std::vector<KeyEvent>& out);

  // True while an escape sequence is unfinished.
  bool pending() const { return !sequence_.empty() || skipping_; }

 private:
  void feed_byte(unsigned char b, std::vector<KeyEvent>& out);
  void plain_byte(unsigned char b, std::vector<KeyEvent>& out);
  void sequence_byte(unsigned char b, std::vector<KeyEvent>& out);
  void finish(const KeyEvent* key, std::vector<KeyEvent>& out);

  std::string sequence_;   // the escape sequence read so far, starting with ESC
  bool skipping_ = false;  // an over-long sequence is being swallowed up to its final byte
  bool after_cr_ = false;  // the last byte was CR, so an LF right after it is the same Enter
};

}  // namespace zorva
