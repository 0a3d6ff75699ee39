// The interfaces of the router that ran the last command, as they stood when that command ended.
//
// Routers compute the OSPF router ID they put into their updates from this, not from their own
// interfaces: a student who types into router 2 changes the ID that router 1 advertises next. That
// is the behaviour the routers are known for, so it is kept, and only what the router-ID rule
// reads (whether each interface's line protocol is up, and its address) is remembered.
#pragma once

#include <string>
#include <vector>

namespace zorva {

struct RouterRecord;

class LastCommandRouter {
 public:
  struct Interface {
    bool line_protocol_up = false;  // line_protocol was "up"
    std::string ip_address;         // the interface's address, "" when it has none
  };

  // Remembers `record`'s interfaces; called at the end of every line that reached execution.
  void remember(const RouterRecord& record);

  const std::vector<Interface>& interfaces() const { return interfaces_; }

 private:
  std::vector<Interface> interfaces_;  // in table order, from the record's interface 1
};

}  // namespace zorva
