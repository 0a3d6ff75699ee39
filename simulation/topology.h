// Router creation from a topology file, and the connector table that cables the routers.
#pragma once

#include <string>

#include "base/types.h"
#include "router/router.h"
#include "state/connector_table.h"

namespace zorva {

class ErrorLog;
class Host;
class IniFile;

// What loading a topology fills in: a simulation's routers and cabling, and the services it uses
// meanwhile. The simulation hands these over, so loading needs nothing else of it.
struct TopologyTarget {
  RouterTable& routers;        // routers 1..router_count
  Int32& router_count;         // how many routers exist
  Int16& number_of_routers;    // kept equal to router_count
  ConnectorTable& connectors;  // the cabling
  ErrorLog& log;               // overflows and refused entries
  Host& host;                  // the 50-router box and the random source of MAC addresses
};

// Creates routers 1..numberofrouters of the file.
void load_topology(const TopologyTarget& sim, const IniFile& file);

// Creates the next router and its interfaces; past 50 routers shows
// "This version is limited to 50 routers" and creates nothing.
void create_new_router(const TopologyTarget& sim, const IniFile& file);

// Loads the cabling; entries past 200 are logged and not stored.
void read_connector_ini_info(const TopologyTarget& sim, const IniFile& file);

// A count from the topology file: the leading number of the text as a 16-bit value. A number too
// large for 16 bits reads as 0 and is logged as an overflow under `procedure`.
int read_ini_count(const IniFile& file, const std::string& section, const std::string& key,
                   ErrorLog& log, const char* procedure);

// Why the file gave no routers, as one sentence for the user; "" when it gave some.
std::string why_no_routers(const TopologyTarget& sim, const IniFile& file);

}  // namespace zorva
