// The console's side of NetworkRequests: a command's requests are kept as typed work until the
// console has printed the command's output and redrawn its input line, then carried out on the
// router whose console typed the command, in the order the command made them.
#pragma once

#include <optional>
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
  void print_ospf_process() override;

  // Forgets work no console will carry out (a line run outside a console).
  void clear() { work_.clear(); }
  // Hands the waiting work to the network on router r, and forgets it.
  void carry_out(Network& network, Router& r);
  // Takes the reports out of the waiting work and leaves their text as router r's command output,
  // where a real router's output filter applies to it.
  void leave_reports(const Network& network, Router& r);

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
  struct ShowOspfProcess {};
  using Work = std::variant<Ping, Traceroute, StaticRoute, ClearArp, ShowArp, ShowOspfDatabase,
                            ShowOspfProcess>;

  // The text of a report, or nullopt for work that is no report.
  static std::optional<std::string> report_text(const Network& network, const Router& r,
                                                const Work& w);

  std::vector<Work> work_;
};

}  // namespace zorva
