// What a command asks of the network engine: a ping, a static route, the ARP cache emptied or
// printed. Commands sit below the network, so they reach it through this narrow interface, which
// the console implements: the work runs once the command's own output has been printed, on the
// router whose console typed the command.
#pragma once

#include <string>

#include "base/types.h"
#include "state/ipv4.h"

namespace zorva {

// A static route as `ip route` gives it, checked and in the values the routing table keeps.
struct StaticRoute {
  Ipv4 network = 0;         // the destination network
  Int16 prefix_length = 0;  // the length of its mask
  // The next hop: its address as the route shows it (as typed in classic), and its value; ""
  // and 0 when the route names an exit interface instead.
  std::string next_hop;
  Ipv4 gateway = 0;
  Int16 interface = 0;  // the interface the route is bound to (0: by its next hop only)
  Int16 distance = 1;   // administrative distance
  bool remove = false;  // `no ip route`: take the route away
};

class NetworkRequests {
 public:
  // Sends `count` echo requests (five unless the real-router questions gave another number) to
  // `destination`, an address the command accepted, and prints the result.
  virtual void ping(const std::string& destination, int count) = 0;
  // Real-router `traceroute`: prints one line per router on the way to `destination`.
  virtual void traceroute(const std::string& destination) = 0;
  // Adds, replaces or removes a static route and recomputes the routing table.
  virtual void set_static_route(const StaticRoute& route) = 0;
  // Empties the ARP cache of the router.
  virtual void clear_arp_cache() = 0;
  // Prints the router's ARP cache as `show arp` shows it.
  virtual void print_arp_table() = 0;
  // Real-router: prints the router's OSPF link-state database, which the whole network decides.
  virtual void print_ospf_database() = 0;
  // Real-router: prints `show ip ospf`, whose count of external advertisements the network decides.
  virtual void print_ospf_process() = 0;

 protected:
  ~NetworkRequests() = default;
};

}  // namespace zorva
