// Real-router `ip host`, `ip domain-name` and `ip domain-lookup`: the names the router keeps for
// addresses (state/name_services.h). Classic accepts the lines and changes nothing, as before.
#include <algorithm>

#include "base/number_text.h"
#include "commands/command_support.h"
#include "commands/real_router_settings.h"
#include "parser/command_context.h"
#include "state/ipv4.h"
#include "state/router_record.h"

namespace zorva {

namespace {

// `ip host NAME A.B.C.D` gives the name that address, replacing what it stood for; `no ip host
// NAME` forgets it.
void host_command(CommandContext& cmd, NameServices& names) {
  // The typed words keep "no" in front: the name stands one later in a `no` line.
  const std::string name = raw_word(cmd.pc, negated(cmd) ? 4 : 3);
  const std::string wanted = to_upper(name);
  const auto same = [&](const HostEntry& h) { return to_upper(h.name) == wanted; };
  if (negated(cmd)) {
    std::erase_if(names.hosts, same);
    return;
  }
  // Kept in plain dotted form, however the parser let it through ("+10.1.1.1").
  const std::optional<Ipv4> typed = parse_dotted(word(cmd.pc, 4));
  if (!typed) return;
  const std::string address = dotted(*typed);
  const auto found = std::find_if(names.hosts.begin(), names.hosts.end(), same);
  if (found != names.hosts.end()) {
    found->address = address;
  } else if (names.hosts.size() < kMaxHosts) {
    names.hosts.push_back({name, address});
  } else {
    set_output(cmd.router, "\r\n%Host table full\r\n");
  }
}

}  // namespace

void ip_names_command(CommandContext& cmd) {
  if (!real_router(cmd)) return;
  NameServices& names = cmd.router.names;
  const std::string what = full_word(cmd.pc, 2);
  if (what == "host") {
    host_command(cmd, names);
  } else if (what == "domain-name") {
    names.domain_name = negated(cmd) ? "" : raw_word(cmd.pc, 3);
  } else if (what == "domain-lookup") {
    names.domain_lookup = negated(cmd) ? kFalse : kTrue;
  }
}

}  // namespace zorva
