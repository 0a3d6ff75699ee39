// Building a fresh router's interfaces at their edges: none at all, and the 50-interface limit.
#include "state/router_record.h"

#include <gtest/gtest.h>

#include <fstream>

#include "base/error_log.h"
#include "base/scripted_host.h"
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

}  // namespace
}  // namespace zorva
