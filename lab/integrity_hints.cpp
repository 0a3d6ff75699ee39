#include "lab/integrity_hints.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <random>

#include "base/number_text.h"
#include "base/scripted_host.h"
#include "reports/reports.h"
#include "simulation/simulation.h"

namespace zorva {

namespace {

namespace fs = std::filesystem;

// The most untyped fields and topology differences a hint names; the rest are counted.
constexpr std::size_t kNamedAtMost = 3;
// The host name every router starts with.
constexpr const char* kFreshHostname = "Router";

// One end of a cable as the cabling resolves it: "Router2 Serial0" for a router and interface
// that exist, whatever the case they were written in; otherwise the names as written.
std::string end_text(const Simulation& sim, const std::string& name, const std::string& interface) {
  for (int n = 1; n <= sim.router_count && n <= kMaxRouters; ++n) {
    if (to_upper(name) != "ROUTER" + std::to_string(n)) continue;
    const RouterRecord& r = sim.routers[n]->record;
    for (int i = 1; i <= std::min<int>(r.interface_count, kMaxInterfaces); ++i)
      if (to_upper(r.interfaces[i].name) == to_upper(interface))
        return "Router" + std::to_string(n) + " " + r.interfaces[i].name;
    return "Router" + std::to_string(n) + " " + interface;
  }
  return name + " " + interface;
}

// The items of `all`, the first few by name and the rest counted.
std::string listed(const std::vector<std::string>& all) {
  std::string text;
  for (std::size_t i = 0; i < all.size() && i < kNamedAtMost; ++i)
    text += (i == 0 ? "" : i + 1 == all.size() ? " and " : ", ") + all[i];
  if (all.size() > kNamedAtMost)
    text += " and " + std::to_string(all.size() - kNamedAtMost) + " more";
  return text;
}

// What `a` holds and `b` does not, each as often as it is missing.
std::vector<std::string> missing_from(std::vector<std::string> a, std::vector<std::string> b) {
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  std::vector<std::string> out;
  std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
  return out;
}

bool configured(const Simulation& sim) {
  for (int n = 1; n <= sim.router_count && n <= kMaxRouters; ++n) {
    const RouterRecord& r = sim.routers[n]->record;
    if (r.hostname != kFreshHostname || !r.startup_config.empty()) return true;
    for (int i = 1; i <= std::min<int>(r.interface_count, kMaxInterfaces); ++i)
      if (!r.interfaces[i].ip_address.empty()) return true;
  }
  return false;
}

// Whether a transcript shows a line typed at a prompt ("Router>enable"): the screen a console
// starts with shows none.
bool shows_typing(const std::string& transcript) {
  std::size_t at = 0;
  while ((at = transcript.find_first_of(">#", at)) != std::string::npos) {
    ++at;
    const std::size_t end = transcript.find_first_of("\r\n", at);
    const std::string_view rest = std::string_view(transcript).substr(at, end - at);
    if (rest.find_first_not_of(" \t") != std::string_view::npos) return true;
  }
  return false;
}

// The names of `same` other than the i-th, as "ann, ben and cat".
std::string others_named(const std::vector<std::size_t>& same, std::size_t i,
                         const std::vector<std::string>& names) {
  std::vector<std::string> others;
  for (std::size_t j : same)
    if (j != i) others.push_back(names[j]);
  std::string text;
  for (std::size_t k = 0; k < others.size(); ++k)
    text += (k == 0 ? "" : k + 1 == others.size() ? " and " : ", ") + others[k];
  return text;
}

}  // namespace

const char* hint_word(Hint::Kind kind) {
  switch (kind) {
    case Hint::Kind::Topology:
      return "topology";
    case Hint::Kind::Untyped:
      return "untyped";
    case Hint::Kind::Identical:
      return "identical";
  }
  return "";
}

TopologyShape topology_shape(const Simulation& sim) {
  TopologyShape shape;
  for (int n = 1; n <= sim.router_count && n <= kMaxRouters; ++n) {
    const RouterRecord& r = sim.routers[n]->record;
    std::string interfaces;
    for (int i = 1; i <= std::min<int>(r.interface_count, kMaxInterfaces); ++i)
      interfaces += (i == 1 ? "" : ", ") + r.interfaces[i].name;
    shape.routers.push_back("Router" + std::to_string(n) + " (" + interfaces + ")");
  }
  for (int c = 1; c <= sim.connectors.stored(); ++c) {
    const ConnectorEntry& e = sim.connectors.entries[static_cast<std::size_t>(c)];
    if ((e.dev1name + e.dev1interface + e.dev2name + e.dev2interface).empty()) continue;
    std::string one = end_text(sim, e.dev1name, e.dev1interface);
    std::string two = end_text(sim, e.dev2name, e.dev2interface);
    if (two < one) std::swap(one, two);  // a cable has no direction
    shape.cables.push_back(one + " - " + two);
  }
  std::sort(shape.cables.begin(), shape.cables.end());
  return shape;
}

std::optional<TopologyShape> topology_shape_of_file(const fs::path& file, const fs::path& app_dir,
                                                    std::string& error) {
  if (file.empty()) {
    error = "no topology file was named";
    return std::nullopt;
  }
  ScriptedHost host;
  std::random_device random;
  std::error_code ec;
  const fs::path log = fs::temp_directory_path(ec) / ("zorva-topology-" + std::to_string(random()) +
                                                      std::to_string(random()) + ".log");
  std::optional<TopologyShape> shape;
  {
    Simulation sim(host, {app_dir, log});
    sim.start(file.string());
    if (sim.router_count > 0)
      shape = topology_shape(sim);
    else
      error = sim.no_routers_reason;
  }
  fs::remove(log, ec);
  return shape;
}

std::string shape_differences(const TopologyShape& lab, const TopologyShape& expected) {
  std::vector<std::string> found;
  for (const std::string& r : missing_from(expected.routers, lab.routers))
    found.push_back("no " + r);
  for (const std::string& r : missing_from(lab.routers, expected.routers))
    found.push_back("an extra " + r);
  for (const std::string& c : missing_from(expected.cables, lab.cables))
    found.push_back("no cable " + c);
  for (const std::string& c : missing_from(lab.cables, expected.cables))
    found.push_back("an extra cable " + c);
  return listed(found);
}

LabTraits lab_traits(const Simulation& sim) {
  LabTraits traits;
  traits.opened = true;
  traits.topology = topology_shape(sim);
  // Whatever a student types into any console is in its transcript, and the prompts show the
  // host name once set; a field whose text is nowhere there was not typed in this lab.
  std::string typed;
  for (int n = 1; n <= sim.router_count && n <= kMaxRouters; ++n)
    typed += to_lower(sim.routers[n]->console.transcript()) + "\n";
  const auto untyped = [&typed](const std::string& text) {
    return typed.find(to_lower(text)) == std::string::npos;
  };
  const bool any = configured(sim);
  bool typing = false;
  for (int n = 1; n <= sim.router_count && n <= kMaxRouters; ++n) {
    const std::string& t = sim.routers[n]->console.transcript();
    typing = typing || shows_typing(t);
    traits.transcript += t + "\n";
  }
  if (!typing) traits.transcript.clear();
  for (int n = 1; n <= sim.router_count && n <= kMaxRouters; ++n) {
    const RouterRecord& r = sim.routers[n]->record;
    const std::string router = "router " + std::to_string(n) + "'s ";
    if (any) traits.configuration += build_running_config(r) + "\n" + r.startup_config + "\n";
    if (r.hostname != kFreshHostname && untyped(r.hostname))
      traits.untyped.push_back(router + "host name " + r.hostname);
    for (int i = 1; i <= std::min<int>(r.interface_count, kMaxInterfaces); ++i) {
      const InterfaceEntry& e = r.interfaces[i];
      if (!e.ip_address.empty() && untyped(e.ip_address))
        traits.untyped.push_back(router + e.name + " address " + e.ip_address);
    }
  }
  return traits;
}

std::vector<std::vector<Hint>> integrity_hints(const std::vector<LabTraits>& labs,
                                               const std::vector<std::string>& names,
                                               const ExpectedTopology* expected) {
  std::vector<std::vector<Hint>> hints(labs.size());
  std::map<std::string, std::vector<std::size_t>> by_configuration, by_transcript;
  for (std::size_t i = 0; i < labs.size(); ++i) {
    const LabTraits& lab = labs[i];
    if (!lab.opened) continue;
    if (expected) {
      if (const std::string d = shape_differences(lab.topology, expected->shape); !d.empty())
        hints[i].push_back(
            {Hint::Kind::Topology, "topology differs from " + expected->name + ": " + d});
    }
    if (!lab.untyped.empty())
      hints[i].push_back({Hint::Kind::Untyped,
                          "configuration not typed: no transcript shows " + listed(lab.untyped)});
    if (!lab.configuration.empty()) by_configuration[lab.configuration].push_back(i);
    if (!lab.transcript.empty()) by_transcript[lab.transcript].push_back(i);
  }
  // One hint per hand-in names every other alike in either way; alike in both ways, once.
  std::vector<std::vector<std::size_t>> same_configuration(labs.size()),
      same_transcript(labs.size());
  for (const auto& [configuration, same] : by_configuration)
    if (same.size() > 1)
      for (std::size_t i : same) same_configuration[i] = same;
  for (const auto& [transcript, same] : by_transcript)
    if (same.size() > 1)
      for (std::size_t i : same) same_transcript[i] = same;
  for (std::size_t i = 0; i < labs.size(); ++i) {
    const auto& config = same_configuration[i];
    const auto& typed = same_transcript[i];
    std::string text;
    if (!config.empty() && config == typed) {
      text = "same configuration and transcript as " + others_named(config, i, names);
    } else {
      if (!config.empty()) text = "same configuration as " + others_named(config, i, names);
      if (!typed.empty())
        text += (text.empty() ? "" : "; ") + std::string("same transcript as ") +
                others_named(typed, i, names);
    }
    if (!text.empty()) hints[i].push_back({Hint::Kind::Identical, text});
  }
  return hints;
}

}  // namespace zorva
