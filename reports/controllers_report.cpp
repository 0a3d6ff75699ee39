#include "reports/controllers_report.h"

#include <algorithm>

#include "base/number_text.h"
#include "parser/command_context.h"
#include "reports/show_commands.h"
#include "state/connector_table.h"
#include "state/router_record.h"

namespace zorva {
namespace {

enum class CableEnd { None, Dce, Dte };

// Which end of a cable the interface `name` of router `r` is.
CableEnd end_of(const RouterRecord& r, const std::string& name, const ConnectorTable* connectors) {
  if (connectors == nullptr) return CableEnd::None;
  const std::string router = to_lower("Router" + std::to_string(r.router_number));
  const std::string interface = to_lower(name);
  for (int i = 1; i <= connectors->stored(); ++i) {
    const ConnectorEntry& c = connectors->entries[static_cast<std::size_t>(i)];
    // A provider-clocked line makes both routers DTEs; otherwise dev1 is the DCE unless the
    // connector says dce=dev2.
    const bool first = to_lower(c.dev1name) == router && to_lower(c.dev1interface) == interface;
    const bool second = to_lower(c.dev2name) == router && to_lower(c.dev2interface) == interface;
    if (!first && !second) continue;
    if (c.clocked) return CableEnd::Dte;
    return first != c.dce_is_dev2 ? CableEnd::Dce : CableEnd::Dte;
  }
  return CableEnd::None;
}

}  // namespace

std::string build_show_controllers_serial(const RouterRecord& r, const std::string& number,
                                          const ConnectorTable* connectors) {
  const int count = std::clamp<int>(r.interface_count, 0, kMaxInterfaces);
  for (int i = 1; i <= count; ++i) {
    const InterfaceEntry& e = r.interfaces[static_cast<std::size_t>(i)];
    if (e.type != InterfaceType::Serial || e.number != number) continue;
    std::string out = "\r\nInterface " + e.name + "\r\nHardware is PowerQUICC MPC860\r\n";
    switch (end_of(r, e.name, connectors)) {
      case CableEnd::Dce:
        out += e.clock_rate > 0 ? "DCE V.35, clock rate " + std::to_string(e.clock_rate)
                                : std::string("DCE V.35, no clock");
        break;
      case CableEnd::Dte:
        // Up with its line protocol down: the DCE end gives the line no clock.
        out += e.status == LinkState::Up && e.line_protocol == LinkState::Down
                   ? "DTE V.35 clocks stopped."
                   : "DTE V.35 TX and RX clocks detected.";
        break;
      case CableEnd::None:
        out += "No serial cable attached";
        break;
    }
    return out + "\r\n";
  }
  return "";
}

void show_controllers_serial_command(CommandContext& cmd) {
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer =
      build_show_controllers_serial(cmd.router, cmd.pc.Words[4], cmd.connectors);
  if (cmd.router.output_buffer.empty())
    cmd.router.output_buffer = "\r\n% Invalid interface type and number\r\n";
}

}  // namespace zorva
