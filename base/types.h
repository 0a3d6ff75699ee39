// Widths of the values kept in router records: 16-bit counts, 16-bit Booleans (-1 true, 0 false),
// 32-bit longs. Fields keep these widths so that overflow behaves as a router's student expects.
#pragma once

#include <cstdint>

namespace zorva {

using Int16 = std::int16_t;  // a count or number kept in a record
using Int32 = std::int32_t;  // a long kept in a record
using Flag = std::int16_t;   // a Boolean kept in a record: -1 true, 0 false
using Ipv4 = std::uint32_t;  // an IPv4 address, network or mask as a 32-bit value

inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

inline constexpr bool is_set(Flag f) {
  return f != 0;
}
inline constexpr Flag to_flag(bool b) {
  return b ? kTrue : kFalse;
}

}  // namespace zorva
