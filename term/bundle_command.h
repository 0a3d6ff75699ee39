// Making a lab bundle from the command line:
//   zorva-term --bundle PAGE.htm (--topology T.ini | --lab START.zlab | both) [--checks PRACTICE]
//              [--title TEXT] -o LAB.zlab
// The page's stylesheets and pictures go inside it; the practice checks are read as Check My Work
// will read them, so a bundle never carries checks that cannot run.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace zorva {

// Runs --bundle when `args` (the program's arguments without its name) ask for it and gives the
// exit status: 0 when the bundle was written, 2 when it was not (the reason on `err`); nullopt
// when the arguments do not ask for a bundle.
std::optional<int> run_bundle_command(const std::vector<std::string>& args,
                                      const std::filesystem::path& app_dir, std::ostream& out,
                                      std::ostream& err);

}  // namespace zorva
