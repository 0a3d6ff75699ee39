// The factory state a reload gives a router when its configuration is not kept.
#pragma once

namespace zorva {

struct RouterRecord;

// Clears the configuration: passwords, banner, host name, register, saved configuration, users,
// routes, history, the RIP, IGRP and EIGRP configuration, and the addresses, descriptions and
// line state of every interface. Interfaces themselves, encapsulations, OSPF cost and priority,
// the whole OSPF configuration, the CDP settings, mode and prompt are kept.
void Initialize_Router_to_Defaults(RouterRecord& r);

}  // namespace zorva
