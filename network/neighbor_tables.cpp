// The EIGRP and OSPF neighbour tables of one router.
#include "network/neighbor_tables.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "base/error_log.h"
#include "network/table_capacity.h"

namespace zorva {

namespace {

constexpr std::string_view kAddEigrpName = "add eigrp neighbors()";
constexpr std::string_view kAddOspfName = "add ospf neighbors()";
constexpr Int16 kEigrpRoundTrip = 1123;     // the round-trip time every EIGRP neighbour shows
constexpr std::int64_t kSilenceLimit = 15;  // seconds a neighbour may stay silent

template <typename Entry>
using NeighborTable = std::array<Entry, kMaxProtocolNeighbors + 1>;

// Marks every entry with the frame's source address as heard; true when there was one.
template <typename Entry>
bool refresh(NeighborTable<Entry>& table, Int16 count, const PacketRecord& frame, Int32 now) {
  bool found = false;
  const int n = std::clamp<int>(count, 0, kMaxProtocolNeighbors);
  for (int j = 1; j <= n; ++j) {
    if (table[j].address != frame.src_ip) continue;
    table[j].last_heard = now;
    found = true;
  }
  return found;
}

// The slot a new neighbour goes into, or 0 when the table is full (logged once).
template <typename Entry>
int append_slot(RouterRecord& r, NeighborTable<Entry>& table, Int16& count, FullTable which,
                std::string_view procedure, ErrorLog& log) {
  const int n = std::clamp<int>(count, 0, kMaxProtocolNeighbors);
  const std::uint16_t bit = full_table_bit(which);
  if (n >= kMaxProtocolNeighbors) {
    log_full_once(r, bit, procedure, log);
    return 0;
  }
  table_has_room(r, bit);
  count = static_cast<Int16>(n + 1);
  table[count] = Entry{};
  return count;
}

// The interface at `cur_if_index`, whose mask (and priority) a new neighbour takes; nullptr, and
// one log line, when that index is outside the interface array.
const InterfaceEntry* configured_interface(const RouterRecord& r, std::string_view procedure,
                                           ErrorLog& log) {
  if (r.cur_if_index < 0 || r.cur_if_index > kMaxInterfaces) {
    log.log(procedure, RuntimeError::SubscriptOutOfRange);
    return nullptr;
  }
  return &r.interfaces[r.cur_if_index];
}

template <typename Entry>
void remove_silent(NeighborTable<Entry>& table, Int16& count, Int32 now) {
  const int count_at_start = std::clamp<int>(count, 0, kMaxProtocolNeighbors);
  int n = count_at_start;
  for (int j = 1; j <= count_at_start && j <= n; ++j) {
    if (static_cast<std::int64_t>(now) - table[j].last_heard <= kSilenceLimit) continue;
    // The later entries move down one place; the last slot keeps its copy, so a table emptied
    // this way still holds its last entry 1, which the OSPF database report prints.
    for (int k = j; k < n; ++k) table[k] = table[k + 1];
    --n;  // the entry moved into slot j waits for the next pass
  }
  if (n != count_at_start) count = static_cast<Int16>(n);
}

}  // namespace

void add_eigrp_neighbors(RouterRecord& r, const PacketRecord& frame, Int32 sim_clock,
                         ErrorLog& log) {
  ProtocolBlock& p = r.protocols;
  if (refresh(p.eigrp_neighbors, p.eigrp_neighbor_count, frame, sim_clock)) return;
  const int slot = append_slot(r, p.eigrp_neighbors, p.eigrp_neighbor_count,
                               FullTable::EigrpNeighbors, kAddEigrpName, log);
  if (slot == 0) return;
  EigrpNeighborEntry& e = p.eigrp_neighbors[slot];
  e.address = frame.src_ip;
  e.interface = frame.out_interface;
  e.last_heard = sim_clock;
  e.srtt = kEigrpRoundTrip;
  if (const InterfaceEntry* i = configured_interface(r, kAddEigrpName, log))
    e.mask = i->subnet_mask;
}

void add_ospf_neighbors(RouterRecord& r, const PacketRecord& frame, Int32 sim_clock,
                        ErrorLog& log) {
  ProtocolBlock& p = r.protocols;
  if (refresh(p.ospf_neighbors, p.ospf_neighbor_count, frame, sim_clock)) return;
  const int slot = append_slot(r, p.ospf_neighbors, p.ospf_neighbor_count, FullTable::OspfNeighbors,
                               kAddOspfName, log);
  if (slot == 0) return;
  OspfNeighborEntry& e = p.ospf_neighbors[slot];
  e.address = frame.src_ip;
  e.interface = frame.out_interface;
  e.last_heard = sim_clock;
  e.first_heard = sim_clock;
  if (const InterfaceEntry* i = configured_interface(r, kAddOspfName, log)) {
    e.mask = i->subnet_mask;
    e.priority = i->ospf_priority;
  }
  e.router_id = frame.router_id;
}

void Maintain_Eigrp_Neighbors(RouterRecord& r, Int32 sim_clock) {
  remove_silent(r.protocols.eigrp_neighbors, r.protocols.eigrp_neighbor_count, sim_clock);
}

void Maintain_Ospf_Neighbors(RouterRecord& r, Int32 sim_clock) {
  remove_silent(r.protocols.ospf_neighbors, r.protocols.ospf_neighbor_count, sim_clock);
}

}  // namespace zorva
