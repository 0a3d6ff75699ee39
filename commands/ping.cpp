// The `ping` command: a placeholder until the network engine sends echo requests.
#include "commands/ping.h"

namespace zorva {

void do_ping(CommandContext&, const std::string&) {
  // Filled in with the network engine: ping through the patch panel, one second per echo.
}

}  // namespace zorva
