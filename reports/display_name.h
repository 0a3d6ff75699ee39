// The name reports give an interface: its type word followed by its ordinal among the interfaces
// of the same type, counted afresh in table order by each report (Serial0, Serial1, Ethernet0,
// Bri0, ...). The stored name and number of the interface are not used.
#pragma once

#include <string>
#include <string_view>

#include "state/record_enums.h"

namespace zorva {

struct InterfaceEntry;
struct ParsedCommand;

// "Serial", "Ethernet", "Bri" or "Loopback" for those types; "" otherwise.
std::string_view type_name_word(InterfaceType type);

struct DisplayName {
  std::string_view word;  // type name word
  int ordinal = 0;        // 0 for the first interface of its type
};

// Hands out display names while a report visits the interfaces in table order.
class DisplayNamer {
 public:
  DisplayName next(const InterfaceEntry& e);

 private:
  int serial_ = 0;    // serial interfaces named so far
  int ethernet_ = 0;  // Ethernet interfaces named so far
  int bri_ = 0;       // BRI interfaces named so far
  int other_ = 0;     // interfaces of any other type named so far
};

void append_display_name(std::string& out, DisplayName name);
std::string display_name_text(DisplayName name);

// "Se0", "Et1", "Lo0": an interface name as the EIGRP and OSPF brief tables shorten it.
std::string short_interface_name(const std::string& name);

// The interface a command line names by its type keyword at word `at` and its number after it
// ("Serial0" from `show ip interface serial 0`), or "" when the line names none.
std::string interface_named_on_line(const ParsedCommand& pc, int at);

// The display name and the state phrase, without a line end: "Serial0 is up, line protocol is
// down", or "... is administratively down, line protocol is down" for a shut-down interface.
void append_state_line(std::string& out, DisplayName name, const InterfaceEntry& e);

}  // namespace zorva
