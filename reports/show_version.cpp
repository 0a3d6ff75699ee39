// The version report: the database template with uptime, host name and interface summary filled
// in, followed by the configuration register.
#include <algorithm>

#include "base/number_text.h"
#include "parser/command_context.h"
#include "reports/report_text.h"
#include "reports/reports.h"
#include "reports/show_commands.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr long long kDay = 86400;
constexpr long long kHour = 3600;
constexpr long long kMinute = 60;

// Replaces every occurrence of `placeholder` in `text`, left to right, without rescanning what
// was put in.
void replace_all(std::string& text, std::string_view placeholder, std::string_view value) {
  std::string result;
  std::size_t from = 0;
  std::size_t at = text.find(placeholder);
  if (at == std::string::npos) return;
  result.reserve(text.size() + value.size());
  while (at != std::string::npos) {
    result.append(text, from, at - from);
    result.append(value);
    from = at + placeholder.size();
    at = text.find(placeholder, from);
  }
  result.append(text, from, std::string::npos);
  text = std::move(result);
}

}  // namespace

std::string uptime_text(long long t) {
  std::string text;
  if (t >= kDay) text += t < 2 * kDay ? "1 day, " : number_with_blank(t / kDay) + " days, ";
  const long long h = t % kDay;
  if (h >= kHour) text += h < 2 * kHour ? "1 hour, " : number_with_blank(h / kHour) + " hours, ";
  const long long m = h % kHour;
  if (m >= 2 * kMinute) {
    text += number_with_blank(m / kMinute) + " minutes";
  } else if (m >= kMinute) {
    text += "1 minute";
  } else {
    text += "0 minutes";
  }
  return text;
}

std::string interface_summary(const RouterRecord& r) {
  int ethernet = 0, serial = 0, bri = 0;
  const int count = std::clamp<int>(r.interface_count, 0, kMaxInterfaces);
  for (int i = 1; i <= count; ++i) {
    const InterfaceType type = r.interfaces[i].type;
    if (type == InterfaceType::Ethernet) {
      ++ethernet;
    } else if (type == InterfaceType::Serial) {
      ++serial;
    } else if (type == InterfaceType::Bri) {
      ++bri;
    }
  }
  std::string text;
  if (ethernet > 0) add_line(text, plain_number(ethernet), " Ethernet/IEEE 802.3 interface(s)");
  if (serial > 0) add_line(text, plain_number(serial), " Serial network interface(s)");
  if (bri > 0) text += plain_number(bri) + " ISDN Basic Rate interface(s)";
  return text;
}

std::string build_show_version(const RouterRecord& r, std::string_view template_text,
                               long long uptime_seconds) {
  std::string filled(template_text);
  replace_all(filled, "TTTTTT", uptime_text(uptime_seconds));
  replace_all(filled, "HHHHHH", r.hostname);
  replace_all(filled, "XXXXXX", interface_summary(r));
  std::string out;
  out.reserve(filled.size() + 64);
  out.append(kLineEnd);
  add_line(out, filled);
  out.append(kLineEnd);
  add_line(out, "Configuration register is ", r.config_register);
  return out;
}

void show_version_command(CommandContext& cmd) {
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer = build_show_version(cmd.router, cmd.pc.TopText, cmd.sim_clock);
}

}  // namespace zorva
