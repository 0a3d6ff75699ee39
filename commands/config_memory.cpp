// copy, write and erase: the saved configuration and printing the running one.
#include "commands/config_memory.h"

#include "commands/command_support.h"
#include "parser/command_context.h"
#include "reports/real_router_config.h"
#include "reports/reports.h"
#include "state/console_login.h"
#include "state/router_record.h"

namespace zorva {

namespace {

void save_running_config(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  r.startup_config = cmd.behaviour == Behaviour::RealRouter ? build_real_router_config(r)
                                                            : build_running_config(r);
}

// Real routers say that they saved: after the question of `copy` is answered (see the console),
// and at once for `write`.
constexpr const char* kSaved = "\r\nBuilding configuration...\r\n[OK]";

}  // namespace

void copy_command(CommandContext& cmd) {
  if (full_word(cmd.pc, 2) != "running-config" || full_word(cmd.pc, 3) != "startup-config") return;
  if (cmd.behaviour == Behaviour::RealRouter)
    cmd.router.pending_action = PendingAction::SaveQuestion;  // the console asks, then saves
  else
    save_running_config(cmd);
}

void write_command(CommandContext& cmd) {
  const std::string second = full_word(cmd.pc, 2);
  RouterRecord& r = cmd.router;
  if (second == "terminal") {
    set_output(r, cmd.behaviour == Behaviour::RealRouter ? show_real_router_running_config(r)
                                                         : build_running_config(r));
  } else if (second == "memory" || second.empty()) {
    save_running_config(cmd);
    if (cmd.behaviour == Behaviour::RealRouter) set_output(r, kSaved);
  }
}

// `erase startup-config`: at once in classic; a real router asks first, and the console erases
// when the answer confirms it.
void erase_command(CommandContext& cmd) {
  if (full_word(cmd.pc, 2) != "startup-config") return;
  if (cmd.behaviour != Behaviour::RealRouter) {
    cmd.router.startup_config.clear();
    return;
  }
  cmd.router.password_state = kEraseConfirmAsked;
  set_output(cmd.router,
             "\r\nErasing the nvram filesystem will remove all configuration files! Continue? "
             "[confirm]");
}

}  // namespace zorva
