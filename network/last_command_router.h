// The OSPF router ID of the router that ran the last command, as its interfaces stood when that
// command ended.
//
// Routers put this ID into their OSPF updates, not one computed from their own interfaces: a
// student who types into router 2 changes the ID that router 1 advertises next. That is the
// behaviour the routers are known for, so it is kept. Between two commands the interfaces it is
// computed from cannot change, so the ID is worked out once per command instead of being kept as
// a copy of the whole record.
#pragma once

#include <string>

namespace zorva {

struct RouterRecord;

class LastCommandRouter {
 public:
  // Works out the router ID of `record`; called at the end of every line that reached execution
  // (Tab and "?" included).
  void remember(const RouterRecord& record);

  // "" until a line has reached execution, or when that router had no interface up with an
  // address.
  const std::string& ospf_router_id() const { return ospf_router_id_; }

 private:
  std::string ospf_router_id_;
};

}  // namespace zorva
