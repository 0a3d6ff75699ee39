// One entry of a router's ARP cache. The cache belongs to the router's console window, outside the
// router record; frames that arrive fill it and `clear arp-cache` empties it.
#pragma once

#include <string>

#include "base/types.h"

namespace zorva {

struct ArpEntry {
  std::string hardware_address;  // MAC address learned
  std::string ip_address;        // address it belongs to
  Int16 age = 0;                 // minutes; 0 when made, never changed
  std::string interface;         // interface name carried by the frame that made it
};

}  // namespace zorva
