// IPv4 addresses as 32-bit values: reading and writing dotted text, masks from prefix lengths and
// classful networks. The network engine works on these values so that it never does address
// arithmetic on text or on floating-point numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/types.h"

namespace zorva {

// The value of dotted-decimal text made of exactly four parts of decimal digits, each 0..255
// ("10.1.2.3", also "010.1.2.3"). Anything else (blanks, signs, empty parts, other characters)
// gives nullopt: the text is expected to have been validated when it was typed.
std::optional<Ipv4> parse_dotted(std::string_view text);

// "a.b.c.d" without leading zeros.
std::string dotted(Ipv4 value);

// The mask with `length` leading one bits; lengths below 0 count as 0 and above 32 as 32.
Ipv4 mask_for_length(int length);

// The classful network of an address: the first octet for class A (first octet below 128), the
// first two for class B (below 192), the first three for everything above.
Ipv4 classful_network(Ipv4 address);

// The prefix length of that classful network: 8, 16 or 24.
int classful_length(Ipv4 address);

}  // namespace zorva
