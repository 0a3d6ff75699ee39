#include "console/reload.h"

#include <string>

#include "base/host.h"
#include "base/scheduler.h"
#include "commands/factory_defaults.h"
#include "console/console_context.h"
#include "reports/reports.h"
#include "router/output.h"
#include "router/router.h"
#include "state/console_login.h"
#include "state/mode_tables.h"

namespace zorva {

namespace {

std::string breaks(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += "\r\n";
  return s;
}

Task boot_sequence(ConsoleContext& sim, Router& r, bool keep_configuration) {
  auto seconds = [&sim](int n) { return sim.scheduler.wait(n * 1000); };
  if (keep_configuration) {
    output_text(r, "\r\nBuilding configuration...");
    co_await seconds(7);
    output_text(r, "\r\n[OK]");
    co_await seconds(2);
  }
  output_text(r, breaks(4) +
                     "System Bootstrap, Version 5.3.2(9) [roviro 9], RELEASE SOFTWARE (fc1)" +
                     breaks(1));
  co_await seconds(2);
  output_text(r, breaks(3));
  co_await seconds(8);
  output_text(r, "C2611 processor with 20480 Kbytes of main memory" + breaks(3));
  co_await seconds(4);
  output_text(r, "Self decompressing the image : ####");
  co_await seconds(1);
  for (int i = 0; i < 12; ++i) {
    output_text(r, "###");
    co_await seconds(1);
  }
  output_text(r, " [OK]" + breaks(3) + "Kolvo Operating System Software\r\n" +
                     "OS (tm) 2611 Software (C2600-js-mz-113-m-9), Version 12.0(16), RELEASE "
                     "SOFTWARE (fc2)\r\n\r\n" +
                     "Compiled Fri 02-Mar-01 17:34 by kperl\r\n" +
                     "Image text-base: 0x02004000, data-base: 0x0254CD5C" + breaks(7));
  co_await seconds(2);
  output_text(r,
              "Kolvo 2611 (68360) processor (revision @) with 20480K/512K bytes of memory.\r\n"
              "Processor board ID 05212285\r\n"
              "Bridging software.\r\n");
  co_await seconds(1);
  if (!keep_configuration) Initialize_Router_to_Defaults(r.record);
  co_await seconds(4);
  output_text(r, "X.25 software, Version 3.0.0." + breaks(4) + interface_summary(r.record) +
                     "7K bytes of non-volatile configuration memory.\r\n"
                     "8192K bytes of processor board PCMCIA flash (Read/Write)" +
                     breaks(5));
  co_await seconds(2);
  r.record.mode = kModeUser;
  if (sim.behaviour == Behaviour::RealRouter) {
    // A real router's console waits for RETURN after booting, then shows the banner and asks the
    // console line's password, as after a session that ended.
    output_text(r, "\r\nPress RETURN to get started!\r\n");
    r.record.password_tries = 0;
    r.record.password_state = kSessionEnded;
    r.console.set_input("");
  } else {
    show_prompt(r);
  }
  r.record.pending_action = PendingAction::None;
  r.reloading = false;
}

}  // namespace

void Do_Reload(ConsoleContext& sim, Router& r) {
  if (r.reloading) return;
  r.console.set_input("");
  sim.host.ask("Reload the Router", "Would you like to save changes to your configuration?",
               Buttons::YesNoCancel, [&sim, &r](Answer a) {
                 if (a == Answer::Cancel || a == Answer::Ok) {
                   r.record.pending_action = PendingAction::None;
                   return;
                 }
                 r.reloading = true;
                 boot_sequence(sim, r, a == Answer::Yes);
               });
}

}  // namespace zorva
