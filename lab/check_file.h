// Check files: what a teacher expects of a finished lab, one check a line, read like a lab sheet.
//
//   # Lab 1: names, addresses and a working serial link
//   router 1 running-config has "hostname Alpha"
//   router 1 interface Serial0 line protocol up
//   wait 30
//   router 1 can ping 10.1.1.2
//   router 2 route 192.168.1.0/24 code R via 10.1.1.1
//
// Blank lines and lines starting with # are skipped. A line that cannot be read is an error that
// names its line number; the whole file is refused then, so no lab is graded on half a sheet.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "base/types.h"

namespace zorva {

inline constexpr long long kLongestCheckWait = 3600;  // seconds; a longer wait is refused

struct Check {
  enum class Kind {
    Wait,            // wait SECONDS
    Ping,            // router N can ping ADDRESS
    NoPing,          // router N cannot ping ADDRESS
    Route,           // router N route NETWORK/LENGTH [code C] [via ADDRESS]
    NoRoute,         // router N no route NETWORK/LENGTH
    LineProtocol,    // router N interface NAME line protocol up|down
    InterfaceState,  // router N interface NAME is up|down|administratively down
    ConfigHas,       // router N running-config|startup-config has "LINE"
    ConfigLacks,     // router N running-config|startup-config lacks "LINE"
    ShowContains,    // router N show "COMMAND" contains "TEXT"
    ShowLacks,       // router N show "COMMAND" lacks "TEXT"
  };
  Kind kind = Kind::Wait;
  int line_number = 0;
  std::string text;  // the line as written, without surrounding blanks
  int router = 0;
  long long seconds = 0;  // Wait
  std::string address;    // Ping, NoPing: the target; Route, NoRoute: the network
  int prefix_length = 0;  // Route, NoRoute
  char code = 0;          // Route: the route code wanted, 0 for any
  std::string via;        // Route: the next hop wanted, "" for any
  std::string interface;  // LineProtocol, InterfaceState
  std::string state;      // "up", "down" or "administratively down"
  bool startup = false;   // ConfigHas, ConfigLacks: the saved configuration
  std::string command;    // ShowContains, ShowLacks
  std::string wanted;     // ConfigHas, ConfigLacks, ShowContains, ShowLacks
};

struct CheckFileError {
  int line_number;
  std::string message;
};

// Reads a check file; the first line that cannot be read gives the error.
std::optional<CheckFileError> parse_checks(std::istream& in, std::vector<Check>& checks);

// The checks of `file`; an unreadable file is an error on line 0.
std::optional<CheckFileError> read_check_file(const std::string& file, std::vector<Check>& checks);

}  // namespace zorva
