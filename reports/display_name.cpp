// Display names of interfaces in the reports, and the state line built on them.
#include "reports/display_name.h"

#include "state/router_record.h"

namespace zorva {

std::string_view type_name_word(std::string_view type) {
  if (type == "SERIAL") return "Serial";
  if (type == "ETHERNET") return "Ethernet";
  if (type == "BRI") return "Bri";
  return "";
}

DisplayName DisplayNamer::next(const InterfaceEntry& e) {
  const std::string_view word = type_name_word(e.type);
  int* counter = &other_;
  if (e.type == "SERIAL") {
    counter = &serial_;
  } else if (e.type == "ETHERNET") {
    counter = &ethernet_;
  } else if (e.type == "BRI") {
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
  out.append(e.status);
  out.append(", line protocol is ");
  out.append(e.line_protocol);
}

}  // namespace zorva
