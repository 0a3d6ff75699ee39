#include "state/mode_tables.h"

#include "state/router_record.h"

namespace zorva {

namespace {
const std::string kEmpty;
}

const std::string& ModeTables::prompt_of(int mode) const {
  return mode >= 0 && mode < kModeTableSize ? prompt[mode] : kEmpty;
}

const std::string& ModeTables::name_of(int mode) const {
  return mode >= 0 && mode < kModeTableSize ? name[mode] : kEmpty;
}

void enter_mode(ConsoleSession& record, const ModeTables& tables, int mode) {
  record.mode = static_cast<Int16>(mode);
  record.prompt = tables.prompt_of(mode);
}

void fill_mode_tables(ModeTables& t) {
  struct Row {
    int mode;
    const char* prompt;
    const char* name;
  };
  static constexpr Row kRows[] = {
      {1, "Press Enter", "nologmode"},
      {2, ">", "usermode"},
      {3, "#", "privmode"},
      {4, "(config)#", "globmode"},
      {5, "(config-if)#", "ethemode"},
      {6, "(config-if)#", "serimode"},
      {7, "(config-if)#", "brimode"},
      {8, "(config-router)#", "ripmode"},
      {9, "(config-router)#", "igrpmode"},
      {10, "(config-router)#", "eigrpmode"},
      {11, "(config-router)#", "ospfmode"},
      {12, "(config-line)#", "consMode"},
      {13, "(config-line)#", "vtymode"},
      {14, "(config-line)#", "auxmode"},
  };
  t = ModeTables{};
  for (const Row& r : kRows) {
    t.prompt[r.mode] = r.prompt;
    t.name[r.mode] = r.name;
  }
}

}  // namespace zorva
