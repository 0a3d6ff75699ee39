// What the terminal face needs from a terminal: input bytes with a timeout, output, the window
// size and a monotonic clock. The real terminal implements it with POSIX calls; tests give a fake
// one that replays bytes and renders into a string.
#pragma once

#include <cstdint>
#include <string_view>

#include "term/screen_layout.h"

namespace zorva {

class TerminalIo {
 public:
  virtual ~TerminalIo() = default;

  // Waits at most `timeout_ms` for input and reads what is there into `buffer`. Returns the number
  // of bytes read, 0 when nothing came (timeout or a signal), or -1 at the end of the input.
  virtual int read_input(char* buffer, int size, int timeout_ms) = 0;

  // Writes bytes to the screen (or standard output).
  virtual void write_output(std::string_view bytes) = 0;

  // The window size now.
  virtual ScreenSize size() = 0;

  // Monotonic milliseconds.
  virtual std::int64_t now_ms() = 0;

  // True once after each change of the window size.
  virtual bool take_resize() = 0;
};

}  // namespace zorva
