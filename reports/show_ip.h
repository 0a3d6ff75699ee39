// The `show ip ...` reports (routing table, protocols, interfaces, OSPF and EIGRP tables): one
// handler per report, bound to its row of the command tree. Each leaves its report in the
// router's output buffer with the output pending. The `show ip` rows no report answers (arp,
// access-lists, traffic) print nothing, and the fixed OSPF and EIGRP lists print their template.
#pragma once

namespace zorva {

struct CommandContext;

void show_ip_interface_command(CommandContext& cmd);
void show_ip_interface_brief_command(CommandContext& cmd);
void show_ip_route_command(CommandContext& cmd);
void show_ip_protocols_command(CommandContext& cmd);
void show_ip_rip_database_command(CommandContext& cmd);  // real-router only
void show_ip_eigrp_interfaces_command(CommandContext& cmd);
void show_ip_eigrp_traffic_command(CommandContext& cmd);
void show_ip_eigrp_neighbors_command(CommandContext& cmd);
void show_ip_eigrp_topology_command(CommandContext& cmd);
void show_ip_ospf_command(CommandContext& cmd);
void show_ip_ospf_database_command(CommandContext& cmd);
void show_ip_ospf_interface_command(CommandContext& cmd);
void show_ip_ospf_neighbor_command(CommandContext& cmd);

}  // namespace zorva
