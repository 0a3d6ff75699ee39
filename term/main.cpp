// zorva-term: the simulator without a display. With --script it runs a script and prints the
// transcripts; without it, it is an interactive terminal face.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "script/command_line.h"
#include "script/script_runner.h"
#include "term/check_command.h"
#include "term/terminal_face.h"

namespace {

std::filesystem::path executable_folder(const char* argv0) {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  zorva::TermCommandLine line;
  line.options.app_dir = executable_folder(argv[0]);
  const std::vector<std::string> args(argv + 1, argv + argc);
  // --check, --grade and --lint run no simulation of their own: they answer and end here.
  if (auto status = zorva::run_check_command(args, line.options.app_dir, std::cout, std::cerr))
    return *status;
  if (const std::optional<int> status =
          zorva::read_command_line(args, line, std::cout, std::cerr, zorva::terminal_face_help()))
    return *status;
  const zorva::ScriptOptions& options = line.options;
  if (!std::filesystem::is_directory(options.app_dir)) {
    std::cerr << "zorva-term: the program directory " << options.app_dir
              << " does not exist; starting with no data\n";
  }
  if (!line.script) return zorva::run_terminal_face(options);
  if (*line.script == "-") return zorva::run_script(std::cin, options, std::cout, std::cerr);
  std::ifstream in(*line.script);
  if (!in) {
    std::cerr << "zorva-term: cannot open script " << *line.script << "\n";
    return 2;
  }
  return zorva::run_script(in, options, std::cout, std::cerr);
}
