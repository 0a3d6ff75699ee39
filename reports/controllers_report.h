// `show controllers serial N` in real-router behaviour: which end of its cable the interface is
// (DCE or DTE) and the clock rate the DCE end gives the line.
#pragma once

#include <string>

namespace zorva {

struct ConnectorTable;
struct RouterRecord;

// The report for the serial interface numbered `number`, or "" when there is none. The DCE end of
// a cable is its first device (dev1).
std::string build_show_controllers_serial(const RouterRecord& r, const std::string& number,
                                          const ConnectorTable* connectors);

}  // namespace zorva
