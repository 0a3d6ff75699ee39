// The topology loader: how many routers, interfaces and connectors a file gives, where each cable
// leads, and what a bad file never does.
#include <gtest/gtest.h>

#include <filesystem>

#include "simulation/topology.h"
#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

using testing::TempDir;
using testing::TestSimulation;

TEST(LoadTopology, CountsTooLargeForSixteenBitsAreLoggedAsOverflow) {
  const std::string digits400(400, '9');
  const struct {
    std::string text;
    const char* logged;
  } cases[] = {
      {"[GENERAL]\nnumberofrouters=99999\n", "load topology() - 6 - Overflow"},
      {"[GENERAL]\nnumberofrouters=-40000\n", "load topology() - 6 - Overflow"},
      {"[GENERAL]\nnumberofrouters=" + digits400 + "\n", "load topology() - 6 - Overflow"},
      {"[GENERAL]\nnumberofrouters=1\n[ROUTER1]\nSerial=70000\n",
       "create new router() - 6 - Overflow"},
      {"[GENERAL]\nnumberofconnectors=1e9\n", "read connector ini info() - 6 - Overflow"},
  };
  for (const auto& c : cases) {
    TestSimulation t(c.text);
    EXPECT_EQ(t.sim->log.lines_written(), 1) << c.text;
    EXPECT_NE(t.log_text().find(c.logged), std::string::npos) << t.log_text();
    if (t.sim->router_count > 0) {
      EXPECT_EQ(t.router(1).record.interface_count, 0);
    }
    EXPECT_EQ(t.sim->connectors.connector_count, 0);
  }
}

TEST(LoadTopology, NoRoutersComesWithAReasonForTheUser) {
  const struct {
    std::string text;
    const char* reason;
  } cases[] = {
      {"", " has no numberofrouters in a [GENERAL] section."},
      {"[ROUTER1]\nSerial=1\n", " has no numberofrouters in a [GENERAL] section."},
      {"[GENERAL]\nnumberofrouters=abc\n", "numberofrouters=abc in "},
      {"[GENERAL]\nnumberofrouters=0\n", "numberofrouters=0 in "},
  };
  for (const auto& c : cases) {
    TestSimulation t(c.text);
    EXPECT_EQ(t.sim->router_count, 0);
    EXPECT_TRUE(t.sim->no_routers_reason.starts_with("The topology gives no routers: "))
        << t.sim->no_routers_reason;
    EXPECT_NE(t.sim->no_routers_reason.find(c.reason), std::string::npos)
        << t.sim->no_routers_reason;
  }
  TestSimulation some(testing::topology(1, 0, 0));
  EXPECT_EQ(some.sim->no_routers_reason, "");
}

TEST(LoadTopology, DevicesAndMissingFilesGiveNoRoutersAndSayWhy) {
  TempDir d;
  const std::string missing = (d.path() / "nothing.ini").string();
  const std::pair<std::string, std::string> cases[] = {
      {"/dev/zero", "/dev/zero is not a regular file."},  // reading it would never finish
      {"/dev/urandom", "/dev/urandom is not a regular file."},
      {missing, "the file " + missing + " does not exist."},
  };
  for (const auto& [file, reason] : cases) {
    ScriptedHost host;
    Simulation sim(host, {d.path(), d.path() / "zorva.log"});
    sim.start(file);
    EXPECT_EQ(sim.router_count, 0) << file;
    EXPECT_EQ(sim.connectors.connector_count, 0) << file;
    EXPECT_EQ(sim.no_routers_reason, "The topology gives no routers: " + reason);
  }
}

TEST(LoadTopology, SixtyRoutersStopAtFiftyWithOneBoxEach) {
  TestSimulation t("[GENERAL]\nnumberofrouters=60\n");
  EXPECT_EQ(t.sim->router_count, 50);
  EXPECT_EQ(t.sim->number_of_routers, 50);
  ASSERT_EQ(t.host.boxes.size(), 10u);
  EXPECT_EQ(t.host.boxes[0].text, "This version is limited to 50 routers");
}

TEST(ReadConnectors, PastTwoHundredLoggedNeverStored) {
  TestSimulation t("[GENERAL]\nnumberofconnectors=203\n[CONNECTOR201]\ndev1name=Router1\n");
  EXPECT_EQ(t.sim->connectors.connector_count, 203);
  EXPECT_EQ(t.sim->connectors.stored(), 200);
  EXPECT_EQ(t.sim->log.lines_written(), 3);
}

TEST(ReadConnectors, ConnectorsToNowhereAreHarmless) {
  TestSimulation t(
      "[GENERAL]\nnumberofrouters=1\nnumberofconnectors=2\n[ROUTER1]\nSerial=1\n"
      "[CONNECTOR1]\ndev1name=Router7\ndev1interface=Serial9\ndev2name=Router1\ndev2interface=x\n");
  EXPECT_EQ(t.sim->router_count, 1);
  EXPECT_EQ(t.sim->connectors.entries[1].dev1name, "Router7");
  EXPECT_EQ(t.sim->connectors.entries[2].dev1name, "");
}

// Where the patch panel sends each interface's frames: names match in any case, "router12" is not
// router 1, and of two cables listing one interface the later decides where it sends, while both
// far ends send to it.
TEST(ReadConnectors, ThePanelFindsEachCablesFarEnd) {
  std::string text = testing::topology(12, 1, 1);
  text.insert(text.find('\n') + 1, "numberofconnectors=4\n");  // into [GENERAL]
  const char* cables[][4] = {{"Router1", "Serial0", "router12", "SERIAL0"},
                             {"Router1", "Ethernet0", "Router2", "Ethernet0"},
                             {"Router3", "Serial0", "Router4", "Serial0"},
                             {"Router3", "Serial0", "Router5", "Serial0"}};
  for (int c = 0; c < 4; ++c)
    text += "[CONNECTOR" + std::to_string(c + 1) + "]\ndev1name=" + cables[c][0] +
            "\ndev1interface=" + cables[c][1] + "\ndev2name=" + cables[c][2] +
            "\ndev2interface=" + cables[c][3] + "\n";
  TestSimulation t(text);
  const auto far = [&](int router, int interface) {
    const CableEnd& end = t.sim->network.far_end(router, interface);
    return std::pair(end.router, end.interface);
  };
  EXPECT_EQ(far(1, 1), std::pair(12, 1));
  EXPECT_EQ(far(12, 1), std::pair(1, 1));
  EXPECT_EQ(far(1, 2), std::pair(2, 2));
  EXPECT_EQ(far(3, 1), std::pair(5, 1));
  EXPECT_EQ(far(4, 1), std::pair(3, 1));
  EXPECT_EQ(far(5, 1), std::pair(3, 1));
  EXPECT_FALSE(t.sim->network.far_end(2, 1).resolved());
}

TEST(Startup, MissingProgramDirectoryStillStarts) {
  testing::TestSimulation t(testing::topology(2, 1, 1), "/nonexistent-zorva-dir");
  EXPECT_EQ(t.sim->router_count, 2);
  EXPECT_EQ(t.sim->app_path, "/nonexistent-zorva-dir/");
}

}  // namespace
}  // namespace zorva
