// A fake terminal for the terminal face's tests: input bytes replayed step by step, output kept,
// a clock that moves only with the input.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <string>
#include <utility>

#include "term/terminal_io.h"

namespace zorva {

// A terminal that replays input steps: bytes that arrive (taking a millisecond), or a quiet gap.
class FakeTerminal : public TerminalIo {
 public:
  void type(const std::string& bytes) { steps.push_back({bytes, 1}); }
  void gap(std::int64_t ms) { steps.push_back({"", ms}); }

  int read_input(char* buffer, int size, int) override {
    if (steps.empty()) return -1;
    const auto [bytes, ms] = steps.front();
    steps.pop_front();
    clock += ms;
    const int n = std::min(size, static_cast<int>(bytes.size()));
    std::memcpy(buffer, bytes.data(), static_cast<std::size_t>(n));
    return n;
  }
  void write_output(std::string_view bytes) override { output.append(bytes); }
  ScreenSize size() override { return screen; }
  std::int64_t now_ms() override { return clock; }
  bool take_resize() override { return std::exchange(resized, false); }

  std::deque<std::pair<std::string, std::int64_t>> steps;  // input still to come, and its time
  std::string output;                                      // everything written
  ScreenSize screen{10, 80};                               // the window size
  std::int64_t clock = 5000;                               // the time now_ms() tells
  bool resized = false;  // the window size changed since the last look
};

}  // namespace zorva
