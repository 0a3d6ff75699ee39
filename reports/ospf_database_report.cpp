#include "reports/ospf_database_report.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "reports/column_text.h"
#include "reports/report_text.h"
#include "state/ipv4.h"

namespace zorva {

namespace {

constexpr std::size_t kIdWidth = 16;   // "Link ID" and "ADV Router" columns
constexpr std::size_t kAgeWidth = 12;  // "Age"

std::string hex(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}

}  // namespace

// A checksum of the advertisement's contents, stable from one report to the next: a real
// router's changes whenever the sequence number does.
unsigned link_state_checksum(const LinkStateLine& l, char type) {
  unsigned h = 2166136261u;
  const auto mix = [&h](std::string_view s) {
    for (char c : s) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  };
  mix(l.link_id);
  mix(l.advertising_router);
  mix(std::string(1, type) + std::to_string(l.sequence) + std::to_string(l.link_count));
  return (h ^ (h >> 16)) & 0xFFFF;
}

namespace {

void append_section(std::string& out, const std::string& title, std::vector<LinkStateLine> lines,
                    char type, const char* last_column) {
  if (lines.empty()) return;
  std::sort(lines.begin(), lines.end(), [](const LinkStateLine& a, const LinkStateLine& b) {
    const Ipv4 x = parse_dotted(a.link_id).value_or(0);
    const Ipv4 y = parse_dotted(b.link_id).value_or(0);
    return x != y ? x < y
                  : parse_dotted(a.advertising_router).value_or(0) <
                        parse_dotted(b.advertising_router).value_or(0);
  });
  out.append(kLineEnd);
  add_line(out, "                ", title);
  out.append(kLineEnd);
  add_line(out, "Link ID         ADV Router      Age         Seq#       Checksum", last_column);
  for (const LinkStateLine& l : lines) {
    append_padded(out, l.link_id, kIdWidth);
    append_padded(out, l.advertising_router, kIdWidth);
    append_padded(out, std::to_string(l.age), kAgeWidth);
    out.append(hex(0x80000001u + static_cast<unsigned>(l.sequence), 8)).append(" ");
    out.append(hex(link_state_checksum(l, type), 6));
    if (type == '1' || type == '5') out.append(" ").append(std::to_string(l.link_count));
    out.append(kLineEnd);
  }
}

}  // namespace

std::string build_real_show_ospf_database(const OspfDatabaseView& view) {
  if (view.router_id.empty()) return "";
  std::string out(kLineEnd);
  out.append(kLineEnd);
  add_line(out, "            OSPF Router with ID (", view.router_id, ") (Process ID ",
           std::to_string(view.process), ")");
  for (const AreaLinkStates& a : view.areas) {
    const std::string area = std::to_string(a.area);
    append_section(out, "Router Link States (Area " + area + ")", a.routers, '1', " Link count");
    append_section(out, "Net Link States (Area " + area + ")", a.networks, '2', "");
    append_section(out, "Summary Net Link States (Area " + area + ")", a.summaries, '3', "");
  }
  append_section(out, "Type-5 AS External Link States", view.externals, '5', " Tag");
  return out;
}

}  // namespace zorva
