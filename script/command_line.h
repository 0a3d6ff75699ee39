// The arguments of zorva-term (and of the browser build's script runner, which takes the same):
// which script (if any), the options of the run, and the answers to
// --help and --version. A bad argument prints the usage and ends the program with status 2.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "script/script_runner.h"

namespace zorva {

struct TermCommandLine {
  ScriptOptions options;              // app_dir preset by the caller to the program's folder
  std::optional<std::string> script;  // --script FILE, "-" for standard input
};

// Reads `args` (without the program name) into `line`. Returns the exit status when the program
// is to end at once (0 after --help or --version, written to `out`; 2 after a bad argument, with
// the usage written to `err`), nothing when it is to run.
// `keys_help` follows the usage after --help: the keys of the program's interactive face, if any.
std::optional<int> read_command_line(const std::vector<std::string>& args, TermCommandLine& line,
                                     std::ostream& out, std::ostream& err,
                                     const char* keys_help = "");

// A seed is 0 ... 4294967295 in decimal digits; anything else (a sign, letters, more) is nothing.
std::optional<unsigned> seed_of(const std::string& text);

}  // namespace zorva
