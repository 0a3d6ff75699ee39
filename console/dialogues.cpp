#include "console/dialogues.h"

#include "console/console_context.h"
#include "router/output.h"
#include "router/router.h"
#include "state/console_login.h"
#include "state/mode_tables.h"

namespace zorva {

namespace {

// The secret is stored with every character code raised by one; this undoes it.
std::string unshifted(const std::string& secret) {
  std::string s = secret;
  for (char& c : s) c = static_cast<char>(static_cast<unsigned char>(c) - 1);
  return s;
}

// The console line asks for its password at login when `login` is set and it has one.
bool console_login_asked(const RouterRecord& rec) {
  const LineSettings& console = rec.line_settings[static_cast<std::size_t>(TerminalLine::Console)];
  return is_set(console.login) && !rec.console_password.empty();
}

// RETURN after a real router's session ended: the banner, then the console line's password, or
// straight to user mode.
void start_login(ConsoleContext& sim, Router& r) {
  RouterRecord& rec = r.record;
  output_text(r, "\r\n");
  if (!rec.banner_motd.empty()) output_text(r, "\r\n" + rec.banner_motd + "\r\n");
  if (console_login_asked(rec)) {
    output_text(r, "\r\nUser Access Verification\r\n");
    rec.password_tries = 1;
    rec.password_state = kLoginPasswordAsked;
    r.console.banner_text.clear();
    r.console.set_input("Password:");
    return;
  }
  rec.password_state = kNoPasswordAsked;
  enter_mode(rec, sim.modes, kModeUser);
  show_prompt(r);
}

// One key of the console line's login: three tries, then the session ends again.
void login_password_key(ConsoleContext& sim, Router& r, int key) {
  RouterRecord& rec = r.record;
  std::string& typed = r.console.banner_text;
  if (key != 13) {
    typed += static_cast<char>(key);
    return;
  }
  output_text(r, "\r\nPassword:");
  const bool right = typed == rec.console_password;
  typed.clear();
  if (right) {
    rec.password_state = kNoPasswordAsked;
    enter_mode(rec, sim.modes, kModeUser);
    show_prompt(r);
  } else if (++rec.password_tries > 3) {
    rec.password_state = kSessionEnded;
    output_text(r, "\r\n% Bad passwords\r\n\r\n\r\n\r\nPress RETURN to get started.\r\n");
    r.console.set_input("");
  } else {
    r.console.set_input("Password:");
  }
}

bool password_is_right(const RouterRecord& rec, const std::string& typed) {
  if (!rec.enable_secret.empty()) return unshifted(rec.enable_secret) == typed;
  if (!rec.enable_password.empty()) return rec.enable_password == typed;
  return false;
}

}  // namespace

// The answer to erase startup-config's "[confirm]": RETURN or y erases, anything else keeps it.
void erase_confirm_key(Router& r, int key) {
  RouterRecord& rec = r.record;
  rec.password_state = kNoPasswordAsked;
  if (key == 13 || key == 'y' || key == 'Y') {
    rec.startup_config.clear();
    output_text(r, "\r\n[OK]\r\nErase of nvram: complete\r\n");
  } else {
    output_text(r, "\r\n");
  }
  show_prompt(r);
}

void password_handle(ConsoleContext& sim, Router& r, int key) {
  RouterRecord& rec = r.record;
  if (rec.password_state == kEraseConfirmAsked) {
    erase_confirm_key(r, key);
    return;
  }
  if (rec.password_state == kSessionEnded) {
    if (key == 13) start_login(sim, r);
    return;
  }
  if (rec.password_state == kLoginPasswordAsked) {
    login_password_key(sim, r, key);
    return;
  }
  std::string& typed = r.console.banner_text;  // the same window text serves both dialogues
  if (rec.password_tries == 0) {
    typed.clear();
    rec.password_tries = 1;
  }
  if (key != 13) {
    typed += static_cast<char>(key);
    return;
  }
  output_text(r, "\r\nPassword:");
  if (password_is_right(rec, typed)) {
    enter_mode(r.record, sim.modes, kModePrivileged);
    rec.password_state = kNoPasswordAsked;
    show_prompt(r);
  } else {
    rec.password_tries += 1;
    if (rec.password_tries > 3) {
      enter_mode(r.record, sim.modes, kModeUser);
      rec.password_state = kNoPasswordAsked;
      output_text(r, "\r\n% Bad secrets");
      show_prompt(r);
    } else {
      r.console.set_input("Password:");
    }
  }
  typed.clear();
}

void Do_Banner(ConsoleContext& sim, Router& r, const std::string& line) {
  RouterRecord& rec = r.record;
  Console& c = r.console;
  c.set_input("");
  // An empty delimiter is found at the start of the line, as a text search for "" is.
  const std::size_t found = rec.banner_delimiter.empty() ? 0 : line.find(rec.banner_delimiter[0]);
  if (found == std::string::npos) {
    c.banner_line.clear();
    return;
  }
  // The delimiter, the rest of its line and the line break the key handler added.
  const std::size_t cut = line.size() - found + 2;
  c.banner_text.resize(c.banner_text.size() > cut ? c.banner_text.size() - cut : 0);
  rec.banner_motd = c.banner_text;
  enter_mode(r.record, sim.modes, kModeGlobal);
  show_prompt(r);
  rec.pending_action = PendingAction::None;
  rec.output_buffer.clear();
  c.banner_text.clear();
  c.banner_line.clear();
}

}  // namespace zorva
