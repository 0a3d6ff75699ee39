// The ARP cache as `show arp` prints it.
#pragma once

#include <span>
#include <string>

#include "state/arp_entry.h"

namespace zorva {

struct RouterRecord;

// The header, one line per learned entry that has a hardware address, then one line per interface
// that has both a hardware and an IP address. `entries` are the entries in use, in cache order
// (for a cache kept from index 1: std::span(table).subspan(1, count)).
std::string build_show_arp(std::span<const ArpEntry> entries, const RouterRecord& r);

}  // namespace zorva
