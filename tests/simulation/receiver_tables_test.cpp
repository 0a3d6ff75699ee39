// The receiver's own tables when they fill up: the CDP neighbour table holds 50 devices and the ARP
// cache 100 addresses; more take no entry and are logged once per spell of fullness.
#include <gtest/gtest.h>

#include <string>

#include "network/network.h"
#include "simulation/simulation.h"
#include "tests/support/test_simulation.h"

namespace zorva::testing {
namespace {

class ReceiverTables : public ::testing::Test {
 protected:
  void SetUp() override {
    // An Ethernet that is up, so IP frames teach the ARP cache.
    InterfaceEntry& e = t.router(1).record.interfaces[1];
    e.shutdown = kFalse;
    e.ip_address = "10.0.0.1";
  }
  void hear(const PacketRecord& frame) {
    t.sim->network.packet_from_patch_panel_to_router(t.router(1), 1, frame);
  }
  TestSimulation t{topology(1, 0, 1)};
};

TEST_F(ReceiverTables, FullCdpTableTakesNoMoreAndLogsOnce) {
  const int lines_before = t.sim->log.lines_written();
  for (int n = 1; n <= 60; ++n) {
    PacketRecord frame;
    frame.cdp = CdpInfo{kTrue, "1", "Device" + std::to_string(n), "", "Serial0", "1700", "R", ""};
    hear(frame);
  }
  EXPECT_EQ(t.router(1).record.cdp_neighbor_count, kMaxCdpNeighbors);
  EXPECT_EQ(t.router(1).record.cdp_neighbors[kMaxCdpNeighbors].info.device_id, "Device50");
  EXPECT_EQ(t.sim->log.lines_written(), lines_before + 1);
}

TEST_F(ReceiverTables, FullArpCacheTakesNoMoreAndLogsOnceAndSerialFramesTeachNothing) {
  const int lines_before = t.sim->log.lines_written();
  PacketRecord serial;  // no hardware address: nothing to learn
  serial.protocol = "IP";
  serial.src_ip = "10.9.9.9";
  serial.dst_ip = "10.0.0.1";
  hear(serial);
  EXPECT_EQ(t.router(1).arp_count, 0);
  for (int n = 1; n <= 120; ++n) {
    PacketRecord frame = serial;
    frame.src_ip = "10.1." + std::to_string(n / 256) + "." + std::to_string(n % 256);
    frame.src_mac = "000C.1000." + std::to_string(1000 + n);
    hear(frame);
  }
  EXPECT_EQ(t.router(1).arp_count, kMaxArpEntries);
  EXPECT_EQ(t.sim->log.lines_written(), lines_before + 1);
}

}  // namespace
}  // namespace zorva::testing
