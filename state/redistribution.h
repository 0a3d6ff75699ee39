// What a real router's routing process takes in from outside it (`redistribute static`,
// `redistribute connected`, with `metric N` for RIP and `subnets` for OSPF) and advertises as its
// own: RIP at the metric given (1 unless told), EIGRP as external routes, OSPF as external type 2.
#pragma once

#include "base/types.h"

namespace zorva {

struct Redistribution {
  bool static_routes = false;  // `redistribute static`
  bool connected = false;      // `redistribute connected`
  bool subnets = false;        // OSPF: subnetted networks too, not only classful ones
  Int32 metric = 0;            // RIP: `metric N`; 0 when none was given
  bool any() const { return static_routes || connected; }
};

}  // namespace zorva
