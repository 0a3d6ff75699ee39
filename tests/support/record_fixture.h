// One router record with chosen interfaces, without a simulation: the mode tables filled, the log
// in a private folder, and the context a command or report of this router runs in. For the tests
// of the layers from the parser up to the commands.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/behaviour.h"
#include "base/error_log.h"
#include "base/scripted_host.h"
#include "parser/command_context.h"
#include "parser/command_database.h"
#include "parser/network_requests.h"
#include "parser/new_parse.h"
#include "state/ip_routines.h"
#include "state/ipv4.h"
#include "state/mode_tables.h"
#include "state/router_record.h"
#include "tests/support/test_paths.h"

namespace zorva::testing {

// What the commands asked of the network, one line per request.
struct RecordedRequests final : NetworkRequests {
  std::vector<std::string> calls;
  void ping(const std::string& destination, int count) override {
    calls.push_back("ping " + destination + (count == 5 ? "" : " x" + std::to_string(count)));
  }
  void traceroute(const std::string& destination) override {
    calls.push_back("traceroute " + destination);
  }
  void set_static_route(const StaticRoute& r) override {
    calls.push_back(std::string(r.remove ? "remove " : "route ") + dotted(r.network) + "/" +
                    std::to_string(r.prefix_length) + " via " + r.next_hop + "=" +
                    dotted(r.gateway) + " if " + std::to_string(r.interface) + " distance " +
                    std::to_string(r.distance));
  }
  void clear_arp_cache() override { calls.push_back("clear arp"); }
  void print_arp_table() override { calls.push_back("show arp"); }
  void print_ospf_database() override { calls.push_back("show ip ospf database"); }
  void print_ospf_process() override { calls.push_back("show ip ospf"); }
};

class RecordFixture : public ::testing::Test {
 protected:
  explicit RecordFixture(int serial = 2, int ethernet = 1, int bri = 0) {
    fill_mode_tables(modes_);
    RouterRecord r = window_load_record();
    const auto random = [this] { return host_.random(); };
    createinterface(r, InterfaceType::Serial, serial, random, log_, "Router 1");
    createinterface(r, InterfaceType::Ethernet, ethernet, random, log_, "Router 1");
    createinterface(r, InterfaceType::Bri, bri, random, log_, "Router 1");
    record_ = r;
  }

  RouterRecord& router() { return record_; }
  InterfaceEntry& interface(int i) { return record_.interfaces[i]; }

  // The context a command of this router runs in.
  CommandContext context() {
    return CommandContext{record_, pc_, log_,      ip_,        modes_,
                          host_,   db_, requests_, sim_clock_, behaviour_};
  }

  // The line split by the parser, with `full_words` as the database spellings of its keywords.
  ParsedCommand parsed(std::string line, const std::vector<std::string>& full_words) {
    ParsedCommand pc;
    chop_up_command(log_, pc, line);
    for (size_t d = 0; d < full_words.size(); ++d) pc.FullWords[d + 1] = full_words[d];
    return pc;
  }

  void set_mode(int mode) {
    router().mode = static_cast<Int16>(mode);
    router().prompt = modes_.prompt_of(mode);
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
  std::string log_text() const { return file_text(tmp_.path() / "zorva.log"); }

  TempDir tmp_;
  ScriptedHost host_;
  ErrorLog log_{host_, tmp_.path() / "zorva.log"};
  IpRoutines ip_{log_};
  CommandDatabase db_{log_};
  ModeTables modes_;
  Int32 sim_clock_ = 0;
  Behaviour behaviour_ = Behaviour::Classic;
  RouterRecord record_;        // the router the commands run on
  RecordedRequests requests_;  // what they asked of the network
  ParsedCommand pc_;           // the line being run
};

}  // namespace zorva::testing
