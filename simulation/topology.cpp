#include "simulation/topology.h"

#include <cmath>

#include "base/checked.h"
#include "base/error_log.h"
#include "base/host.h"
#include "base/ini_reader.h"
#include "base/number_text.h"

namespace zorva {

namespace {

constexpr const char* kLoadTopologyLogName = "load topology()";
constexpr const char* kCreateRouterLogName = "create new router()";
constexpr const char* kReadConnectorsLogName = "read connector ini info()";

}  // namespace

int read_ini_count(const IniFile& file, const std::string& section, const std::string& key,
                   ErrorLog& log, const char* procedure) {
  Int16 n = 0;
  store_int16(n, leading_number(file.value(section, key)), log, procedure);
  return n;
}

void load_topology(const TopologyTarget& sim, const IniFile& file) {
  const int n = read_ini_count(file, "GENERAL", "numberofrouters", sim.log, kLoadTopologyLogName);
  for (int i = 0; i < n; ++i) create_new_router(sim, file);
}

void create_new_router(const TopologyTarget& sim, const IniFile& file) {
  sim.router_count += 1;
  if (sim.router_count > kMaxRouters) {
    sim.router_count = kMaxRouters;
    sim.host.message_box("Zorva", "This version is limited to 50 routers", Buttons::Ok);
    return;
  }
  const int n = sim.router_count;
  sim.routers[n] = std::make_unique<Router>(n);
  sim.number_of_routers = static_cast<Int16>(n);
  Router& r = *sim.routers[n];
  const std::string section = "ROUTER" + std::to_string(n);
  const int serial = read_ini_count(file, section, "Serial", sim.log, kCreateRouterLogName);
  const int ethernet = read_ini_count(file, section, "Ethernet", sim.log, kCreateRouterLogName);
  const int bri = read_ini_count(file, section, "Bri", sim.log, kCreateRouterLogName);
  auto random = [&sim] { return sim.host.random(); };
  createinterface(r.record, InterfaceType::Serial, serial, random, sim.log, r.caption);
  createinterface(r.record, InterfaceType::Ethernet, ethernet, random, sim.log, r.caption);
  createinterface(r.record, InterfaceType::Bri, bri, random, sim.log, r.caption);
  set_the_router_number(r.record, static_cast<Int16>(n));
}

void read_connector_ini_info(const TopologyTarget& sim, const IniFile& file) {
  ConnectorTable& t = sim.connectors;
  t.connector_count = static_cast<Int16>(
      read_ini_count(file, "GENERAL", "numberofconnectors", sim.log, kReadConnectorsLogName));
  for (int i = 1; i <= t.connector_count; ++i) {
    if (i > kMaxConnectors) {
      sim.log.log(kReadConnectorsLogName, RuntimeError::SubscriptOutOfRange);
      continue;
    }
    const std::string section = "CONNECTOR" + std::to_string(i);
    ConnectorEntry& c = t.entries[i];
    c.connectortype = file.value(section, "connectortype");
    c.dev1interface = file.value(section, "dev1interface");
    c.dev1name = file.value(section, "dev1name");
    c.dev2interface = file.value(section, "dev2interface");
    c.dev2name = file.value(section, "dev2name");
    // Written by the topology editor for real-router serial lines; classic never reads them.
    c.dce_is_dev2 = to_lower(file.value(section, "dce")) == "dev2";
    c.clocked = to_lower(file.value(section, "clocked")) == "yes";
  }
}

std::string why_no_routers(const TopologyTarget& sim, const IniFile& file) {
  if (sim.router_count > 0) return "";
  const std::string start = "The topology gives no routers: ";
  if (file.status() != IniFile::Status::Read) return start + file.problem() + ".";
  const std::string count = file.value("GENERAL", "numberofrouters");
  if (count.empty()) return start + file.file() + " has no numberofrouters in a [GENERAL] section.";
  return start + "numberofrouters=" + count + " in " + file.file() + " creates none.";
}

}  // namespace zorva
