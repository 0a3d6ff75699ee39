#include "state/name_services.h"

#include <algorithm>

#include "base/number_text.h"

namespace zorva {

std::optional<std::string> host_address(const NameServices& names, const std::string& name) {
  const std::string wanted = to_upper(name);
  const auto found = std::find_if(names.hosts.begin(), names.hosts.end(),
                                  [&](const HostEntry& h) { return to_upper(h.name) == wanted; });
  if (found == names.hosts.end()) return std::nullopt;
  return found->address;
}

std::string translating_text(const NameServices& names, const std::string& name) {
  return "Translating \"" + name + "\"" +
         (is_set(names.domain_lookup) ? "...domain server (255.255.255.255)" : "");
}

}  // namespace zorva
