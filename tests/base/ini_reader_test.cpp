// The INI reader and the topology loader: what a file gives, and what a bad file never does.
#include "base/ini_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "simulation/topology.h"
#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

using testing::TempDir;
using testing::TestSimulation;

TEST(ReadIniValue, ValueOfASectionsKey) {
  const std::string duplicates = "[A]\nk=1\nk=2\n[A]\nk=3\nj=4\n";
  const struct {
    std::string text;  // the file
    const char *section, *key;
    std::string value;
  } cases[] = {
      // Sections and keys ignore case; blanks around the value go.
      {"[General]\nNumberOfRouters = 3 \n[router1]\nserial=2\n", "GENERAL", "numberofrouters", "3"},
      {"[General]\nNumberOfRouters = 3 \n[router1]\nserial=2\n", "ROUTER1", "Serial", "2"},
      {"[A]\nk=v\n", "B", "k", ""},
      {"[A]\nk=v\n", "A", "x", ""},
      {"[A]\nk=" + std::string(60, 'x') + "\n", "A", "k", std::string(49, 'x')},
      {duplicates, "A", "k", "1"},  // the first of duplicate sections and keys wins
      {duplicates, "A", "j", ""},
      // A byte order mark, and every kind of line end.
      {"\xEF\xBB\xBF[A]\nk=v\n", "A", "k", "v"},
      {"[A]\rk=v\r", "A", "k", "v"},
      {"[A]\r\nk=v", "A", "k", "v"},
      {"[A]\r\r\nk=v\r\n", "A", "k", "v"},
      {"\xEF\xBB\xBF[A]\rj=w\r\nk=v", "A", "k", "v"},
      {"[A]\n\n\rk=v", "A", "k", "v"},
      {"[A]\n\xEF\xBB\xBFk=v\n", "A", "k", ""},  // a byte order mark only at the start
  };
  TempDir d;
  for (const auto& c : cases) {
    const std::string f = d.write("a.ini", c.text);
    EXPECT_EQ(read_ini_value(c.section, c.key, f), c.value) << c.text << " " << c.key;
  }
  EXPECT_EQ(read_ini_value("A", "k", (d.path() / "none.ini").string()), "");
}

TEST(IniFile, WhatIsNotASmallRegularFileIsRefusedWithAReason) {
  TempDir d;
  std::filesystem::create_directory(d.path() / "folder.ini");
  const std::string fifo = (d.path() / "pipe.ini").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);  // opening it would wait for a writer forever
  const std::string too_large =
      d.write("big.ini", "[GENERAL]\nnumberofrouters=1\n" + std::string(kIniFileLimit, ';'));
  const struct {
    std::string file;
    IniFile::Status status;
    const char* reason;
  } cases[] = {
      {"/dev/zero", IniFile::Status::NotAFile, "/dev/zero is not a regular file"},
      {"/dev/urandom", IniFile::Status::NotAFile, "/dev/urandom is not a regular file"},
      {fifo, IniFile::Status::NotAFile, " is not a regular file"},
      {(d.path() / "folder.ini").string(), IniFile::Status::NotAFile, " is not a regular file"},
      {too_large, IniFile::Status::TooLarge, " is larger than 1 MB"},
      {(d.path() / "none.ini").string(), IniFile::Status::Missing, " does not exist"},
  };
  for (const auto& c : cases) {
    const IniFile ini = IniFile::read(c.file);
    EXPECT_EQ(ini.status(), c.status) << c.file;
    EXPECT_EQ(ini.value("GENERAL", "numberofrouters"), "") << c.file;
    EXPECT_NE(ini.problem().find(c.reason), std::string::npos) << ini.problem();
  }
}

TEST(IniFile, AFileOfExactlyTheLimitIsRead) {
  TempDir d;
  std::string text = "[GENERAL]\nnumberofrouters=1\n";
  text += std::string(kIniFileLimit - text.size(), ';');
  const IniFile ini = IniFile::read(d.write("a.ini", text));
  EXPECT_EQ(ini.status(), IniFile::Status::Read);
  EXPECT_EQ(ini.value("general", "NumberOfRouters"), "1");
  EXPECT_EQ(ini.problem(), "");
}

TEST(IniFile, ManySectionsAreIndexedOnce) {
  std::string text;
  for (int i = 1; i <= 20000; ++i)
    text += "[CONNECTOR" + std::to_string(i) + "]\ndev1name=Router" + std::to_string(i) + "\n";
  TempDir d;
  const IniFile ini = IniFile::read(d.write("a.ini", text));
  EXPECT_EQ(ini.section_count(), 20000u);
  EXPECT_EQ(ini.value("connector19999", "DEV1NAME"), "Router19999");
}

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

TEST(LoadTopology, DevicesAsTopologyFinishAtOnceWithNoRouters) {
  for (const char* device : {"/dev/zero", "/dev/urandom"}) {
    ScriptedHost host;
    TempDir d;
    Simulation sim(host, {d.path(), d.path() / "zorva.log"});
    sim.start(device);
    EXPECT_EQ(sim.router_count, 0);
    EXPECT_EQ(sim.no_routers_reason,
              std::string("The topology gives no routers: ") + device + " is not a regular file.");
  }
}

TEST(LoadTopology, TwoRoutersWithTheirInterfaces) {
  TestSimulation t(
      "[GENERAL]\nnumberofrouters=2\n[ROUTER1]\nSerial=2\nEthernet=1\n[ROUTER2]\nSerial=1\n");
  ASSERT_EQ(t.sim->router_count, 2);
  EXPECT_EQ(t.sim->number_of_routers, 2);
  EXPECT_EQ(t.router(1).caption, "Router 1");
  EXPECT_EQ(t.router(2).caption, "Router 2");
  EXPECT_EQ(t.router(1).record.interface_count, 3);
  EXPECT_EQ(t.router(1).record.interfaces[3].name, "Ethernet0");
  EXPECT_EQ(t.router(2).record.interface_count, 1);  // no Bri key: no BRI interfaces
  EXPECT_EQ(t.router(2).record.router_number, 2);
}

TEST(LoadTopology, BadFilesGiveFewerOrNoRouters) {
  const std::string bad[] = {
      "",
      std::string("\x00\xff\xfe[GENERAL]\x01\x02", 9),
      "[GENERAL]\nnumberofrouters=-3\n",
      "[GENERAL]\nnumberofrouters=99999999999\n",
      "[ROUTER1]\nSerial=1\n",
      "[GENERAL]\nnumberofrouters=abc\n",
  };
  for (const std::string& text : bad) {
    TestSimulation t(text);
    EXPECT_EQ(t.sim->router_count, 0) << text;
    EXPECT_TRUE(t.host.boxes.empty());
  }
}

TEST(LoadTopology, SixtyRoutersStopAtFiftyWithOneBoxEach) {
  TestSimulation t("[GENERAL]\nnumberofrouters=60\n");
  EXPECT_EQ(t.sim->router_count, 50);
  EXPECT_EQ(t.sim->number_of_routers, 50);
  ASSERT_EQ(t.host.boxes.size(), 10u);
  EXPECT_EQ(t.host.boxes[0].text, "This version is limited to 50 routers");
}

TEST(LoadTopology, MissingFileGivesNoRouters) {
  ScriptedHost host;
  TempDir d;
  Simulation sim(host, {d.path(), d.path() / "zorva.log"});
  sim.start((d.path() / "nothing.ini").string());
  EXPECT_EQ(sim.router_count, 0);
  EXPECT_EQ(sim.connectors.connector_count, 0);
  EXPECT_EQ(sim.no_routers_reason, "The topology gives no routers: the file " +
                                       (d.path() / "nothing.ini").string() + " does not exist.");
}

TEST(LoadTopology, HugeInterfaceCountsAreCappedAtFifty) {
  TestSimulation t("[GENERAL]\nnumberofrouters=1\n[ROUTER1]\nSerial=30\nEthernet=30\nBri=30\n");
  EXPECT_EQ(t.router(1).record.interface_count, 50);
  EXPECT_NE(t.log_text().find("Create Interface() - Router 1 - 9 - Subscript out of range"),
            std::string::npos);
}

TEST(ReadConnectors, EntriesAreStoredAsRead) {
  TestSimulation t(
      "[GENERAL]\nnumberofrouters=2\nnumberofconnectors=1\n[ROUTER1]\nSerial=1\n[ROUTER2]\nSerial="
      "1\n"
      "[CONNECTOR1]\nconnectortype=serial\ndev1name=Router1\ndev1interface=Serial0\n"
      "dev2name=Router2\ndev2interface=Serial0\n");
  ASSERT_EQ(t.sim->connectors.connector_count, 1);
  const ConnectorEntry& c = t.sim->connectors.entries[1];
  EXPECT_EQ(c.dev1name, "Router1");
  EXPECT_EQ(c.dev2interface, "Serial0");
  EXPECT_EQ(c.connectortype, "serial");
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

}  // namespace
}  // namespace zorva
