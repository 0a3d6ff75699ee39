// Check files: what a teacher expects of a finished lab, one check a line, read like a lab sheet.
//
//   # Lab 1: names, addresses and a working serial link
//   router 1 running-config has "hostname Alpha"
//   router 1 interface Serial0 line protocol up
//   wait 30
//   router 1 can ping 10.1.1.2
//   router 2 route 192.168.1.0/24 code R via 10.1.1.1   # learned from router 1
//   router 1 running-config has exactly "hostname Alpha"
//   router 1 enable secret is "class"
//
// Files come from any editor: a UTF-8 byte-order mark, CR, CR LF and LF line ends are all read.
// Blank lines and comments (from a # outside a text to the end of the line) are skipped. A line
// that cannot be read is an error that names its line number, and so is a file without a single
// check; the whole file is refused then, so no lab is graded on half a sheet.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <regex>
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
    ConfigHas,       // router N running-config|startup-config has [exactly] "LINE"
    ConfigLacks,     // router N running-config|startup-config lacks [exactly] "LINE"
    ConfigMatches,   // router N running-config|startup-config matches /REGEX/
    ShowContains,    // router N show "COMMAND" contains "TEXT"
    ShowLacks,       // router N show "COMMAND" lacks "TEXT"
    ShowMatches,     // router N show "COMMAND" matches /REGEX/
    EnableSecret,    // router N enable secret is "TEXT"
  };
  Kind kind = Kind::Wait;
  int line_number = 0;
  std::string text;  // the line as written, without its comment; a secret shows as "*****"
  int router = 0;
  long long millis = 0;   // Wait: simulated milliseconds
  std::string address;    // Ping, NoPing: the target; Route, NoRoute: the network
  int prefix_length = 0;  // Route, NoRoute
  char code = 0;          // Route: the route code wanted, 0 for any
  std::string via;        // Route: the next hop wanted, "" for any
  std::string interface;  // LineProtocol, InterfaceState
  std::string state;      // "up", "down" or "administratively down"
  bool startup = false;   // ConfigHas, ConfigLacks: the saved configuration
  std::string command;    // ShowContains, ShowLacks
  std::string wanted;     // ConfigHas/Lacks, ShowContains/Lacks; EnableSecret: the plain text
  bool exact = false;     // ConfigHas, ConfigLacks: case counts
  std::string pattern;    // ConfigMatches, ShowMatches: the regular expression as written
  std::shared_ptr<const std::regex> regex;  // the same, compiled once for every lab

  // The check looks at learned state (routes, pings, neighbours, line protocol, reports), which
  // an opened lab must learn again before it is judged.
  bool needs_network() const;
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
