// The running configuration report: the lines and sections the scenario transcripts never show
// (routing protocols, CDP, OSPF interface values), display names and counts beyond the tables.
#include <gtest/gtest.h>

#include "reports/reports.h"
#include "tests/support/record_fixture.h"

namespace zorva::testing {
namespace {

// Serial0, Serial1, Ethernet0.
class RunningConfig : public RecordFixture {
 protected:
  std::string report() { return build_running_config(router()); }
};

// The cost line shows for costs other than 10 and 64, the priority line for priorities other than
// 1, both only on an up interface with an address while OSPF runs.
TEST_F(RunningConfig, OspfLinesShowOnlyOnUpAddressedInterfacesWithOspfAndNonDefaultValues) {
  struct Case {
    LinkState line_protocol;  // the interface's line protocol
    const char* address;      // its address, "" for none
    bool ospf_on;             // OSPF switched on
    Int16 cost, priority;     // its OSPF values
    bool cost_line, priority_line;
  };
  const Case cases[] = {
      {LinkState::Up, "10.1.1.1", true, 10, 1, false, false},
      {LinkState::Up, "10.1.1.1", true, 64, 1, false, false},
      {LinkState::Up, "10.1.1.1", true, 100, 0, true, true},
      {LinkState::Down, "10.1.1.1", true, 100, 5, false, false},
      {LinkState::Up, "", true, 100, 5, false, false},
      {LinkState::Up, "10.1.1.1", false, 100, 5, false, false},
  };
  for (const Case& c : cases) {
    InterfaceEntry& e = interface(3);
    e.line_protocol = c.line_protocol;
    e.ip_address = c.address;
    e.ospf_cost = c.cost;
    e.ospf_priority = c.priority;
    router().protocols.ospf_enabled = to_flag(c.ospf_on);
    const std::string r = report();
    const std::string cost = "\r\n ip ospf cost " + std::to_string(c.cost) + "\r\n";
    const std::string priority = "\r\n ip ospf priority " + std::to_string(c.priority) + "\r\n";
    EXPECT_EQ(r.find(cost) != std::string::npos, c.cost_line) << cost;
    EXPECT_EQ(r.find(priority) != std::string::npos, c.priority_line) << priority;
  }
}

TEST_F(RunningConfig, CountsBeyondTheTablesReadOnlyTheTable) {
  router().username_count = 300;
  router().protocols.rip_enabled = kTrue;
  router().protocols.rip_network_count = 300;
  router().protocols.ospf_enabled = kTrue;
  router().protocols.ospf_network_count = 300;
  router().interface_count = 300;
  EXPECT_NE(report().find("interface Ethernet0"), std::string::npos);
}

}  // namespace
}  // namespace zorva::testing
