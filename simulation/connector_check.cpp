#include "simulation/connector_check.h"

#include <algorithm>
#include <string_view>

#include "base/ini_reader.h"
#include "base/number_text.h"
#include "simulation/simulation.h"

namespace zorva {

namespace {

// The most of a topology file's line a sentence quotes.
constexpr std::size_t kQuotedLine = 80;

// The router an end names as the cabling resolves it: "Router" and its number, in any case.
const Router* router_named(const Simulation& sim, const std::string& name) {
  for (int n = 1; n <= sim.router_count && n <= kMaxRouters; ++n)
    if (to_upper(name) == "ROUTER" + std::to_string(n)) return sim.routers[n].get();
  return nullptr;
}

bool has_interface(const RouterRecord& r, const std::string& name) {
  for (int i = 1; i <= std::min<int>(r.interface_count, kMaxInterfaces); ++i)
    if (to_upper(r.interfaces[i].name) == to_upper(name)) return true;
  return false;
}

std::string routers_there(const Simulation& sim) {
  if (sim.router_count == 1) return "the only router is Router1";
  if (sim.router_count == 2) return "the routers are Router1 and Router2";
  return "the routers are Router1 to Router" + std::to_string(sim.router_count);
}

std::string interfaces_of(const RouterRecord& r) {
  std::string names;
  for (int i = 1; i <= std::min<int>(r.interface_count, kMaxInterfaces); ++i)
    names += (names.empty() ? "" : ", ") + r.interfaces[i].name;
  return names.empty() ? "it has none" : "it has " + names;
}

class ConnectorReport {
 public:
  ConnectorReport(const Simulation& sim, std::vector<std::string>& out)
      : sim_(sim), places_(IniFile::from_text(sim.topology_text, sim.topology_file)), out_(out) {}

  void check(int connector, const std::string& name, const std::string& interface, int end) {
    const std::string section = "CONNECTOR" + std::to_string(connector);
    const std::string name_key = "dev" + std::to_string(end) + "name";
    const std::string interface_key = "dev" + std::to_string(end) + "interface";
    if (name.empty()) return missing(section, name_key);
    const Router* router = router_named(sim_, name);
    if (router == nullptr)
      return wrong(section, name_key,
                   "there is no router " + name + " (" + routers_there(sim_) + ")");
    if (interface.empty()) return missing(section, interface_key);
    if (!has_interface(router->record, interface))
      wrong(section, interface_key,
            name + " has no interface " + interface + " (" + interfaces_of(router->record) + ")");
  }

 private:
  void missing(const std::string& section, const std::string& key) {
    out_.push_back("The topology " + sim_.topology_file + ": [" + section + "] has no " + key +
                   ", so its cable carries nothing.");
  }
  void wrong(const std::string& section, const std::string& key, const std::string& why) {
    std::string where = "The topology " + sim_.topology_file;
    if (const std::optional<IniFile::Place> p = places_.place(section, key))
      where += ", line " + std::to_string(p->line) + " (" +
               (p->text.size() > kQuotedLine ? p->text.substr(0, kQuotedLine) + "..." : p->text) +
               ")";
    out_.push_back(where + ": " + why + ", so the cable of [" + section + "] carries nothing.");
  }

  const Simulation& sim_;
  const IniFile places_;  // the topology text as the reader indexes it
  std::vector<std::string>& out_;
};

}  // namespace

std::vector<std::string> dead_connector_problems(const Simulation& sim) {
  std::vector<std::string> problems;
  // Without routers every cable is dead, and the start-up says why there are none.
  if (sim.router_count <= 0) return problems;
  ConnectorReport report(sim, problems);
  for (int c = 1; c <= sim.connectors.stored(); ++c) {
    const ConnectorEntry& e = sim.connectors.entries[static_cast<std::size_t>(c)];
    // A section missing from the file names nothing, as the cabling sees it.
    if ((e.dev1name + e.dev1interface + e.dev2name + e.dev2interface).empty()) continue;
    report.check(c, e.dev1name, e.dev1interface, 1);
    report.check(c, e.dev2name, e.dev2interface, 2);
  }
  return problems;
}

}  // namespace zorva
