// zorva-term: the simulator without a display. With --script it runs a script and prints the
// transcripts; without it, it is an interactive terminal face.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "base/app_paths.h"
#include "script/command_line.h"
#include "script/script_runner.h"
#include "term/bundle_command.h"
#include "term/check_command.h"
#include "term/key_help_screen.h"
#include "term/terminal_face.h"

namespace {

std::filesystem::path executable_folder(const char* argv0) {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path();
}

// The program's data, beside it or where it was installed. An installed program keeps its error
// log in the user's state folder: its own folders are not the user's, and the current folder may
// be anywhere.
void find_program_folders(const char* argv0, zorva::ScriptOptions& options) {
  const std::filesystem::path exe = executable_folder(argv0);
  options.app_dir = zorva::program_data_folder(exe);
  if (options.app_dir == exe) return;
  const std::filesystem::path state = zorva::user_state_folder();
  std::error_code ec;
  if (state.empty() || (!std::filesystem::create_directories(state, ec) && ec)) return;
  options.log_file = state / "zorva.log";
}

}  // namespace

int main(int argc, char** argv) {
  zorva::TermCommandLine line;
  find_program_folders(argv[0], line.options);
  const std::vector<std::string> args(argv + 1, argv + argc);
  // --check, --grade and --lint run no simulation of their own: they answer and end here.
  if (auto status = zorva::run_check_command(args, line.options.app_dir, std::cout, std::cerr))
    return *status;
  if (auto status = zorva::run_bundle_command(args, line.options.app_dir, std::cout, std::cerr))
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
