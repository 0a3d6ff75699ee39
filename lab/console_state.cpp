#include "lab/console_state.h"

#include <algorithm>

#include "state/mode_tables.h"

namespace zorva {

namespace {

using ordered = nlohmann::ordered_json;

// A password question, a "--More--" or a banner holds the console in a dialogue that the copy does
// not keep; such a console comes back at a fresh prompt in its mode.
bool in_dialogue(const RouterRecord& r) {
  return r.paging_state != 0 || r.password_state != 0 || r.pending_action != PendingAction::None;
}

InterfaceType type_of(const JsonIn& in, InterfaceType fallback) {
  const std::string text = in.text("interface_type", std::string(text_of(fallback)));
  const std::optional<InterfaceType> type = interface_type_named(text);
  if (!type) in.fail("interface_type", "SERIAL, ETHERNET or BRI was expected");
  return *type;
}

}  // namespace

ordered consoles_to_json(const Simulation& sim) {
  ordered routers = ordered::array();
  bool active_in_dialogue = false;
  for (int n = 1; n <= sim.router_count && n <= kMaxRouters; ++n) {
    const Router* router = sim.routers[n].get();
    if (router == nullptr) continue;
    const RouterRecord& r = router->record;
    const bool dialogue = in_dialogue(r);
    if (n == sim.active_router) active_in_dialogue = dialogue;
    routers.push_back({
        {"mode", r.mode},
        {"interface_index", r.cur_if_index},
        {"interface_number", r.cur_if_number},
        {"interface_type", text_of(r.cur_if_type)},
        {"input",
         dialogue ? r.hostname + sim.mode_tables.prompt_of(r.mode) : router->console.input_text()},
        {"caret_from_end", dialogue ? 0 : router->console.cursor_from_end},
    });
  }
  return {
      {"active_router", sim.active_router},
      {"typed_line", active_in_dialogue ? std::string() : sim.typed_line},
      {"routers", routers},
  };
}

void consoles_from_json(const JsonIn& in, Simulation& sim) {
  const std::vector<JsonIn> routers = in.objects("routers", kMaxRouters, "routers");
  for (std::size_t i = 0; i < routers.size() && static_cast<int>(i) < sim.router_count; ++i) {
    const JsonIn& c = routers[i];
    Router& router = *sim.router(static_cast<int>(i) + 1);
    RouterRecord& r = router.record;
    enter_mode(r, sim.mode_tables,
               static_cast<int>(c.whole("mode", kModeLoggedOut, kModeAux, r.mode)));
    r.cur_if_index =
        static_cast<Int16>(c.whole("interface_index", 0, kMaxInterfaces, r.cur_if_index));
    r.cur_if_number =
        static_cast<Int16>(c.whole("interface_number", 0, kMaxInterfaces, r.cur_if_number));
    r.cur_if_type = type_of(c, r.cur_if_type);
    const std::string input = c.text("input", router.console.input_text());
    router.console.cursor_from_end =
        static_cast<Int16>(c.whole("caret_from_end", 0, static_cast<long long>(input.size()), 0));
    router.console.set_input(input);
  }
  sim.typed_line = in.text("typed_line", sim.typed_line);
  sim.active_router = static_cast<int>(
      in.whole("active_router", 1, std::max(sim.router_count, 1), sim.active_router));
}

}  // namespace zorva
