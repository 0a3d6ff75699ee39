// The EIGRP reports beyond net_igrp_eigrp.out: column positions with a long address, the hold value
// taken from when a neighbour was last heard, uptime as hh:mm:ss, an Ethernet feasible distance.
#include "reports/eigrp_reports.h"

#include <gtest/gtest.h>

#include <cstring>

#include "reports/column_text.h"
#include "tests/reports/report_records.h"

namespace zorva::testing {
namespace {

constexpr const char* kNeighborHeader =
    "\r\n"
    "IP-EIGRP neighbors for process 10\r\n"
    "H   Address                 Interface   Hold Uptime   SRTT   RTO  Q  Seq\r\n"
    "                                        (sec)         (ms)       Cnt Num\r\n";

EigrpNeighborEntry& add_neighbor(RouterRecord& r, const std::string& address,
                                 const std::string& interface, const std::string& mask) {
  EigrpNeighborEntry& n = r.protocols.eigrp_neighbors[++r.protocols.eigrp_neighbor_count];
  n.address = address;
  n.interface = interface;
  n.mask = mask;
  n.srtt = 1123;
  return n;
}

// The neighbour rows, header removed.
std::string neighbor_rows(const RouterRecord& r, Int32 sim_clock, bool details = false) {
  return build_show_eigrp_neighbors(r, sim_clock, details).substr(std::strlen(kNeighborHeader));
}

TEST(EigrpReports, NeighborRowColumnsHoldUptimeAndTimes) {
  RouterRecord r;
  add_neighbor(r, "10.1.1.2", "Serial0", "255.255.255.252").last_heard = 17;
  add_neighbor(r, "123456789012345678901234", "Ethernet1", "255.255.255.0");
  // sim_clock 75, up_since 0: up 00:01:15; last heard at 17: hold 17 mod 15 = 2.
  EXPECT_EQ(neighbor_rows(r, 75, true),
            "0   10.1.1.2                Se0           2  00:01:15 1123  6738  0  2\r\n"
            "   Version 12.0/1.0, Retrans: 0, Retries: 0\r\n"
            "0   123456789012345678901234Et1           0  00:01:15 1123  6738  0  2\r\n"
            "   Version 12.0/1.0, Retrans: 0, Retries: 0\r\n");
}

TEST(EigrpReports, HoldIsLastHeardModFifteenPaddedBelowTen) {
  const std::pair<Int32, const char*> cases[] = {{9, "9  "}, {10, "10 "}, {14, "14 "}, {15, "0  "}};
  for (const auto& [heard, shown] : cases) {
    RouterRecord r;
    add_neighbor(r, "10.1.1.2", "Ethernet1", "255.255.255.0").last_heard = heard;
    EXPECT_EQ(neighbor_rows(r, 0).substr(42, 11), std::string(shown) + "00:00:00") << heard;
  }
  const std::pair<long long, const char*> times[] = {
      {3599, "00:59:59"}, {3661, "01:01:01"}, {360000, "100:00:00"}};
  for (const auto& [seconds, text] : times) EXPECT_EQ(elapsed_text(seconds), text) << seconds;
}

TEST(EigrpReports, TopologyGivesEthernetAndSerialFeasibleDistances) {
  RouterRecord r;
  r.protocols.eigrp_enabled = kTrue;
  add_neighbor(r, "10.1.1.2", "Ethernet0", "255.255.255.0");
  add_neighbor(r, "172.16.5.6", "Serial0", "255.255.255.252");
  EXPECT_TRUE(
      build_show_eigrp_topology(r).ends_with("       r - Reply status\r\n\r\n"
                                             "P 10.0.0.0/8, 1 successors, FD is 281600\r\n"
                                             "         via Summary(281600/0), Null0\r\n"
                                             "P 10.1.1.0/24, 1 successors, FD is 281600\r\n"
                                             "         via Connected, Ethernet0\r\n"
                                             "P 172.16.0.0/8, 1 successors, FD is 28160\r\n"
                                             "         via Summary(28160/0), Null0\r\n"
                                             "P 172.16.5.4/30, 1 successors, FD is 28160\r\n"
                                             "         via Connected, Serial0\r\n"));
}

}  // namespace
}  // namespace zorva::testing
