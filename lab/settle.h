// Letting an opened lab learn again before it is judged. A lab file keeps configuration, not
// learned state, so an opened lab has no learned routes, neighbours or CDP entries yet. Settling
// runs the simulated clock until what the routers have learned (routing tables, line protocols,
// neighbour tables) has stayed the same for a quiet spell, or a limit is reached.
#pragma once

#include "base/scheduler.h"
#include "simulation/simulation.h"

namespace zorva {

// Learned state unchanged for this long counts as settled: three rounds of routing updates.
inline constexpr SimMillis kSettleQuiet = 30'000;
// A network still changing after this long (a flapping link, a routing loop) is judged as it is.
inline constexpr SimMillis kSettleLimit = 300'000;

// Runs `sim` until it has settled; gives the simulated milliseconds it ran.
SimMillis settle_network(Simulation& sim);

}  // namespace zorva
