// A simulation without a topology for command and report tests: one router record with chosen
// interfaces in `current_router`, the mode tables filled, the log in a private file, and a helper
// that fills the parsed line the way the parser leaves it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "commands/exec_cmd.h"
#include "shell/scripted_host.h"
#include "shell/simulation.h"
#include "state/mode_tables.h"
#include "state/number_text.h"
#include "state/router_record.h"

namespace zorva::testing {

// Splits `line` as the parser does: blanks cut words, Words lower-cased, RawWords as typed, a
// leading "no" removed from Words only (the last word keeps its place). `full_words` are the
// database spellings of the resolved depths.
inline ParsedCommand parsed_line(const std::string& line,
                                 const std::vector<std::string>& full_words) {
  ParsedCommand pc;
  pc.Line = line;
  const std::string t = trim(line);
  int n = 0;
  std::size_t start = 0;
  while (n < kMaxWords) {
    const std::size_t blank = t.find(' ', start);
    const std::string w =
        t.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
    ++n;
    pc.RawWords[n] = w;
    pc.Words[n] = to_lower(w);
    if (blank == std::string::npos) break;
    start = blank + 1;
  }
  pc.WordCount = static_cast<Int16>(n);
  if (to_upper(pc.Words[1]) == "NO") {
    for (int i = 1; i < n; ++i) pc.Words[i] = pc.Words[i + 1];
    pc.WordCount = static_cast<Int16>(n - 1);
    pc.Negated = kTrue;
  }
  int d = 1;
  for (const std::string& f : full_words) pc.FullWords[d++] = f;
  return pc;
}

class CommandFixture : public ::testing::Test {
 protected:
  explicit CommandFixture(int serial = 2, int ethernet = 1, int bri = 0)
      : log_file_(unique_log_path()), sim_(host_, SimulationPaths{ZORVA_BIN_DIR, log_file_}) {
    fill_mode_tables(sim_.mode_tables);
    RouterRecord r = window_load_record();
    const auto random = [this] { return host_.random(); };
    createinterface(r, "SERIAL", serial, random, sim_.log);
    createinterface(r, "ETHERNET", ethernet, random, sim_.log);
    createinterface(r, "BRI", bri, random, sim_.log);
    sim_.current_router = r;
  }
  ~CommandFixture() override {
    std::error_code ignored;
    std::filesystem::remove(log_file_, ignored);
  }

  RouterRecord& router() { return sim_.current_router; }
  InterfaceEntry& interface(int i) { return sim_.current_router.interfaces[i]; }

  // Runs one command line through the dispatcher, in `mode` when given (0 keeps the mode).
  ParsedCommand run(const std::string& line, const std::vector<std::string>& full_words,
                    int mode = 0) {
    if (mode != 0) {
      router().mode = static_cast<Int16>(mode);
      router().prompt = sim_.mode_tables.prompt_of(mode);
    }
    router().output_buffer.clear();
    router().output_pending = kFalse;
    sim_.parsed = parsed_line(line, full_words);
    exec_cmd(sim_, sim_.parsed);
    return sim_.parsed;
  }

  // Selects interface `index` for configuration, as a successful `interface` command would.
  void select_interface(int index) {
    const InterfaceEntry& e = interface(index);
    router().cur_if_index = static_cast<Int16>(index);
    router().cur_if_type = e.type;
    const int mode = e.type == "ETHERNET" ? kModeEthernet
                     : e.type == "SERIAL" ? kModeSerial
                                          : kModeBri;
    router().mode = static_cast<Int16>(mode);
    router().prompt = sim_.mode_tables.prompt_of(mode);
  }

  std::string output() const { return sim_.current_router.output_buffer; }
  bool output_pending() const { return is_set(sim_.current_router.output_pending); }

  std::string log_text() const {
    std::ifstream in(log_file_, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

  static std::filesystem::path unique_log_path() {
    static std::atomic<int> counter{0};
    return std::filesystem::temp_directory_path() /
           ("zorva-cmd-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
            ".log");
  }

  std::filesystem::path log_file_;
  ScriptedHost host_;
  Simulation sim_;
};

}  // namespace zorva::testing
