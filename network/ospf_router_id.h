// The OSPF router ID: the address of the interface whose address digits, dots removed and read
// as one decimal number, are largest.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "state/router_record.h"

namespace zorva {

// The digits of an address with its dots (and blanks) removed, read as an unsigned 64-bit number:
// "192.168.100.100" gives 192168100100. Reading stops at the first other character; digits that
// would not fit give the largest value.
std::uint64_t address_digits(std::string_view address);

// Among the interfaces whose line protocol is "up" and whose address is not empty, the address
// with the largest digits; of equal digits the earlier interface wins, and digits 0 never win.
// "" when no interface qualifies. `interfaces` are the ones in use (entries 1..interface_count).
std::string ospf_router_id_from(std::span<const InterfaceEntry> interfaces);

// ospf_router_id_from over the record's interfaces 1..interface_count.
std::string ospf_router_id_of(const RouterRecord& r);

}  // namespace zorva
