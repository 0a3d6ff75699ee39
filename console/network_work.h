// The console's side of NetworkRequests: a command's requests are kept as typed work until the
// console has printed the command's output and redrawn its input line, then carried out on the
// router whose console typed the command, in the order the command made them.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "parser/network_requests.h"

namespace zorva {

class Network;
class Router;

class NetworkWork final : public NetworkRequests {
 public:
  void ping(const std::string& destination, int count) override;
  void traceroute(const std::string& destination) override;
  // A ping whose questions the console asked: its output follows the last question directly.
  void asked_ping(const std::string& destination, int count);
  void set_static_route(const StaticRoute& route) override;
  void clear_arp_cache() override;
  void print_arp_table() override;
  void print_ospf_database() override;

  // Forgets work no console will carry out (a line run outside a console).
  void clear() { work_.clear(); }
  // Hands the waiting work to the network on router r, and forgets it.
  void carry_out(Network& network, Router& r);

 private:
  struct Ping {
    std::string destination;
    int count = 5;
    bool asked = false;
  };
  struct Traceroute {
    std::string destination;
  };
  struct ClearArp {};
  struct ShowArp {};
  struct ShowOspfDatabase {};
  using Work = std::variant<Ping, Traceroute, StaticRoute, ClearArp, ShowArp, ShowOspfDatabase>;

  std::vector<Work> work_;
};

}  // namespace zorva
