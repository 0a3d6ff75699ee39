#include "router/router.h"

namespace zorva {

namespace {

// The transcript a console shows when its window loads.
std::string initial_screen() {
  std::string s;
  for (int i = 0; i < 29; ++i) s += "\r\n";
  s += "Press Enter to Start";
  for (int i = 0; i < 3; ++i) s += "\r\n";
  return s;
}

}  // namespace

Router::Router(int n)
    : number(n), caption("Router " + std::to_string(n)), record(window_load_record()) {
  console.append(initial_screen());
}

}  // namespace zorva
