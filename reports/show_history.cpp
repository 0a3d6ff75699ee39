// The history report: the newest EXEC lines, at most as many as the history size.
#include "base/error_log.h"
#include "parser/command_context.h"
#include "reports/reports.h"
#include "reports/show_commands.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr std::string_view kLogName = "build show history()";

// Appends an empty line and the history line at `i`, or logs an index outside the history.
void append_history_line(std::string& out, const HistoryBlock& h, int i, ErrorLog& log) {
  if (i < 0 || i > kHistorySlots) {
    log.log(kLogName, RuntimeError::SubscriptOutOfRange);
    return;
  }
  out.append("\r\n  ");
  out.append(h.exec_lines[i]);
}

}  // namespace

std::string build_show_history(const ConsoleSession& r, ErrorLog& log) {
  const HistoryBlock& h = r.history;
  const int n = h.exec_count;
  const int s = h.exec_size;
  std::string out;
  if (n < s) {
    for (int i = 1; i <= n; ++i) append_history_line(out, h, i, log);
  } else {
    out.append("\r\n");
    for (int i = n - s + 1; i <= n; ++i) append_history_line(out, h, i, log);
  }
  return out;
}

void show_history_command(CommandContext& cmd) {
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer = build_show_history(cmd.router, cmd.log);
}

}  // namespace zorva
