// The key list and its screen.
#include "term/key_help_screen.h"

#include <algorithm>
#include <string_view>

namespace zorva {

namespace {

// The keys, one screen of 80 columns by 24 rows with the help line: no line is wrapped there.
constexpr std::string_view kKeyList =
    "Keys of the interactive screen:\n"
    "  F1..F12, Alt+1..Alt+9   show the console of router 1..12 (1..9)\n"
    "  Ctrl+G or Alt+0         ask for a router number and show that router's console\n"
    "  PageUp, PageDown        scroll the transcript back and forth (Shift too)\n"
    "  Ctrl+T                  run the simulated clock at 1x, 10x or 60x real time\n"
    "  Ctrl+K, Ctrl+L          run the simulated clock 1 or 5 minutes ahead at once\n"
    "  Ctrl+O                  open another topology file in place of the running lab\n"
    "                          (a changed lab is offered to be saved first)\n"
    "  Ctrl+S                  save the lab; the first time it asks your name and a\n"
    "                          file (a lab handed out is never saved over)\n"
    "  Alt+L                   the lab's page as text (n/p: other pages, Esc: back)\n"
    "  Alt+N                   your name, saved in the lab\n"
    "  Ctrl+Q                  quit after \"Are you sure?\" (Enter: yes, c: no);\n"
    "                          with unsaved changes it offers to save them first\n"
    "  Alt+H or Alt+?          this list of keys (F1 too, where router 1 is forward);\n"
    "                          any key goes back to the console\n"
    "  Enter, Tab, ?, Backspace, Ctrl+Z and the other Ctrl keys go to the console;\n"
    "  the arrows are Ctrl+B/F/P/N, Home and End Ctrl+A/E, a lone Esc is code 27.\n"
    "  A question from the router is shown on the input line: answer with y, n or c\n"
    "  (Enter for OK, Esc for Cancel); simulated time stands still while it waits.\n";

constexpr std::string_view kPipeNote =
    "Without a terminal on standard input and output, keys are read from standard\n"
    "input until it ends, then the active router's transcript is printed. --seed is\n"
    "for scripts.\n";

}  // namespace

const char* terminal_face_help() {
  static const std::string help = std::string(kKeyList) + std::string(kPipeNote);
  return help.c_str();
}

Frame key_help_frame(ScreenSize size) {
  const int rows = std::max(size.rows, 1);
  const int cols = std::max(size.cols, 1);
  Frame frame;
  std::string_view rest = kKeyList;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    for (std::string& row : wrap_line(rest.substr(0, end), cols)) frame.lines.push_back(row);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  frame.lines.resize(static_cast<std::size_t>(rows - 1));
  frame.lines.emplace_back();
  const std::string_view back = "Press any key to go back to the console";
  const std::string_view brief = "Any key: back";
  frame.status = std::string(static_cast<int>(back.size()) <= cols ? back : brief.substr(0, cols));
  frame.status_row = rows - 1;
  frame.status_col = cols - static_cast<int>(frame.status.size());
  frame.cursor_row = rows - 1;
  frame.cursor_col = 0;
  return frame;
}

}  // namespace zorva
