// RIP's version rules in the real-router behaviour: which versions a router sends and takes,
// summarisation at classful boundaries (version 1, or version 2 with auto-summary), what a
// version-1 update can carry without masks, and the routes an update adds or replaces at the end
// (an interface's `ip summary-address rip`, the default route of `default-information originate`).
#pragma once

#include <vector>

#include "base/types.h"
#include "state/router_record.h"

namespace zorva {

// The version this router's updates are: 2 after `version 2`, else 1.
Int16 rip_send_version(const ProtocolBlock& p);

// Whether an update of `version` is taken: `version 1` takes only 1, `version 2` only 2, and
// without `version` both are.
bool rip_takes_version(const ProtocolBlock& p, Int16 version);

// Routes of another major network are sent as that classful network: always in version 1, and in
// version 2 unless `no auto-summary` was given.
bool rip_summarises(const ProtocolBlock& p);

// A version-1 update has no masks: a subnet of the outgoing interface's own major network goes
// only when its mask is the interface's (the receiver assumes that mask). Version 2 carries all.
bool rip_v1_carries(const ProtocolBlock& p, const InterfaceEntry& out, const RouteEntry& route);

// The last shaping of one update on `out`: routes inside the interface's summary address give way
// to the summary at their lowest metric, and `default-information originate` adds 0.0.0.0/0.
void finish_rip_update(const ProtocolBlock& p, const InterfaceEntry& out,
                       std::vector<RouteEntry>& carried);

}  // namespace zorva
