#include "simulation/topology.h"

#include <cmath>

#include "base/checked.h"
#include "base/ini_reader.h"
#include "base/number_text.h"
#include "simulation/simulation.h"

namespace zorva {

int read_ini_count(const std::string& section, const std::string& key, const std::string& file) {
  const std::optional<Int16> n = fit_int16(leading_number(read_ini_value(section, key, file)));
  return n ? *n : 0;
}

void load_topology(Simulation& sim, const std::string& file) {
  const int n = read_ini_count("GENERAL", "numberofrouters", file);
  for (int i = 0; i < n; ++i) create_new_router(sim, file);
}

void create_new_router(Simulation& sim, const std::string& file) {
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
  const int serial = read_ini_count(section, "Serial", file);
  const int ethernet = read_ini_count(section, "Ethernet", file);
  const int bri = read_ini_count(section, "Bri", file);
  auto random = [&sim] { return sim.host.random(); };
  createinterface(r.record, "SERIAL", serial, random, sim.log, r.caption);
  createinterface(r.record, "ETHERNET", ethernet, random, sim.log, r.caption);
  createinterface(r.record, "BRI", bri, random, sim.log, r.caption);
  set_the_router_number(r.record, static_cast<Int16>(n));
}

void read_connector_ini_info(Simulation& sim, const std::string& file) {
  ConnectorTable& t = sim.connectors;
  t.connector_count = static_cast<Int16>(read_ini_count("GENERAL", "numberofconnectors", file));
  for (int i = 1; i <= t.connector_count; ++i) {
    if (i > kMaxConnectors) {
      sim.log.log("read connector ini info()", RuntimeError::SubscriptOutOfRange);
      continue;
    }
    const std::string section = "CONNECTOR" + std::to_string(i);
    ConnectorEntry& c = t.entries[i];
    c.connectortype = read_ini_value(section, "connectortype", file);
    c.dev1interface = read_ini_value(section, "dev1interface", file);
    c.dev1name = read_ini_value(section, "dev1name", file);
    c.dev2interface = read_ini_value(section, "dev2interface", file);
    c.dev2name = read_ini_value(section, "dev2name", file);
  }
}

}  // namespace zorva
