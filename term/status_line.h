// The help line of the terminal face: which router's console is shown, the keys that matter most,
// and the key (Alt+H) that lists every key. The screen has room for a long form beside a short
// input line only, so the texts come longest first and the layout shows the first that fits.
#pragma once

#include <string>
#include <vector>

namespace zorva {

// The help line texts for router `router` of `count`, scrolled back `scroll_back` rows; `utf8`
// chooses a middle dot or a bar between the parts. `clock` ("00:01:05 10x classic": the simulated
// time, its speed and the lab's behaviour), when given, is shown after the router, and the clock
// keys with it.
std::vector<std::string> status_texts(int router, int count, int scroll_back, bool utf8,
                                      const std::string& clock = "");

}  // namespace zorva
