// The EIGRP and OSPF neighbour tables at their edges: when silent neighbours go, and a full table.
// What an update stores is in the neighbour reports of net_ospf.out and net_igrp_eigrp.out. A
// neighbour moved into a freed slot waiting for the next pass is in net_ospf.out and
// net_ospf_database_silent.out.
#include "network/neighbor_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tests/network/routing_fixture.h"

namespace zorva::testing {
namespace {

PacketRecord update_from(const std::string& src_ip, const std::string& router_id = "") {
  PacketRecord frame;
  frame.src_ip = src_ip;
  frame.out_interface = "Serial1";
  frame.router_id = router_id;
  return frame;
}

class NeighborTablesTest : public RoutingTest {
 protected:
  NeighborTablesTest() {
    add_interface(r_, "Serial0", "10.1.1.1", 24);
    add_interface(r_, "Ethernet0", "192.168.5.1", 26);
    r_.interfaces[2].ospf_priority = 7;
    r_.cur_if_index = 2;  // the interface last chosen for configuration
  }
  RouterRecord r_ = new_router_record();
};

// With maintenance every 10 seconds, whatever the phase of the last update, a silent neighbour
// goes 16 to 25 seconds after it was last heard, and one still talking stays.
TEST_F(NeighborTablesTest, SilentNeighborGoesBetween16And25Seconds) {
  const Int32 start = 50000;  // past the range of a 16-bit clock
  for (int phase = 0; phase < 10; ++phase) {
    RouterRecord r = r_;
    add_ospf_neighbors(r, update_from("10.1.1.2"), start + phase, log_);
    add_ospf_neighbors(r, update_from("10.1.1.3"), start + phase, log_);
    Int32 gone_at = 0;
    for (Int32 now = start + 10; now <= start + 60 && gone_at == 0; now += 10) {
      add_ospf_neighbors(r, update_from("10.1.1.3"), now, log_);
      Maintain_Ospf_Neighbors(r, now);
      if (r.protocols.ospf_neighbor_count == 1) gone_at = now;
    }
    EXPECT_GE(gone_at - (start + phase), 16) << phase;
    EXPECT_LE(gone_at - (start + phase), 25) << phase;
    EXPECT_EQ(r.protocols.ospf_neighbors[1].address, "10.1.1.3") << phase;
  }
}

TEST_F(NeighborTablesTest, FullTablesRefuseAndLogOnce) {
  for (int n = 1; n <= 25; ++n) {
    add_eigrp_neighbors(r_, update_from("10.1.1." + std::to_string(n)), n, log_);
    add_ospf_neighbors(r_, update_from("10.1.1." + std::to_string(n)), n, log_);
  }
  EXPECT_EQ(r_.protocols.eigrp_neighbor_count, kMaxProtocolNeighbors);
  EXPECT_EQ(r_.protocols.ospf_neighbors[20].address, "10.1.1.20");
  EXPECT_EQ(logged("add eigrp neighbors()"), 1);
  EXPECT_EQ(logged("add ospf neighbors()"), 1);
}

}  // namespace
}  // namespace zorva::testing
