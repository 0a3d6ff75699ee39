// The interface configuration commands where a transcript cannot show them: the values stored, the
// log, and a selection outside the table. What typing shows is in interfaces.out.
#include "commands/interface_config.h"

#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

// Serial0, Serial1, Ethernet0 at indexes 1, 2, 3.
class InterfaceConfig : public CommandFixture {};

TEST_F(InterfaceConfig, OspfValuesRoundHalfToEvenAndOverflowIsLoggedAndSkipped) {
  select_interface(1);
  run("ip ospf priority 5", {"ip", "ospf", "priority"});
  run("ip ospf cost 2.5", {"ip", "ospf", "cost"});
  EXPECT_EQ(interface(1).ospf_priority, 5);
  EXPECT_EQ(interface(1).ospf_cost, 2);
  run("ip ospf priority 99999", {"ip", "ospf", "priority"});
  run("ip ospf cost ten", {"ip", "ospf", "cost"});
  EXPECT_EQ(interface(1).ospf_priority, 5);
  EXPECT_EQ(interface(1).ospf_cost, 2);
  EXPECT_NE(log_text().find("exec cmd() - 6 - Overflow"), std::string::npos);
}

TEST_F(InterfaceConfig, SelectionOutsideTheTableIsLoggedNotWritten) {
  router().cur_if_index = 51;
  router().mode = kModeSerial;
  run("shutdown", {"shutdown"});
  run("ip address 10.1.1.1 255.0.0.0", {"ip", "address"});
  EXPECT_NE(log_text().find("exec cmd() - 9 - "), std::string::npos);
  EXPECT_NE(log_text().find("ip address set interface() - 9 - "), std::string::npos);
}

}  // namespace
}  // namespace zorva::testing
