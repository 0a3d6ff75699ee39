// The OSPF router identifier a router picks from its own interfaces.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zorva {

struct RouterRecord;

// The digits of an address with its dots removed, read as one decimal number: 10.1.1.1 gives
// 10111 and 9.100.1.1 gives 910011. Reading stops at the first character that is neither a digit
// nor a dot; a number too large for 64 bits stays at the largest 64-bit value.
std::uint64_t router_id_number(std::string_view address);

// The address, among the interfaces whose line protocol is "up" and which have an address, with
// the largest router_id_number; on a tie the earlier interface in table order keeps it, and a
// number of 0 never wins. "" when no interface qualifies. The record is not changed.
std::string ospf_router_id_of(const RouterRecord& r);

}  // namespace zorva
