// The script runner: drives a whole simulation from a file of commands (behaviour, router, type,
// line, start, key, wait, answer, save, open, include) without a display, then prints every router's
// transcript and input line.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "base/behaviour.h"

namespace zorva {

struct ScriptOptions {
  std::filesystem::path app_dir;             // program directory (data, zorva.mdb)
  std::string topology;                      // topology file; "" for default.ini in app_dir
  std::filesystem::path lab;                 // lab file to open instead of a topology; "" for none
  std::filesystem::path log_file;            // error log; "" for zorva.log in the current folder
  unsigned seed = 1;                         // random source of the run (MAC addresses)
  Behaviour behaviour = Behaviour::Classic;  // of a new simulation; a lab file brings its own
  std::filesystem::path script_dir;  // where `include FILE` looks; "" for the current folder
};

// One command of a script, as read from its line.
struct ScriptStep {
  enum class Kind { Router, Type, Line, Keys, Wait, Answer, Save, Open, Behaviour };
  Kind kind;
  int line_number;        // 1-based line of the script
  std::string text;       // Type/Line: the text; Answer: yes|no|cancel|ok; Save/Open: the file;
                          // Behaviour: classic|real-router
  std::vector<int> keys;  // Keys: character codes, or -n for function key Fn
  long long number = 0;   // Router: n; Wait: milliseconds
};

struct ScriptError {
  int line_number;
  std::string message;
};

// Reads a script; a malformed line gives an error naming its line. `include FILE` reads the steps
// of FILE (relative to `folder`) in its place, so scripts can share an opening; an error inside an
// included file names the include's line and the file's own line.
std::optional<ScriptError> parse_script(std::istream& in, std::vector<ScriptStep>& steps,
                                        const std::filesystem::path& folder = {});

// The code of a key name ("Enter", "Ctrl+A", "F3", "?"), -n for function key Fn, or nullopt.
std::optional<int> key_code_of(const std::string& name);

// Runs the script and writes boxes as they appear, then every router's transcript, to `out`.
// Returns the exit status: 0, or 2 for a malformed script, a lab file that cannot be opened or
// saved (the message goes to `err`).
int run_script(std::istream& script, const ScriptOptions& options, std::ostream& out,
               std::ostream& err);

}  // namespace zorva
