// The IP view of the interfaces, in full and as the brief table.
#include "reports/ip_interface_reports.h"

#include <algorithm>

#include "base/number_text.h"
#include "reports/column_text.h"
#include "reports/display_name.h"
#include "reports/report_text.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr std::string_view kBriefHeader =
    "Interface              IP-Address      OK? Method Status                Protocol";

constexpr std::size_t kNameBlanks = 15;    // blanks after the name and its type filler
constexpr std::size_t kAddressWidth = 17;  // the address field
constexpr std::size_t kStatusBlanks = 18;  // blanks after the status ("up" gets 2 more)

// Blanks after the display name so that one-digit names all fill 9 characters.
std::size_t name_filler(InterfaceType type) {
  if (type == InterfaceType::Serial) return 2;
  if (type == InterfaceType::Bri) return 5;
  return 0;
}

int interfaces_in_use(const RouterRecord& r) {
  return std::clamp<int>(r.interface_count, 0, kMaxInterfaces);
}

void append_brief_row(std::string& out, DisplayName name, const InterfaceEntry& e) {
  append_display_name(out, name);
  out.append(name_filler(e.type) + kNameBlanks, ' ');
  append_padded(out, e.ip_address.empty() ? "unassigned" : e.ip_address, kAddressWidth);
  out.append("YES  NVRAM ");
  if (is_set(e.shutdown)) {
    add_line(out, "administratively down down");
    return;
  }
  out.append(text_of(e.status));
  out.append(kStatusBlanks + (e.status == LinkState::Up ? 2 : 0), ' ');
  add_line(out, text_of(e.line_protocol));
}

}  // namespace

std::string build_real_ip_int_brief(const RouterRecord& r) {
  // Columns as real routers print them: name 27 wide, address 16, then OK?, method (how the
  // address was set; "unset" without one), status 22 wide and the line protocol.
  std::string out(kLineEnd);
  add_line(out,
           "Interface                  IP-Address      OK? Method Status                Protocol");
  DisplayNamer namer;
  for (int i = 1; i <= interfaces_in_use(r); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    const bool shut = is_set(e.shutdown);
    append_padded(out, display_name_text(namer.next(e)), 27);
    append_padded(out, e.ip_address.empty() ? "unassigned" : e.ip_address, 16);
    out.append("YES ");
    append_padded(out, e.ip_address.empty() ? "unset" : "manual", 7);
    append_padded(out, shut ? "administratively down" : text_of(e.status), 22);
    add_line(out, shut ? "down" : text_of(e.line_protocol));
  }
  return out;
}

std::string build_show_ip_int(const RouterRecord& r, std::string_view interface_template,
                              std::string_view only) {
  std::string out(kLineEnd);
  DisplayNamer namer;
  for (int i = 1; i <= interfaces_in_use(r); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    const DisplayName name = namer.next(e);
    if (!only.empty() && to_lower(e.name) != to_lower(std::string(only))) continue;
    append_state_line(out, name, e);
    out.append(kLineEnd);
    if (is_set(e.shutdown)) add_line(out, "  Internet protocol processing disabled");
    if (e.ip_address.empty()) continue;
    add_line(out, "  Internet address is ", e.ip_address, "/", plain_number(e.prefix_length));
    add_line(out, interface_template);
  }
  return out;
}

std::string build_show_ip_int_brief(const RouterRecord& r) {
  std::string out(kLineEnd);
  add_line(out, kBriefHeader);
  DisplayNamer namer;
  for (int i = 1; i <= interfaces_in_use(r); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    append_brief_row(out, namer.next(e), e);
  }
  return out;
}

}  // namespace zorva
