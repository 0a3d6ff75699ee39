// Each `show ip` and `show cdp` line reaches its own report through the handler its row of the
// command tree names, including the words that pick nothing and the words compared as typed.
#include <functional>
#include <sstream>

#include "reports/cdp_reports.h"
#include "reports/eigrp_reports.h"
#include "reports/ip_interface_reports.h"
#include "reports/ip_protocols_report.h"
#include "reports/ospf_reports.h"
#include "reports/routing_table_report.h"
#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

class ShowBindings : public CommandFixture {
 protected:
  ShowBindings() {
    CdpNeighborEntry& n = router().cdp_neighbors[++router().cdp_neighbor_count];
    n.info = {kTrue, "1", "R2", "", "Serial0", "1700", "R", "10.1.1.2"};
    router().protocols.ospf_neighbors[1].address = "10.1.1.2";
    router().protocols.ospf_neighbor_count = 1;
    interface(1).ip_address = "10.1.1.1";
    interface(1).subnet_mask = "255.255.255.0";
  }
};

// The line as typed, the database spellings of its keywords, and the report it must print.
TEST_F(ShowBindings, EveryLineReachesItsReport) {
  const std::string r2 = "R2";
  const auto nothing = [](RouterRecord&) { return std::string(); };
  struct Case {
    Behaviour behaviour;
    const char* line;
    const char* keywords;
    std::function<std::string(RouterRecord&)> expected;
  };
  const Case cases[] = {
      {Behaviour::Classic, "show cdp", "show cdp", cdp_global_report},
      {Behaviour::Classic, "show cdp neighbors", "show cdp neighbors",
       [](RouterRecord& r) { return cdp_neighbor_table(r, 0); }},
      {Behaviour::Classic, "show cdp neighbors detail", "show cdp neighbors detail",
       [](RouterRecord& r) { return cdp_detail_blocks(r, 0, nullptr); }},
      {Behaviour::Classic, "show cdp entry *", "show cdp entry *",
       [](RouterRecord& r) { return cdp_detail_blocks(r, 0, nullptr); }},
      {Behaviour::Classic, "show cdp entry R2", "show cdp entry",
       [&r2](RouterRecord& r) { return cdp_detail_blocks(r, 0, &r2); }},
      {Behaviour::Classic, "show ip interface", "show ip interface",
       [](RouterRecord& r) { return build_show_ip_int(r, ""); }},
      {Behaviour::Classic, "show ip route", "show ip route",
       [](RouterRecord& r) { return build_routing_table(r, 0); }},
      // A source with no route prints nothing at all, not the table.
      {Behaviour::RealRouter, "show ip route static", "show ip route static", nothing},
      {Behaviour::RealRouter, "show ip protocols", "show ip protocols",
       [](RouterRecord& r) { return build_real_ip_protocols(r, 0); }},
      {Behaviour::Classic, "show ip eigrp neighbors detail", "show ip eigrp neighbors detail",
       [](RouterRecord& r) { return build_show_eigrp_neighbors(r, 0, false); }},
      {Behaviour::Classic, "show ip eigrp traffic", "show ip eigrp traffic",
       [](RouterRecord&) { return std::string("\r\n"); }},  // the (empty) template
      {Behaviour::Classic, "show ip ospf neighbor detail", "show ip ospf neighbor detail",
       [](RouterRecord& r) { return build_show_ospf_neighbors_detail(r, 0); }},
      // The fifth word is compared as typed: "det" prints nothing.
      {Behaviour::Classic, "show ip ospf neighbor det", "show ip ospf neighbor detail", nothing},
      {Behaviour::RealRouter, "show ip ospf neighbor", "show ip ospf neighbor",
       [](RouterRecord& r) { return build_real_ospf_neighbors(r, 0); }},
      {Behaviour::Classic, "show ip arp", "show ip arp", nothing},
      // A second word without a report of its own: the `show` row's handler, an empty output.
      {Behaviour::Classic, "show sessions", "show sessions", nothing},
  };
  for (const Case& c : cases) {
    behaviour_ = c.behaviour;
    std::vector<std::string> keywords;
    std::istringstream words(c.keywords);
    for (std::string w; words >> w;) keywords.push_back(w);
    run(c.line, keywords, kModeUser);
    EXPECT_TRUE(output_pending()) << c.line;
    EXPECT_EQ(output(), c.expected(router())) << c.line;
  }
}

}  // namespace
}  // namespace zorva::testing
