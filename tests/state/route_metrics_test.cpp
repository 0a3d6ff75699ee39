// The real-router metrics: an interface's bandwidth, delay and OSPF cost by type and setting, and
// the composite IGRP and EIGRP metrics of paths whose figures every course prints.
#include "state/route_metrics.h"

#include <gtest/gtest.h>

#include "state/router_record.h"

namespace zorva {
namespace {

InterfaceEntry interface_of(const char* type, Int32 bandwidth = 0, Int32 delay = 0) {
  InterfaceEntry e;
  e.type = interface_type_named(type).value();
  e.bandwidth = bandwidth;
  e.delay = delay;
  return e;
}

TEST(RouteMetrics, InterfaceFiguresByTypeAndSetting) {
  struct Row {
    InterfaceEntry e;
    Int32 bandwidth, delay, ospf_cost;
  };
  const Row rows[] = {
      {interface_of("SERIAL"), 1544, 2000, 64},
      {interface_of("ETHERNET"), 10000, 100, 10},
      {interface_of("BRI"), 64, 2000, 1562},
      {interface_of("LOOPBACK"), 8000000, 500, 1},
      {interface_of("SERIAL", 64), 64, 2000, 1562},       // bandwidth 64 on a serial line
      {interface_of("SERIAL", 128000), 128000, 2000, 1},  // never below cost 1
      {interface_of("ETHERNET", 0, 2000), 10000, 2000, 10},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(text_of(row.e.type)) + " " + std::to_string(row.e.bandwidth));
    EXPECT_EQ(interface_bandwidth(row.e), row.bandwidth);
    EXPECT_EQ(interface_delay(row.e), row.delay);
    EXPECT_EQ(ospf_interface_cost(row.e), row.ospf_cost);
  }
}

TEST(RouteMetrics, OspfCostSetByHandWins) {
  InterfaceEntry e = interface_of("SERIAL");
  e.ospf_cost = 100;
  e.ospf_cost_configured = kTrue;
  EXPECT_EQ(ospf_interface_cost(e), 100);
  EXPECT_EQ(ospf_interface_cost(e, 10000), 100);
}

// `auto-cost reference-bandwidth N` (Mbit/s) divides N instead of 100 by the bandwidth.
TEST(RouteMetrics, OspfCostFollowsTheReferenceBandwidth) {
  const std::pair<InterfaceEntry, Int32> rows[] = {
      {interface_of("SERIAL"), 647},    // 10^9 / 1 544 000
      {interface_of("ETHERNET"), 100},  // 10^9 / 10^7
      {interface_of("LOOPBACK"), 1},
  };
  for (const auto& [e, cost] : rows) EXPECT_EQ(ospf_interface_cost(e, 1000), cost) << e.name;
  EXPECT_EQ(ospf_interface_cost(interface_of("BRI"), 4294967), 65535);  // capped, as real routers
}

TEST(RouteMetrics, CompositeMetrics) {
  struct Row {
    Int32 bandwidth, delay, igrp, eigrp;
  };
  const Row rows[] = {
      {10000, 100, 1100, 281600},    // one Ethernet
      {1544, 2000, 8476, 2169856},   // one serial line
      {1544, 2100, 8576, 2195456},   // serial, then the far Ethernet
      {1544, 4100, 10576, 2707456},  // two serial lines and an Ethernet
      {64, 2000, 158250, 40512000},  // BRI
      {0, 0, 10000000, 2147483647},  // no bandwidth counts as 1 kbit/s; EIGRP stops at 2^31-1
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.bandwidth) + "/" + std::to_string(row.delay));
    EXPECT_EQ(igrp_metric(row.bandwidth, row.delay), row.igrp);
    EXPECT_EQ(eigrp_metric(row.bandwidth, row.delay), row.eigrp);
  }
}

}  // namespace
}  // namespace zorva
