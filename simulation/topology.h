// Router creation from a topology file, and the connector table that cables the routers.
#pragma once

#include <string>

namespace zorva {

class Simulation;

// Creates routers 1..numberofrouters of `file`.
void load_topology(Simulation& sim, const std::string& file);

// Creates the next router and its interfaces; past 50 routers shows
// "This version is limited to 50 routers" and creates nothing.
void create_new_router(Simulation& sim, const std::string& file);

// Loads the cabling; entries past 200 are logged and not stored.
void read_connector_ini_info(Simulation& sim, const std::string& file);

// A count from the topology file: the leading number of the text, as a 16-bit value (0 when it
// does not fit).
int read_ini_count(const std::string& section, const std::string& key, const std::string& file);

}  // namespace zorva
