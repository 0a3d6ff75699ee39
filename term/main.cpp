// zorva-term: the simulator without a display. With --script it runs a script and prints the
// transcripts; without it, it is an interactive terminal face.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "script/script_runner.h"
#include "term/check_command.h"
#include "term/terminal_face.h"

namespace {

const char* kUsage =
    "usage: zorva-term [--script FILE|-] [--topology PATH|--lab FILE] [--app-dir DIR] [--seed N]\n"
    "       zorva-term --check CHECKS --lab FILE\n"
    "       zorva-term --grade CHECKS FILE...|FOLDER [--csv PATH] [-j N]\n";

std::filesystem::path executable_folder(const char* argv0) {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  zorva::ScriptOptions options;
  options.app_dir = executable_folder(argv[0]);
  if (auto status = zorva::run_check_command(std::vector<std::string>(argv + 1, argv + argc),
                                             options.app_dir, std::cout, std::cerr))
    return *status;
  std::string script;
  bool have_script = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--script" && has_value) {
      script = argv[++i];
      have_script = true;
    } else if (arg == "--topology" && has_value) {
      options.topology = argv[++i];
    } else if (arg == "--lab" && has_value) {
      options.lab = argv[++i];
    } else if (arg == "--app-dir" && has_value) {
      options.app_dir = argv[++i];
    } else if (arg == "--seed" && has_value) {
      options.seed = static_cast<unsigned>(std::stoul(argv[++i]));
    } else if (arg == "--help" || arg == "-h") {
      std::cout << kUsage << zorva::terminal_face_help();
      return 0;
    } else {
      std::cerr << "zorva-term: unknown argument '" << arg << "'\n" << kUsage;
      return 2;
    }
  }
  if (!std::filesystem::is_directory(options.app_dir)) {
    std::cerr << "zorva-term: the program directory " << options.app_dir
              << " does not exist; starting with no data\n";
  }
  if (!have_script) return zorva::run_terminal_face(options);
  if (script == "-") return zorva::run_script(std::cin, options, std::cout, std::cerr);
  std::ifstream in(script);
  if (!in) {
    std::cerr << "zorva-term: cannot open script " << script << "\n";
    return 2;
  }
  return zorva::run_script(in, options, std::cout, std::cerr);
}
