// Building a fresh router's interfaces at their edges (none at all, the 50-interface limit), and
// the record's enum texts read back as lab files save them.
#include "state/router_record.h"

#include <gtest/gtest.h>

#include <fstream>

#include "base/error_log.h"
#include "base/scripted_host.h"
#include "state/ospf_router_id.h"
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

// Each value saved as its text reads back as itself; a text in another case is no value.
template <typename Enum, typename Named>
void expect_round_trip(std::initializer_list<Enum> values, Named named, const char* wrong) {
  for (const Enum v : values) EXPECT_EQ(named(text_of(v)), v) << text_of(v);
  EXPECT_FALSE(named(wrong).has_value()) << wrong;
}

TEST(RecordEnums, SavedTextsReadBackAsTheirValues) {
  expect_round_trip({LinkState::Down, LinkState::Up}, link_state_named, "Up");
  expect_round_trip({InterfaceType::None, InterfaceType::Serial, InterfaceType::Ethernet,
                     InterfaceType::Bri, InterfaceType::Loopback},
                    interface_type_named, "serial");
  expect_round_trip({Encapsulation::None, Encapsulation::Hdlc, Encapsulation::Ppp,
                     Encapsulation::Arpa, Encapsulation::Ethernet},
                    encapsulation_named, "ppp");
  expect_round_trip({PppAuthentication::None, PppAuthentication::Chap, PppAuthentication::Pap},
                    ppp_authentication_named, "chap");
}

// The classic OSPF router ID: the up interface whose address, dots left out, is the largest
// number. Ten digits beat seven though the address is lower; numbers past 32 bits still compare;
// equal numbers leave the earlier interface's address; a shut interface does not count.
TEST(OspfRouterId, IsTheAddressWhoseDigitsMakeTheLargestNumber) {
  const struct {
    const char *first, *second, *id;
  } table[] = {{"10.0.0.200", "9.255.255.255", "9.255.255.255"},
               {"192.168.100.99", "192.168.100.100", "192.168.100.100"},
               {"1.11.1.1", "11.1.1.1", "1.11.1.1"},
               {"99999.99999.99999.99999.9", "1.1.1.1", "99999.99999.99999.99999.9"}};
  for (const auto& t : table) {
    RouterRecord r;
    r.interface_count = 3;
    r.interfaces[1].ip_address = t.first;
    r.interfaces[2].ip_address = t.second;
    r.interfaces[3].ip_address = "999.999.999.999";  // down: it would win
    r.interfaces[1].line_protocol = r.interfaces[2].line_protocol = LinkState::Up;
    EXPECT_EQ(ospf_router_id_of(r), t.id) << t.first << " and " << t.second;
  }
}

}  // namespace
}  // namespace zorva
