// hostname, banner motd, line passwords and local users.
#include "commands/device_commands.h"

#include <algorithm>
#include <string>

#include "base/number_text.h"
#include "commands/command_support.h"
#include "parser/command_context.h"
#include "state/mode_tables.h"
#include "state/router_record.h"

namespace zorva {

void hostname_command(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  // A bare "hostname" sets the empty name: the prompt is then the mode's suffix alone.
  r.hostname = is_set(cmd.pc.Negated) ? "Router" : raw_word(cmd.pc, 2);
}

namespace {

// The text after the first `words` words of the trimmed line and the blank after each.
std::string after_words(const std::string& line, int words) {
  const std::string text = trim(line);
  std::size_t at = 0;
  for (int i = 0; i < words && at != std::string::npos; ++i) {
    at = text.find(' ', at);
    if (at != std::string::npos) ++at;
  }
  return at == std::string::npos ? std::string() : text.substr(at);
}

// A real router's banner: the delimiter is the first character after "banner motd"; a banner
// closed on the same line is set at once, otherwise the lines that follow are its text.
void real_router_banner(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  if (is_set(cmd.pc.Negated)) {
    r.banner_motd.clear();
    return;
  }
  const std::string rest = after_words(cmd.pc.Line, 2);
  const std::size_t close = rest.empty() ? std::string::npos : rest.find(rest[0], 1);
  if (close != std::string::npos) {
    r.banner_motd = rest.substr(1, close - 1);
    return;
  }
  r.pending_action = PendingAction::Banner;
  r.prompt.clear();
  r.banner_delimiter = rest.substr(0, 1);
  set_output(r,
             "\r\nEnter TEXT message.  End with the character '" + r.banner_delimiter + "'.\r\n");
}

}  // namespace

void banner_command(CommandContext& cmd) {
  if (full_word(cmd.pc, 2) != "motd") return;
  if (cmd.behaviour == Behaviour::RealRouter) {
    real_router_banner(cmd);
    return;
  }
  RouterRecord& r = cmd.router;
  r.pending_action = PendingAction::Banner;
  r.prompt.clear();
  r.banner_delimiter = word(cmd.pc, 3);
  std::string text = "\r\nEnter the text followed by the '";
  text += r.banner_delimiter.substr(0, 1);
  text += "' to finish\r\n";
  set_output(r, std::move(text));
}

void password_command(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  // Real-router `no password` removes the line's password: the empty word does that below.
  const std::string password = password_argument(cmd, 2);
  switch (r.mode) {
    case kModeConsole:
      r.console_password = password;
      break;
    case kModeVty:
      r.vty_password = password;
      break;
    case kModeAux:
      r.aux_password = password;
      break;
    default:
      break;
  }
}

namespace {

// A real router keeps one entry per name: `username` for a known name changes its password, and
// `no username NAME` removes it.
void real_router_username(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  // Names and passwords keep the case they were typed in (a leading "no" is a raw word too).
  const int shift = is_set(cmd.pc.Negated) ? 1 : 0;
  const std::string& name = raw_word(cmd.pc, 2 + shift);
  const int count = std::clamp<int>(r.username_count, 0, kMaxUsers);
  int found = 0;
  for (int i = 1; i <= count && found == 0; ++i)
    if (r.usernames[i] == name) found = i;
  if (is_set(cmd.pc.Negated)) {
    if (found == 0) return;
    for (int i = found; i < count; ++i) {
      r.usernames[i] = r.usernames[i + 1];
      r.user_passwords[i] = r.user_passwords[i + 1];
      r.user_privileges[i] = r.user_privileges[i + 1];
      r.user_secrets[i] = r.user_secrets[i + 1];
    }
    r.usernames[count].clear();
    r.user_passwords[count].clear();
    r.user_privileges[count] = 0;
    r.user_secrets[count] = kFalse;
    r.username_count = static_cast<Int16>(count - 1);
    return;
  }
  if (found == 0) {
    if (count >= kMaxUsers) return;  // the table holds five names
    found = count + 1;
    r.username_count = static_cast<Int16>(found);
  }
  // After the name: [privilege N] password|secret [0|7] TEXT.
  int at = 3;
  r.user_privileges[found] = 0;
  if (full_word(cmd.pc, at) == "privilege") {
    r.user_privileges[found] = static_cast<Int16>(leading_number(word(cmd.pc, at + 1)));
    at += 2;
  }
  r.usernames[found] = name;
  r.user_secrets[found] = full_word(cmd.pc, at) == "secret" ? kTrue : kFalse;
  r.user_passwords[found] = typed_password(cmd, at + 1);
}

}  // namespace

void username_command(CommandContext& cmd) {
  if (cmd.behaviour == Behaviour::RealRouter) {
    real_router_username(cmd);
    return;
  }
  RouterRecord& r = cmd.router;
  if (r.username_count < 0) r.username_count = 0;
  if (r.username_count < kMaxUsers) ++r.username_count;
  const int i = r.username_count;
  r.usernames[i] = word(cmd.pc, 2);
  r.user_passwords[i] = word(cmd.pc, 4);
}

}  // namespace zorva
