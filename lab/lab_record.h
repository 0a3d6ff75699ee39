// One router of a lab file: every field a user configures or saves, written to JSON and read
// back onto a router fresh from its topology. Learned state (neighbours, learned routes, ARP and
// CDP tables) is left out and learned again; the line state of each interface is kept, so that a
// reopened lab shows the same running configuration at once.
#pragma once

#include <nlohmann/json.hpp>

#include "lab/json_reader.h"
#include "router/router.h"

namespace zorva {

class ErrorLog;

nlohmann::ordered_json router_to_json(const Router& r, bool with_transcript);

// Sets the fields `in` holds on `r`, a router just created from the topology. A field of the
// wrong type, a value out of range or a list longer than the router holds throws LabFormatError.
void router_from_json(const JsonIn& in, Router& r, ErrorLog& log);

}  // namespace zorva
