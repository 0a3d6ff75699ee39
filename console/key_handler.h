// The keyboard side of a router console: every key arrives here as a character code, edits the one
// typed line shared by all consoles, and asks the parser for help, completion and execution.
#pragma once

namespace zorva {

class Router;
struct ConsoleContext;

// Character codes the handler acts on.
enum KeyCode : int {
  kCtrlA = 1,  // caret to the start
  kCtrlB = 2,  // caret back (left arrow)
  kCtrlE = 5,  // caret to the end
  kCtrlF = 6,  // caret forward (right arrow)
  kBackspace = 8,
  kTab = 9,
  kEnter = 13,
  kCtrlN = 14,   // next history line (down arrow)
  kCtrlP = 16,   // previous history line (up arrow)
  kCtrlZ = 26,   // leave configuration
  kEscape = 27,  // Esc: no editing meaning; faces pass it on like any other key
  kQuestion = 63,
};

// One key typed into router r's console.
void key_press(ConsoleContext& sim, Router& r, int key);

}  // namespace zorva
