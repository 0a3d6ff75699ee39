#include "term/bundle_command.h"

#include <algorithm>
#include <ostream>

#include "base/scripted_host.h"
#include "lab/lab_bundle.h"
#include "lab/shown_text.h"

namespace zorva {

namespace {

constexpr const char* kBundleUsage =
    "usage: zorva-term --bundle PAGE.htm --topology T.ini [--lab START.zlab]\n"
    "                  [--checks PRACTICE.checks] [--title TEXT] -o LAB.zlab\n";

}  // namespace

std::optional<int> run_bundle_command(const std::vector<std::string>& args,
                                      const std::filesystem::path& app_dir, std::ostream& out,
                                      std::ostream& err) {
  if (std::find(args.begin(), args.end(), "--bundle") == args.end()) return std::nullopt;
  BundleSources sources;
  std::filesystem::path output;
  std::filesystem::path dir = app_dir;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (i + 1 >= args.size()) {
      err << "zorva-term: unknown or incomplete argument '" << shown_text(arg) << "'\n"
          << kBundleUsage;
      return 2;
    }
    const std::string& value = args[++i];
    if (arg == "--bundle") {
      sources.page = value;
    } else if (arg == "--topology") {
      sources.topology = value;
    } else if (arg == "--lab") {
      sources.lab = value;
    } else if (arg == "--checks") {
      sources.checks = value;
    } else if (arg == "--title") {
      sources.title = value;
    } else if (arg == "-o" || arg == "--output") {
      output = value;
    } else if (arg == "--app-dir") {
      dir = value;
    } else {
      err << "zorva-term: unknown argument '" << shown_text(arg) << "'\n" << kBundleUsage;
      return 2;
    }
  }
  if (output.empty()) {
    err << "zorva-term: --bundle needs -o LAB.zlab, the bundle to write\n" << kBundleUsage;
    return 2;
  }
  ScriptedHost host;
  std::vector<std::string> notes;
  const std::string error = make_bundle(sources, output, dir, host, notes);
  for (const std::string& note : notes)
    err << "zorva-term: left as it was in the page: " << shown_text(note) << "\n";
  if (!error.empty()) {
    err << "zorva-term: the bundle was not made: " << shown_text(error) << "\n";
    return 2;
  }
  out << "Bundle written to " << shown_text(output.string()) << ".\n";
  return 0;
}

}  // namespace zorva
