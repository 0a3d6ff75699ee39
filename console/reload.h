// Reload: asks whether to keep the configuration, plays the boot text at its pace in simulated
// time while the rest of the network keeps running, and can return the router to factory state.
#pragma once

namespace zorva {

class Router;
struct ConsoleContext;

// Starts the reload of `r`; returns at once, the boot text follows on the scheduler.
void Do_Reload(ConsoleContext& sim, Router& r);

}  // namespace zorva
