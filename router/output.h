// Console output: `output_text` appends to the transcript and holds back anything past a screen
// (24 carriage returns, or a real router's `terminal length`) at "--MORE--"; `continue_pause`
// releases it line by line, all at once, or throws it away.
#pragma once

#include <string>

namespace zorva {

class Router;

inline constexpr const char* kMoreMarker = "--MORE--";

void output_text(Router& r, const std::string& text);
void continue_pause(Router& r, int key);

// The input line as it shows when nothing is held: host name, prompt suffix and `typed`.
void show_prompt(Router& r, const std::string& typed = "");

}  // namespace zorva
