// Router creation from a topology file, and the connector table that cables the routers.
#pragma once

#include <string>

namespace zorva {

class ErrorLog;
class IniFile;
class Simulation;

// Creates routers 1..numberofrouters of the file.
void load_topology(Simulation& sim, const IniFile& file);

// Creates the next router and its interfaces; past 50 routers shows
// "This version is limited to 50 routers" and creates nothing.
void create_new_router(Simulation& sim, const IniFile& file);

// Loads the cabling; entries past 200 are logged and not stored.
void read_connector_ini_info(Simulation& sim, const IniFile& file);

// A count from the topology file: the leading number of the text as a 16-bit value. A number too
// large for 16 bits reads as 0 and is logged as an overflow under `procedure`.
int read_ini_count(const IniFile& file, const std::string& section, const std::string& key,
                   ErrorLog& log, const char* procedure);

// Why the file gave no routers, as one sentence for the user; "" when it gave some.
std::string why_no_routers(const Simulation& sim, const IniFile& file);

}  // namespace zorva
