// The Topology page of the Lab Navigator for the loaded topology: a table of its routers, their
// interfaces and what each is cabled to, with links that bring the consoles forward. It takes the
// place of the shipped page, which describes the default topology only. Each face adds its own
// picture of the network and its own words for where the live diagram is.
#pragma once

#include <string>

namespace zorva {

class Simulation;

struct TopologyPageFace {
  std::string picture_html;  // put under the heading when there are routers; "" for none
  std::string diagram_hint;  // how this face opens the live diagram, e.g. "View, Network Diagram"
};

// The page's HTML, in the bytes of the core's text (interface names and the file name as the
// topology spells them).
std::string topology_page_html(const Simulation& sim, const TopologyPageFace& face);

}  // namespace zorva
