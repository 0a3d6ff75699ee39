// The CLI modes, and the two tables that give each mode its prompt suffix and its name in the
// command database.
#pragma once

#include <array>
#include <string>

namespace zorva {

enum Mode : int {
  kModeLoggedOut = 1,   // "Press Enter"
  kModeUser = 2,        // Router>
  kModePrivileged = 3,  // Router#
  kModeGlobal = 4,      // Router(config)#
  kModeEthernet = 5,    // Router(config-if)# on an Ethernet interface
  kModeSerial = 6,      // Router(config-if)# on a serial interface
  kModeBri = 7,         // Router(config-if)# on a BRI interface
  kModeRip = 8,         // Router(config-router)# for RIP
  kModeIgrp = 9,
  kModeEigrp = 10,
  kModeOspf = 11,
  kModeConsole = 12,  // Router(config-line)# for the console line
  kModeVty = 13,
  kModeAux = 14,
};

inline constexpr int kModeTableSize = 21;  // entries 0..20; 0 and 15..20 stay empty

struct ModeTables {
  std::array<std::string, kModeTableSize> prompt{};  // prompt suffix per mode number
  std::array<std::string, kModeTableSize> name{};    // mode name in the command database
  const std::string& prompt_of(int mode) const;      // "" for a number outside the table
  const std::string& name_of(int mode) const;
};

void fill_mode_tables(ModeTables& tables);

struct ConsoleSession;

// Puts `record` in `mode` with that mode's prompt: the one way every command and dialogue
// changes mode, so the mode and the prompt never disagree.
void enter_mode(ConsoleSession& record, const ModeTables& tables, int mode);

inline bool is_exec_mode(int mode) {
  return mode >= kModeLoggedOut && mode <= kModePrivileged;
}
inline bool is_config_mode(int mode) {
  return mode > kModePrivileged;
}

}  // namespace zorva
