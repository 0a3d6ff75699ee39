#include "commands/exec_cmd.h"

#include "parser/command_context.h"

namespace zorva {

void exec_cmd(CommandContext& cmd) {
  if (cmd.pc.handler) cmd.pc.handler(cmd);
}

}  // namespace zorva
