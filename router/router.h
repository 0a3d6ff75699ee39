// One simulated router as its console window holds it: the record, the console screen, the ARP
// cache and the window's own fields. The simulation owns one per router, numbered from 1.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "router/console.h"
#include "state/arp_entry.h"
#include "state/router_record.h"

namespace zorva {

inline constexpr int kMaxArpEntries = 100;

class Router {
 public:
  explicit Router(int number);
  Router(const Router&) = delete;
  Router& operator=(const Router&) = delete;

  const int number;     // window number: router n of the topology
  std::string caption;  // "Router n"
  RouterRecord record;  // the router's whole state
  Console console;      // its screen: transcript, input line, window fields
  std::array<ArpEntry, kMaxArpEntries + 1> arp_table{};  // entries 1..arp_count
  Int16 arp_count = 0;
  bool reloading = false;        // the boot text of a reload is running
  Int32 cdp_tick = 0;            // CDP timer ticks since the last advertisement (0..5000)
  Int16 protocol_tick = 0;       // five-second ticks; the protocols run on every second one
  bool arp_full_logged = false;  // a full ARP cache has been logged since it last took an entry
};

inline constexpr int kMaxRouters = 50;

// Routers by number: entry n is router n, entry 0 stays empty.
using RouterTable = std::array<std::unique_ptr<Router>, kMaxRouters + 1>;

}  // namespace zorva
