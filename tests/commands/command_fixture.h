// A simulation without a topology for command and report tests: one router record with chosen
// interfaces, the mode tables filled and the log in a private folder. Commands run on the record
// through the handler the command tree binds to their words, as the parser finds it.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "base/scripted_host.h"
#include "commands/command_handlers.h"
#include "commands/exec_cmd.h"
#include "parser/command_bindings.h"
#include "parser/command_context.h"
#include "parser/network_requests.h"
#include "parser/new_parse.h"
#include "simulation/simulation.h"
#include "state/ipv4.h"
#include "state/mode_tables.h"
#include "state/router_record.h"
#include "tests/support/test_simulation.h"

namespace zorva::testing {

// What the commands asked of the network, one line per request.
struct RecordedRequests final : NetworkRequests {
  std::vector<std::string> calls;
  void ping(const std::string& destination) override { calls.push_back("ping " + destination); }
  void set_static_route(const StaticRoute& r) override {
    calls.push_back(std::string(r.remove ? "remove " : "route ") + dotted(r.network) + "/" +
                    std::to_string(r.prefix_length) + " via " + r.next_hop + "=" +
                    dotted(r.gateway) + " if " + std::to_string(r.interface) + " distance " +
                    std::to_string(r.distance));
  }
  void clear_arp_cache() override { calls.push_back("clear arp"); }
  void print_arp_table() override { calls.push_back("show arp"); }
};

class CommandFixture : public ::testing::Test {
 protected:
  explicit CommandFixture(int serial = 2, int ethernet = 1, int bri = 0) {
    fill_mode_tables(sim_.mode_tables);
    RouterRecord r = window_load_record();
    const auto random = [this] { return host_.random(); };
    createinterface(r, InterfaceType::Serial, serial, random, sim_.log, "Router 1");
    createinterface(r, InterfaceType::Ethernet, ethernet, random, sim_.log, "Router 1");
    createinterface(r, InterfaceType::Bri, bri, random, sim_.log, "Router 1");
    record_ = r;
  }

  RouterRecord& router() { return record_; }
  InterfaceEntry& interface(int i) { return record_.interfaces[i]; }

  // The context a command of this router runs in.
  CommandContext context() {
    return CommandContext{record_,   pc_,     sim_.log,  sim_.ip,        sim_.mode_tables,
                          sim_.host, sim_.db, requests_, sim_.sim_clock, sim_.behaviour};
  }

  // The line split by the parser, with `full_words` as the database spellings of its keywords.
  ParsedCommand parsed(std::string line, const std::vector<std::string>& full_words) {
    ParsedCommand pc;
    chop_up_command(sim_.log, pc, line);
    for (size_t d = 0; d < full_words.size(); ++d) pc.FullWords[d + 1] = full_words[d];
    return pc;
  }

  // Runs one command line, in `mode` when given (0 keeps the mode): the handler bound to its
  // keywords and, when more words were typed, the argument after them, as a classic line
  // executes at its first argument.
  void run(const std::string& line, const std::vector<std::string>& full_words, int mode = 0) {
    if (mode != 0) set_mode(mode);
    router().output_buffer.clear();
    router().output_pending = kFalse;
    pc_ = parsed(line, full_words);
    std::string key = sim_.mode_tables.name_of(router().mode);
    for (const std::string& w : full_words) key += " " + w;
    if (pc_.WordCount > static_cast<int>(full_words.size())) key += " {}";
    pc_.handler = bound_handler(command_handlers(), key, sim_.behaviour);
    CommandContext cmd = context();
    exec_cmd(cmd);
    for (int i = 1; i <= 6; ++i) pc_.FullWords[i].clear();
  }

  void set_mode(int mode) {
    router().mode = static_cast<Int16>(mode);
    router().prompt = sim_.mode_tables.prompt_of(mode);
  }

  // Selects interface `index` for configuration, as a successful `interface` command would.
  void select_interface(int index) {
    const InterfaceType type = interface(index).type;
    router().cur_if_index = static_cast<Int16>(index);
    router().cur_if_type = type;
    set_mode(type == InterfaceType::Ethernet ? kModeEthernet
             : type == InterfaceType::Serial ? kModeSerial
                                             : kModeBri);
  }

  std::string output() const { return record_.output_buffer; }
  bool output_pending() const { return is_set(record_.output_pending); }

  std::string log_text() const {
    std::ifstream in(tmp_.path() / "zorva.log", std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

  TempDir tmp_;
  ScriptedHost host_;
  Simulation sim_{host_, SimulationPaths{ZORVA_BIN_DIR, tmp_.path() / "zorva.log"}};
  RouterRecord record_;        // the router the commands run on
  RecordedRequests requests_;  // what they asked of the network
  ParsedCommand pc_;           // the line being run
};

}  // namespace zorva::testing
