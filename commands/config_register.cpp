// The `config-register` command and the register value check.
#include "commands/config_register.h"

#include "commands/command_support.h"
#include "parser/command_context.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr std::size_t kMaxRegisterText = 10;  // "0x" and eight digits

bool is_lower_hex_digit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

}  // namespace

bool is_register_valid(std::string& text) {
  if (text.size() > kMaxRegisterText) return false;
  if (text.size() < 2 || text[0] != '0' || text[1] != 'x') return false;
  text.erase(0, 2);
  for (char c : text)
    if (!is_lower_hex_digit(c)) return false;
  return true;
}

void config_register_command(CommandContext& cmd) {
  std::string value = word(cmd.pc, 2);
  if (is_register_valid(value)) {
    cmd.router.config_register = "0x" + value;
  } else {
    set_output(cmd.router,
               std::string(kCrLf) + std::string(kInvalidInputText) + std::string(kCrLf));
  }
}

}  // namespace zorva
