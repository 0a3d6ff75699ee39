// The OSPF neighbour, process, interface and database reports.
#include "reports/ospf_reports.h"

#include <algorithm>

#include "base/number_text.h"
#include "reports/column_text.h"
#include "reports/report_text.h"
#include "state/ospf_router_id.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr std::size_t kIdWidth = 16;  // router ID and address fields of the tables

int neighbors_in_use(const ProtocolBlock& p) {
  return std::clamp<int>(p.ospf_neighbor_count, 0, kMaxProtocolNeighbors);
}

std::string process_number(const RouterRecord& r) {
  return plain_number(r.protocols.ospf_process_numbers[1]);
}

// The area of the first network statement; the reports give it to every interface.
const std::string& first_area(const RouterRecord& r) {
  return r.protocols.ospf_networks[1].area;
}

void append_neighbor_row(std::string& out, const OspfNeighborEntry& n, Int32 sim_clock) {
  append_padded(out, n.router_id, kIdWidth);
  out.append(plain_number(n.priority));
  out.append("     FULL/");
  out.append(11, ' ');
  out.append(elapsed_text(static_cast<long long>(sim_clock) - n.last_heard));
  out.append(4, ' ');
  out.append(n.address);
  out.append(9, ' ');
  add_line(out, n.interface);
}

void append_neighbor_detail(std::string& out, const RouterRecord& r, const OspfNeighborEntry& n,
                            Int32 sim_clock) {
  add_line(out, " Neighbor ", n.router_id, ", interface address ", n.address);
  add_line(out, "    In the area ", process_number(r), " via interface ", n.interface);
  add_line(out, "    Neighbor priority is ", plain_number(n.priority),
           ", State is FULL, 6 state changes");
  add_line(out, "    DR is 1.1.1.1 BDR is 1.1.1.2");
  add_line(out, "    Options 2");
  add_line(out, "    Dead timer due in ",
           elapsed_text(static_cast<long long>(sim_clock) - n.last_heard));
}

void append_interface_block(std::string& out, const RouterRecord& r, const InterfaceEntry& e,
                            const std::string& rid) {
  const std::string neighbors = plain_number(r.protocols.ospf_neighbor_count);
  add_line(out, e.name, " is ", text_of(e.status), ", line protocol is ", text_of(e.line_protocol));
  add_line(out, "  Internet Address ", e.ip_address, "/", plain_number(e.prefix_length), " , Area ",
           first_area(r));
  add_line(out, "  Process ID ", process_number(r), ", Router ID ", rid,
           ", Network Type BROADCAST, Cost: ", plain_number(e.ospf_cost));
  add_line(out, "  Transmit Delay is 1 sec, State DR, Priority ", plain_number(e.ospf_priority));
  add_line(out, "  Designated Router (ID) ", rid, ", Interface address ", e.ip_address);
  add_line(out, "  Backup Designated router (ID) 1.1.1.2, Interface address ", e.ip_address);
  add_line(out, "  Timer intervals configured, Hello 10, Dead 40, Wait 40, Retransmit 5");
  add_line(out, "    Hello due in 00:00:02");
  add_line(out, "  Neighbor Count is ", neighbors, ", Adjacent neighbor count is ", neighbors);
  add_line(out, "    Adjacent with neighbor 1.1.1.2  (Backup Designated Router)");
  add_line(out, "  Suppress hello for 0 neighbor(s)");
}

// The link-state age of a neighbour: seconds since first heard, right-aligned in three places
// for ages below 100.
std::string link_state_age(const OspfNeighborEntry& n, Int32 sim_clock) {
  const long long age = static_cast<long long>(sim_clock) - n.first_heard;
  return (age < 100 ? " " : "") + plain_number(age);
}

}  // namespace

std::string build_show_ospf_neighbors(const RouterRecord& r, Int32 sim_clock) {
  std::string out(kLineEnd);
  add_line(out, "Neighbor ID     Pri   State           Dead Time   Address         Interface");
  for (int i = 1; i <= neighbors_in_use(r.protocols); ++i)
    append_neighbor_row(out, r.protocols.ospf_neighbors[i], sim_clock);
  return out;
}

std::string build_show_ospf_neighbors_detail(const RouterRecord& r, Int32 sim_clock) {
  std::string out(kLineEnd);
  for (int i = 1; i <= neighbors_in_use(r.protocols); ++i)
    append_neighbor_detail(out, r, r.protocols.ospf_neighbors[i], sim_clock);
  return out;
}

std::string build_show_ip_ospf(const RouterRecord& r) {
  std::string out(kLineEnd);
  add_line(out, " Routing Process \"ospf ", process_number(r), "\" with ID 2.2.2.1");
  out.append(
      " Supports only single TOS(TOS0) routes\r\n"
      " SPF schedule delay 5 secs, Hold time between two SPFs 10 secs\r\n"
      " Minimum LSA interval 5 secs. Minimum LSA arrival 1 secs\r\n"
      " Number of external LSA 0. Checksum Sum 0x0\r\n"
      " Number of DCbitless external LSA 0\r\n"
      " Number of DoNotAge external LSA 0\r\n"
      " Number of areas in this router is 1. 1 normal 0 stub 0 nssa\r\n"
      "    area BACKBONE(0)\r\n"
      "        Number of interfaces in this area is 2\r\n"
      "        Area has no authentication\r\n"
      "        SPF algorithm executed 4 times\r\n"
      "        Area ranges are\r\n"
      "        Number of LSA 4. Checksum Sum 0x2212D\r\n"
      "        Number of DCbitless LSA 0\r\n"
      "        Number of indication LSA 0\r\n"
      "        Number of DoNotAge LSA 0\r\n");
  return out;
}

std::string get_ospf_router_id(RouterRecord& r) {
  r.ospf_router_id = ospf_router_id_of(r);
  return r.ospf_router_id;
}

std::string build_show_ospf_interface(RouterRecord& r) {
  const std::string rid = get_ospf_router_id(r);
  std::string out(kLineEnd);
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (e.line_protocol == LinkState::Up && !e.ip_address.empty())
      append_interface_block(out, r, e, rid);
  }
  return out;
}

std::string build_show_ospf_database(RouterRecord& r, Int32 sim_clock) {
  const std::string rid = get_ospf_router_id(r);
  const std::string& area = first_area(r);
  std::string out(kLineEnd);
  out.append(kLineEnd);
  add_line(out, "       OSPF Router with ID (", rid, ") (Process ID ", process_number(r), ")");
  out.append(kLineEnd);
  add_line(out, "                Router Link States (Area ", area, ")");
  out.append(kLineEnd);
  add_line(out, "Link ID         ADV Router      Age         Seq#       Checksum Link count");
  const int count = neighbors_in_use(r.protocols);
  for (int i = 1; i <= count; ++i) {
    const OspfNeighborEntry& n = r.protocols.ospf_neighbors[i];
    append_padded(out, n.address, kIdWidth);
    append_padded(out, n.address, kIdWidth);
    add_line(out, link_state_age(n, sim_clock), "         0x80000003 0x9084   1");
  }
  out.append(kLineEnd);
  add_line(out, "                Net Link States (Area ", area, ")");
  out.append(kLineEnd);
  add_line(out, "Link ID         ADV Router      Age         Seq#       Checksum");
  // The network row names the first neighbour only. Its address is printed even when the table
  // is empty (a neighbour that has gone leaves its address behind), and then the report ends there
  // without a line end.
  const OspfNeighborEntry& first = r.protocols.ospf_neighbors[1];
  if (count == 0) {
    out.append(first.address);
    return out;
  }
  append_padded(out, first.address, kIdWidth);
  append_padded(out, first.address, kIdWidth);
  add_line(out, link_state_age(first, sim_clock), "         0x80000003 0x9084");
  return out;
}

}  // namespace zorva
