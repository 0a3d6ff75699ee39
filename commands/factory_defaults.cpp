// Initialize_Router_to_Defaults: the configuration a router has after a reload without saving.
#include "commands/factory_defaults.h"

#include <algorithm>

#include "state/router_record.h"

namespace zorva {

namespace {

void reset_interface(InterfaceEntry& e) {
  e.description.clear();
  e.ip_address.clear();
  e.network_address.clear();
  e.subnet_mask.clear();
  e.eigrp_state = kFalse;
  e.igrp_state = kFalse;
  e.network_value = 0;
  e.rip_state = kTrue;
  e.shutdown = kTrue;
  e.line_protocol = LinkState::Down;
  e.passive_protocols = 0;
}

void reset_protocols(ProtocolBlock& p) {
  p.eigrp_enabled = kFalse;
  p.eigrp_network_count = 0;
  p.eigrp_neighbor_count = 0;
  p.igrp_enabled = kFalse;
  p.igrp_network_count = 0;
  p.rip_enabled = kFalse;
  p.rip_network_count = 0;
  p.rip_version = 0;
  p.rip_no_auto_summary = kFalse;
  p.eigrp_no_auto_summary = kFalse;
}

}  // namespace

void Initialize_Router_to_Defaults(RouterRecord& r) {
  r.aux_password.clear();
  r.banner_motd.clear();
  r.console_password.clear();
  r.enable_password.clear();
  r.enable_secret.clear();
  r.vty_password.clear();
  r.startup_config.clear();
  r.hostname = "Router";
  r.config_register = "0X2102";
  r.cdp_neighbor_count = 0;
  r.route_count = 0;
  r.learned_route_count = 0;
  r.username_count = 0;
  r.history.exec_count = 0;
  r.history.config_count = 0;
  r.password_encryption = kFalse;
  r.line_settings = {};
  r.vty_last_line = 4;
  reset_protocols(r.protocols);
  // Loopbacks exist only by configuration: they go with it (they follow the topology's ports).
  while (r.interface_count > 0 && r.interface_count <= kMaxInterfaces &&
         r.interfaces[r.interface_count].type == InterfaceType::Loopback) {
    r.interfaces[r.interface_count] = InterfaceEntry{};
    --r.interface_count;
  }
  const int count = std::clamp<int>(r.interface_count, 0, kMaxInterfaces);
  for (int i = 1; i <= count; ++i) reset_interface(r.interfaces[i]);
}

}  // namespace zorva
