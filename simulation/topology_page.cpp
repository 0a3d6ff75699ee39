#include "simulation/topology_page.h"

#include <filesystem>

#include "base/html_text.h"
#include "simulation/simulation.h"

namespace zorva {

namespace {

std::string joined(const std::vector<std::string>& items, std::string_view separator) {
  std::string out;
  for (const std::string& item : items) {
    if (!out.empty()) out += separator;
    out += item;
  }
  return out;
}

// One row of the table: the router with its console link and F-key, its interfaces, its cables.
std::string router_row(const Simulation& sim, int n) {
  const RouterRecord& rec = sim.routers[static_cast<std::size_t>(n)]->record;
  std::vector<std::string> names;
  std::vector<std::string> cabled;
  for (int i = 1; i <= rec.interface_count; ++i) {
    const InterfaceEntry& e = rec.interfaces[static_cast<std::size_t>(i)];
    names.push_back(e.name);
    const CableEnd& far = sim.network.far_end(n, i);
    if (!far.resolved() || far.router < 1 || far.router > sim.router_count) continue;
    const RouterRecord& other = sim.routers[static_cast<std::size_t>(far.router)]->record;
    cabled.push_back(e.name + " to Router " + std::to_string(far.router) + " " +
                     other.interfaces[static_cast<std::size_t>(far.interface)].name);
  }
  const std::string number = std::to_string(n);
  const std::string key = n <= 12 ? " (<span class=\"key\">F" + number + "</span>)" : "";
  return "<tr><td><a href=\"router:" + number + "\">Router " + number + "</a>" + key + "</td><td>" +
         joined(names, ", ") + "</td><td>" +
         (cabled.empty() ? std::string("-") : joined(cabled, "; ")) + "</td></tr>";
}

}  // namespace

std::string topology_page_html(const Simulation& sim, const TopologyPageFace& face) {
  const std::string file = std::filesystem::path(sim.topology_file).filename().string();
  std::string h =
      "<html><head><title>Topology</title><link rel=\"stylesheet\" type=\"text/css\" "
      "href=\"labs.css\"/></head><body>"
      "<table width=\"100%\" cellpadding=\"8\" cellspacing=\"0\" bgcolor=\"#1d3357\"><tr><td>"
      "<font color=\"#ffffff\" size=\"+2\"><b>Topology</b></font><br/><font color=\"#c9d6ea\">"
      "The routers and cables of the loaded lab</font></td><td align=\"right\"><font "
      "color=\"#c9d6ea\">Kolvo Router Simulator<br/>Lab Navigator</font></td></tr></table>"
      "<p class=\"sub\"><a href=\"ccna_home.htm\">Lab index</a> &nbsp;|&nbsp; <a "
      "href=\"training.htm\">Command reference</a></p>";
  h += "<h2>" + html_escaped(file) + ": " + std::to_string(sim.router_count) + " routers, " +
       std::to_string(sim.connectors.connector_count) + " cables</h2>";
  if (sim.router_count > 0 && !face.picture_html.empty())
    h += "<p align=\"center\">" + face.picture_html + "</p>";
  h += "<p>" + face.diagram_hint +
       " shows the same picture live: each cable end turns green, red or grey as its line "
       "protocol comes up, goes down or is shut down.</p>"
       "<table cellpadding=\"4\" cellspacing=\"0\" border=\"1\"><tr><td bgcolor=\"#e8edf5\"><b>"
       "Router</b></td><td bgcolor=\"#e8edf5\"><b>Interfaces</b></td><td bgcolor=\"#e8edf5\"><b>"
       "Cabled to</b></td></tr>";
  for (int n = 1; n <= sim.router_count; ++n) h += router_row(sim, n);
  h += "</table></body></html>";
  return h;
}

}  // namespace zorva
