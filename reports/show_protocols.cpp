// The protocols report: every interface with its state and, when it has one, its address.
#include <algorithm>

#include "base/number_text.h"
#include "parser/command_context.h"
#include "reports/display_name.h"
#include "reports/report_text.h"
#include "reports/reports.h"
#include "reports/show_commands.h"
#include "state/router_record.h"

namespace zorva {

std::string build_show_protocols(const RouterRecord& r) {
  const int count = std::clamp<int>(r.interface_count, 0, kMaxInterfaces);
  std::string out;
  out.reserve(96 + 96 * static_cast<std::size_t>(count));
  out.append(kLineEnd);
  add_line(out, "Global values:");
  add_line(out, "   Internet Protocol routing is enabled");
  DisplayNamer namer;
  for (int i = 1; i <= count; ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    append_state_line(out, namer.next(e), e);
    out.append(kLineEnd);
    if (!e.ip_address.empty())
      add_line(out, "  Internet address is ", e.ip_address, "/", plain_number(e.prefix_length));
  }
  return out;
}

void show_protocols_command(CommandContext& cmd) {
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer = build_show_protocols(cmd.router);
}

}  // namespace zorva
