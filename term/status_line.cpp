// Help line texts, longest first.
#include "term/status_line.h"

namespace zorva {

std::vector<std::string> status_texts(int router, int count, int scroll_back, bool utf8,
                                      const std::string& clock) {
  const std::string bar = utf8 ? " \u00b7 " : " | ";
  const std::string keys = bar + "Alt+H keys";  // every form that has room keeps the key list
  if (count < 1) {
    return {"No routers loaded" + bar + "Ctrl+Q quit" + keys,
            "No routers loaded" + bar + "Ctrl+Q quit", "Ctrl+Q quit" + keys, "Ctrl+Q quit"};
  }
  const std::string which = "Router " + std::to_string(router) + " of " + std::to_string(count);
  const std::string brief = "R" + std::to_string(router) + "/" + std::to_string(count);
  if (scroll_back > 0) {
    const std::string back = "Back " + std::to_string(scroll_back) + " lines";
    return {back + bar + "PgDn forward" + bar + which, back + bar + "PgDn forward",
            back + bar + brief, back};
  }
  // A long prompt (configuration modes) leaves less room: the router key and the key list stay
  // longest, since the key list names every other key.
  if (clock.empty()) {
    return {
        which + bar + "F1-F12 Alt+1-9" + bar + "Ctrl+G any router" + bar + "PgUp scroll" + bar +
            "Ctrl+S save" + bar + "Ctrl+Q quit" + bar + "Alt+H all keys",
        which + bar + "Ctrl+G any router" + bar + "PgUp scroll" + bar + "Ctrl+S save" + bar +
            "Ctrl+Q quit" + keys,
        which + bar + "Ctrl+G router" + bar + "Ctrl+S save" + bar + "Ctrl+Q quit" + keys,
        which + bar + "Ctrl+G router" + keys,
        brief + bar + "Ctrl+G" + keys,
        brief + bar + "Alt+H",
        brief,
    };
  }
  const std::string at = which + bar + clock;
  const std::string short_at = brief + bar + clock;
  return {
      at + bar + "F1-F12 Alt+1-9" + bar + "Ctrl+G any router" + bar + "Ctrl+T speed" + bar +
          "Ctrl+K/L +1/+5 min" + bar + "PgUp scroll" + bar + "Ctrl+S save" + bar + "Ctrl+Q quit" +
          bar + "Alt+H all keys",
      at + bar + "Ctrl+G any router" + bar + "Ctrl+T speed" + bar + "Ctrl+K/L +1/+5 min" + bar +
          "Ctrl+S save" + bar + "Ctrl+Q quit" + bar + "Alt+H all keys",
      at + bar + "Ctrl+G router" + bar + "Ctrl+T/K/L clock" + bar + "Ctrl+S save" + bar +
          "Ctrl+Q quit" + keys,
      at + bar + "Ctrl+G router" + bar + "Ctrl+S save" + bar + "Ctrl+Q quit" + keys,
      at + bar + "Ctrl+G router" + bar + "Ctrl+S" + bar + "Ctrl+Q" + keys,
      at + bar + "Ctrl+G router" + keys,
      short_at + bar + "Ctrl+G router" + keys,
      short_at + bar + "Ctrl+G" + keys,
      short_at + keys,
      brief + bar + "Ctrl+G" + bar + "Alt+H",
      brief + bar + "Alt+H",
      brief,
  };
}

}  // namespace zorva
