// The real terminal: standard input and output. In screen mode it puts the terminal in raw mode
// (no echo, no line editing, no signal keys, no flow control) and on the alternate screen, and
// restores it however the program ends: destruction, exit(), or SIGINT, SIGTERM, SIGHUP and
// SIGQUIT (restored with async-signal-safe calls, then the signal is raised again with its default
// action). SIGWINCH is noted for take_resize(). Without screen mode nothing about the terminal
// changes and input is read as it comes (a pipe or a file).
#pragma once

#include <csignal>
#include <string_view>

#include "term/terminal_io.h"

namespace zorva {

class PosixTerminal : public TerminalIo {
 public:
  // True when standard input and standard output are both terminals.
  static bool interactive();

  explicit PosixTerminal(bool screen);
  ~PosixTerminal() override;
  PosixTerminal(const PosixTerminal&) = delete;
  PosixTerminal& operator=(const PosixTerminal&) = delete;

  int read_input(char* buffer, int size, int timeout_ms) override;
  void write_output(std::string_view bytes) override;
  ScreenSize size() override;
  std::int64_t now_ms() override;
  bool take_resize() override;

 private:
  void install_signal_handlers();
  void remove_signal_handlers();

  bool screen_;                   // raw mode and alternate screen are in use
  bool output_broken_ = false;    // a write failed for good: nothing more is written
  struct sigaction previous_[5];  // handlers in place before ours, restored on destruction
};

}  // namespace zorva
