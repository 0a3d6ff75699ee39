#include "script/command_line.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <ostream>

#include "base/app_paths.h"

namespace zorva {

namespace {

constexpr const char* kUsage =
    "usage: zorva-term [--script FILE|-] [--topology PATH|--lab FILE] [--app-dir DIR] [--seed N]\n"
    "                  [--behaviour classic|real-router] [--version]\n"
    "       zorva-term --check CHECKS --lab FILE\n"
    "       zorva-term --grade CHECKS FILE...|FOLDER... [--csv PATH] [--report FOLDER] [-j N]\n"
    "                  [--topology EXPECTED.ini]\n"
    "       zorva-term --lint CHECKS [--lab MODEL]\n"
    "       zorva-term --bundle PAGE.htm --topology T.ini [--lab START.zlab]\n"
    "                  [--checks PRACTICE.checks] [--title TEXT] -o LAB.zlab\n";

}  // namespace

std::optional<unsigned> seed_of(const std::string& text) {
  static_assert(std::numeric_limits<unsigned>::max() >= std::numeric_limits<std::uint32_t>::max());
  std::uint32_t n = 0;
  const char* end = text.data() + text.size();
  const auto [stop, ec] = std::from_chars(text.data(), end, n);
  if (text.empty() || ec != std::errc() || stop != end) return std::nullopt;
  return n;
}

std::optional<int> read_command_line(const std::vector<std::string>& args, TermCommandLine& line,
                                     std::ostream& out, std::ostream& err, const char* keys_help) {
  auto bad = [&err](const std::string& what) {
    err << "zorva-term: " << what << "\n" << kUsage;
    return 2;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "--script" && has_value) {
      line.script = args[++i];
      if (*line.script != "-")
        line.options.script_dir = std::filesystem::path(*line.script).parent_path();
    } else if (arg == "--topology" && has_value) {
      line.options.topology = args[++i];
    } else if (arg == "--lab" && has_value) {
      line.options.lab = args[++i];
    } else if (arg == "--app-dir" && has_value) {
      line.options.app_dir = args[++i];
    } else if (arg == "--seed" && has_value) {
      const std::string& value = args[++i];
      const std::optional<unsigned> seed = seed_of(value);
      if (!seed) return bad("--seed takes a number from 0 to 4294967295, not '" + value + "'");
      line.options.seed = *seed;
    } else if (arg == "--behaviour" && has_value) {
      const std::string& value = args[++i];
      const std::optional<Behaviour> behaviour = behaviour_named(value);
      if (!behaviour) return bad("--behaviour takes classic or real-router, not '" + value + "'");
      line.options.behaviour = *behaviour;
    } else if (arg == "--help" || arg == "-h") {
      out << kUsage << keys_help;
      return 0;
    } else if (arg == "--version") {
      out << "zorva-term " << program_version_text() << "\n";
      return 0;
    } else {
      return bad("unknown or incomplete argument '" + arg + "'");
    }
  }
  return std::nullopt;
}

}  // namespace zorva
