#include "commands/debug_commands.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "commands/command_support.h"
#include "parser/command_context.h"
#include "state/router_record.h"

namespace zorva {

namespace {

// The words after `debug` and the name a real router gives that debugging.
constexpr std::array<std::pair<std::string_view, std::string_view>, 12> kSwitches = {{
    {"cdp adjacency", "CDP neighbor info"},
    {"cdp events", "CDP events"},
    {"cdp packets", "CDP packet info"},
    {"eigrp neighbors", "EIGRP Neighbors"},
    {"eigrp packets", "EIGRP Packets"},
    {"ip eigrp", "IP-EIGRP Route Events"},
    {"ip ospf adj", "OSPF adjacency events"},
    {"ip ospf events", "OSPF events"},
    {"ip rip", "RIP protocol"},
    {"ip routing", "IP routing"},
    {"ppp authentication", "PPP authentication"},
    {"ppp negotiation", "PPP protocol negotiation"},
}};

// The keywords of the line after `debug`, as the tree spells them: "ip rip".
std::string switch_words(const CommandContext& cmd) {
  std::string words;
  for (int i = 2; !full_word(cmd.pc, i).empty(); ++i) {
    if (!words.empty()) words += ' ';
    words += full_word(cmd.pc, i);
  }
  return words;
}

}  // namespace

void debug_command(CommandContext& cmd) {
  if (!real_router(cmd)) return;
  RouterRecord& r = cmd.router;
  const bool off = negated(cmd) || full_word(cmd.pc, 1) == "undebug";
  const std::string words = switch_words(cmd);
  if (words == "all" && off) {
    r.debugging.clear();
    set_output(r, "\r\nAll possible debugging has been turned off\r\n");
    return;
  }
  // `debug ip rip events` is RIP debugging too.
  const auto found = std::find_if(kSwitches.begin(), kSwitches.end(), [&](const auto& s) {
    return words.compare(0, s.first.size(), s.first) == 0;
  });
  if (found == kSwitches.end()) return;
  const std::string name(found->second);
  std::erase(r.debugging, name);
  if (!off) r.debugging.push_back(name);
  set_output(r, "\r\n" + name + " debugging is " + (off ? "off" : "on") + "\r\n");
}

}  // namespace zorva
