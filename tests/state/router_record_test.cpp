// Building a fresh router: defaults, interface creation, the 50-interface limit, the mode tables.
#include "state/router_record.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "base/error_log.h"
#include "base/scripted_host.h"
#include "state/mode_tables.h"
#include "tests/support/test_paths.h"

namespace zorva {
namespace {

class CreateInterface : public ::testing::Test {
 protected:
  testing::TempDir dir;
  ScriptedHost host;
  ErrorLog log{host, dir.path() / "zorva.log"};
  RouterRecord rec = window_load_record();
  std::function<double()> random = [this] { return host.random(); };
};

TEST_F(CreateInterface, TwoSerialOneEthernetNoBriInTableOrder) {
  createinterface(rec, InterfaceType::Serial, 2, random, log, "Router 1");
  createinterface(rec, InterfaceType::Ethernet, 1, random, log, "Router 1");
  createinterface(rec, InterfaceType::Bri, 0, random, log, "Router 1");
  ASSERT_EQ(rec.interface_count, 3);
  EXPECT_EQ(rec.interfaces[1].name, "Serial0");
  EXPECT_EQ(rec.interfaces[2].name, "Serial1");
  EXPECT_EQ(rec.interfaces[3].name, "Ethernet0");
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(rec.interfaces[i].status, LinkState::Down);
    EXPECT_EQ(rec.interfaces[i].line_protocol, LinkState::Down);
    EXPECT_EQ(rec.interfaces[i].shutdown, kTrue);
    EXPECT_EQ(rec.interfaces[i].keepalive_misses, 4);
    EXPECT_EQ(rec.interfaces[i].cdp_enable, kTrue);
  }
  const std::string mac = rec.interfaces[3].mac_address;
  std::smatch m;
  ASSERT_TRUE(std::regex_match(mac, m, std::regex(R"(000C\.(\d{4})\.(\d{4}))"))) << mac;
  EXPECT_GE(std::stoi(m[1]), 1000);
  EXPECT_GE(std::stoi(m[2]), 1000);
  EXPECT_EQ(rec.interfaces[1].mac_address, "");
}

TEST_F(CreateInterface, TypeDefaults) {
  createinterface(rec, InterfaceType::Serial, 1, random, log, "Router 1");
  createinterface(rec, InterfaceType::Ethernet, 1, random, log, "Router 1");
  createinterface(rec, InterfaceType::Bri, 1, random, log, "Router 1");
  EXPECT_EQ(rec.interfaces[1].encapsulation, Encapsulation::Hdlc);
  EXPECT_EQ(rec.interfaces[1].ospf_cost, 64);
  EXPECT_EQ(rec.interfaces[2].encapsulation, Encapsulation::Arpa);
  EXPECT_EQ(rec.interfaces[2].line_encapsulation, Encapsulation::Ethernet);
  EXPECT_EQ(rec.interfaces[2].ospf_cost, 10);
  EXPECT_EQ(rec.interfaces[3].name, "Bri0");
  EXPECT_EQ(rec.interfaces[3].ospf_cost, 1500);
  EXPECT_EQ(rec.interfaces[3].ospf_priority, 1);
}

TEST_F(CreateInterface, NumberRestartsForEachType) {
  createinterface(rec, InterfaceType::Serial, 1, random, log, "Router 1");
  createinterface(rec, InterfaceType::Ethernet, 2, random, log, "Router 1");
  EXPECT_EQ(rec.interfaces[2].name, "Ethernet0");
  EXPECT_EQ(rec.interfaces[3].name, "Ethernet1");
  EXPECT_EQ(rec.interfaces[3].number, "1");
}

TEST_F(CreateInterface, NoInterfacesStillSetsTheRegister) {
  createinterface(rec, InterfaceType::Serial, 0, random, log, "Router 1");
  createinterface(rec, InterfaceType::Ethernet, -5, random, log, "Router 1");
  createinterface(rec, InterfaceType::Loopback, 3, random, log, "Router 1");
  EXPECT_EQ(rec.interface_count, 0);
  EXPECT_EQ(rec.config_register, "0X2102");
}

TEST_F(CreateInterface, FiftyFirstInterfaceIsRefusedAndLogged) {
  createinterface(rec, InterfaceType::Serial, 48, random, log, "Router 1");
  createinterface(rec, InterfaceType::Ethernet, 5, random, log, "Router 7");
  EXPECT_EQ(rec.interface_count, kMaxInterfaces);
  EXPECT_EQ(rec.interfaces[50].name, "Ethernet1");
  EXPECT_EQ(log.lines_written(), 1);
  // A window procedure: the line carries the window's caption before the error number.
  std::ifstream in(dir.path() / "zorva.log");
  std::string line;
  std::getline(in, line);
  EXPECT_NE(line.find(" -- Create Interface() - Router 7 - 9 - Subscript out of range"),
            std::string::npos)
      << line;
  createinterface(rec, InterfaceType::Bri, 1000000, random, log, "Router 1");
  EXPECT_EQ(rec.interface_count, kMaxInterfaces);
  EXPECT_EQ(log.lines_written(), 2);
}

TEST(RouterRecord, WindowLoadDefaults) {
  const RouterRecord r = window_load_record();
  EXPECT_EQ(r.hostname, "Router");
  EXPECT_EQ(r.prompt, ">");
  EXPECT_EQ(r.mode, 2);
  EXPECT_EQ(r.cdp_run, kTrue);
  EXPECT_EQ(r.cdp_timer, 60);
  EXPECT_EQ(r.cdp_holdtime, 180);
  EXPECT_EQ(r.history.exec_size, 10);
  EXPECT_EQ(r.history.config_size, 10);
  RouterRecord copy = r;
  copy.interfaces[7].name = "x";
  EXPECT_EQ(r.interfaces[7].name, "");  // a record is a value: copies share nothing
}

TEST(ModeTables, PromptsAndNames) {
  ModeTables t;
  fill_mode_tables(t);
  EXPECT_EQ(t.prompt[1], "Press Enter");
  EXPECT_EQ(t.prompt[5], "(config-if)#");
  EXPECT_EQ(t.prompt[6], "(config-if)#");
  EXPECT_EQ(t.prompt[7], "(config-if)#");
  EXPECT_EQ(t.name[12], "consMode");
  EXPECT_EQ(t.name[3], "privmode");
  EXPECT_EQ(t.prompt[0], "");
  EXPECT_EQ(t.prompt[15], "");
  EXPECT_EQ(t.prompt_of(99), "");
  EXPECT_EQ(t.name_of(-1), "");
}

}  // namespace
}  // namespace zorva
