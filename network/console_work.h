// Console work that the network engine carries out after a command: static routes, the ARP cache
// and ping. The console calls these for the pending actions "IPROUTE", "CLEARARP", "SHOWARP" and
// "PINGING". Until the network engine lands they only end the pending action.
#pragma once

#include <string>

namespace zorva {

class Router;

void set_ip_route(Router& r, const std::string& prefix, const std::string& mask,
                  const std::string& next_hop, const std::string& distance);
void Clear_Arp_Table(Router& r);
void Build_Show_Arp(Router& r);
void ip_ping_execute(Router& r);

}  // namespace zorva
