// Addresses as the reports print them: a 32-bit value as dotted text, the value of dotted text,
// the classful network of an address and the prefix length of a mask. These work on addresses the
// router has already accepted, so they need no error log.
#pragma once

#include <string>
#include <string_view>

#include "base/types.h"
#include "state/ipv4.h"

namespace zorva {

// The value of dotted text; each of the first four parts is read as a leading number and kept to
// its low 8 bits (a missing part counts 0), and parts beyond the fourth are ignored.
Ipv4 ipv4_of_dotted(std::string_view text);

// The class A, B or C network of an address: "10.0.0.0", "172.16.0.0", "192.168.1.0".
std::string classful_network(std::string_view address);

// The prefix length of a mask from the accepted mask table ("24" for 255.255.255.0), or "" when
// the text is no accepted mask.
std::string mask_slash_text(std::string_view mask);

}  // namespace zorva
