// The consoles as a student left them, for the recovery copy: each console's mode with the
// interface it configures and the input line it shows, the line being typed and the console the
// keys go to. A normal saved lab leaves this out: its consoles open as a fresh start shows them.
#pragma once

#include <nlohmann/json.hpp>

#include "lab/json_reader.h"
#include "simulation/simulation.h"

namespace zorva {

// The lab file field that holds them.
inline constexpr const char* kConsolesField = "consoles";

nlohmann::ordered_json consoles_to_json(const Simulation& sim);

// Puts the consoles of `in` (the field's object) back into `sim`, whose routers are loaded.
void consoles_from_json(const JsonIn& in, Simulation& sim);

}  // namespace zorva
