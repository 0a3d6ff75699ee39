// zorva-script.js: the script runner compiled to WebAssembly, run by Node.js with the real file
// system. It takes the arguments of `zorva-term --script` and prints the same transcripts, so a
// test can compare the browser build with the native one script by script.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "script/command_line.h"
#include "script/script_runner.h"

int main(int argc, char** argv) {
  zorva::TermCommandLine line;
  // The data (topologies, labs) lies beside this program; the command tables are built in.
  line.options.app_dir = std::filesystem::path(argv[0]).parent_path();
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (const std::optional<int> status = zorva::read_command_line(args, line, std::cout, std::cerr))
    return *status;
  if (!line.script) {
    std::cerr << "zorva-script: give a script with --script FILE\n";
    return 2;
  }
  if (*line.script == "-") return zorva::run_script(std::cin, line.options, std::cout, std::cerr);
  std::ifstream in(*line.script);
  if (!in) {
    std::cerr << "zorva-script: cannot open script " << *line.script << "\n";
    return 2;
  }
  return zorva::run_script(in, line.options, std::cout, std::cerr);
}
