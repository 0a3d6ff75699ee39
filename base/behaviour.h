// Which of the two behaviours a lab runs: `classic`, the simulator as it has always behaved (the
// default, pinned by every expected transcript), or `real-router`, where routing, convergence,
// the command line and the configuration follow what real routers do. Chosen once per lab and
// carried by its simulation; code that behaves differently asks the simulation at that one point.
#pragma once

#include <optional>
#include <string_view>

namespace zorva {

enum class Behaviour : unsigned char {
  Classic,     // the default: everything exactly as it has always been
  RealRouter,  // routes, converges, completes and reports as real routers do
};

// "classic" or "real-router": the name lab files, the command line and scripts use.
std::string_view behaviour_name(Behaviour b);

// The behaviour of a name as behaviour_name() writes it; nothing for any other text.
std::optional<Behaviour> behaviour_named(std::string_view name);

}  // namespace zorva
