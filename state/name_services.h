// A real router's names for addresses: its host table (`ip host NAME A.B.C.D`), its default
// domain (`ip domain-name`) and whether it asks a name server about names it does not hold
// (`ip domain-lookup`, on until `no ip domain-lookup`). With lookup on, a real router takes every
// word it does not know at the exec prompt for a host to connect to and tries to translate it,
// which is why worksheets turn it off first.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/types.h"

namespace zorva {

struct HostEntry {
  std::string name;
  std::string address;
};

struct NameServices {
  Flag domain_lookup = kTrue;
  std::string domain_name;
  std::vector<HostEntry> hosts;  // in the order they were given
};

// The host table holds at most this many names; more are refused.
inline constexpr std::size_t kMaxHosts = 50;

// The address of host `name` (names match in any case), or nothing.
std::optional<std::string> host_address(const NameServices& names, const std::string& name);

// What a real router prints as it looks up a name its host table does not hold:
// `Translating "NAME"...domain server (255.255.255.255)`, or only `Translating "NAME"` when
// lookup is off.
std::string translating_text(const NameServices& names, const std::string& name);

}  // namespace zorva
