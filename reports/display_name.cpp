// Display names of interfaces in the reports, and the state line built on them.
#include "reports/display_name.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "base/number_text.h"
#include "parser/parsed_command.h"
#include "state/router_record.h"

namespace zorva {

std::string_view type_name_word(InterfaceType type) {
  if (type == InterfaceType::Serial) return "Serial";
  if (type == InterfaceType::Ethernet) return "Ethernet";
  if (type == InterfaceType::Bri) return "Bri";
  if (type == InterfaceType::Loopback) return "Loopback";
  return "";
}

DisplayName DisplayNamer::next(const InterfaceEntry& e) {
  const std::string_view word = type_name_word(e.type);
  // A loopback's number is the one it was created with, not its place among the loopbacks.
  if (e.type == InterfaceType::Loopback) return DisplayName{word, std::atoi(e.number.c_str())};
  int* counter = &other_;
  if (e.type == InterfaceType::Serial) {
    counter = &serial_;
  } else if (e.type == InterfaceType::Ethernet) {
    counter = &ethernet_;
  } else if (e.type == InterfaceType::Bri) {
    counter = &bri_;
  }
  return DisplayName{word, (*counter)++};
}

void append_display_name(std::string& out, DisplayName name) {
  out.append(name.word);
  out.append(std::to_string(name.ordinal));
}

std::string display_name_text(DisplayName name) {
  std::string text;
  append_display_name(text, name);
  return text;
}

void append_state_line(std::string& out, DisplayName name, const InterfaceEntry& e) {
  append_display_name(out, name);
  if (is_set(e.shutdown)) {
    out.append(" is administratively down, line protocol is down");
    return;
  }
  out.append(" is ");
  out.append(text_of(e.status));
  out.append(", line protocol is ");
  out.append(text_of(e.line_protocol));
}

std::string short_interface_name(const std::string& name) {
  const std::size_t digits = name.find_first_of("0123456789");
  if (digits == std::string::npos) return name;
  return name.substr(0, std::min<std::size_t>(2, digits)) + name.substr(digits);
}

std::string interface_named_on_line(const ParsedCommand& pc, int at) {
  std::string name = to_lower(trim(pc.FullWords[static_cast<std::size_t>(at)]));
  if (name.empty()) return name;
  name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  return name + trim(pc.Words[static_cast<std::size_t>(at) + 1]);
}

}  // namespace zorva
