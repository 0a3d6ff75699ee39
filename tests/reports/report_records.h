// Router records for the report tests, built without a simulation: interfaces and neighbours are
// appended with only the fields the reports read.
#pragma once

#include <string>

#include "state/router_record.h"

namespace zorva::testing {

// Appends an interface of `type` ("SERIAL", "ETHERNET", "BRI") named `name`, with its line
// protocol following `status`.
inline InterfaceEntry& add_interface(RouterRecord& r, const std::string& type,
                                     const std::string& name, const std::string& status,
                                     const std::string& address = "", Int16 prefix = 24) {
  InterfaceEntry& e = r.interfaces[++r.interface_count];
  e.type = interface_type_named(type).value();
  e.name = name;
  e.status = e.line_protocol = link_state_named(status).value();
  e.ip_address = address;
  e.prefix_length = prefix;
  return e;
}

inline RouteEntry& add_route(RouterRecord& r, char code, Ipv4 network, Int16 prefix,
                             const std::string& via, Int16 distance = 0) {
  RouteEntry& route = r.routes[++r.route_count];
  route.code = code;
  route.network = network;
  route.prefix_length = prefix;
  route.interface_address = via;
  route.distance = distance;
  return route;
}

}  // namespace zorva::testing
